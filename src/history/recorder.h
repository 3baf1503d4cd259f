// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/game.h"

#include <QObject>
#include <QString>

#include <memory>

namespace history {

// Keeps every finished game without making the game wait: `record` returns at
// once and the row is written away from the click (nothing is opened before
// the first game). A row that cannot be written now (the file busy past the
// timeout, read-only, a full disk) stays in memory and goes with the next
// one, or when the recorder is destroyed at exit; what still cannot be
// written then is appended to the recovery file (history/unsaved.h), which
// the next run that can write the database imports.
class Recorder : public QObject {
    Q_OBJECT
public:
    explicit Recorder(const QString& path, QObject* parent = nullptr);
    ~Recorder() override;

    QString path() const;
    // Takes the game (and its clicks) without copying when handed an rvalue.
    void record(Game game);
    // Blocks until every game handed over so far has been written or kept back.
    void flush();
    // While games are held back: why the last one could not be written and
    // how many wait. Otherwise what the recorder's own store says (see
    // Store::notice), or empty. Follows every write; safe to call from the
    // thread that owns the recorder.
    QString notice() const;
    // How many games wait to be written, as of the last write.
    int heldBack() const;

signals:
    // After each game handed to `record` was written (or kept back), on the
    // thread that owns the recorder (queued to it).
    void recorded();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace history
