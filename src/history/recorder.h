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
// timeout) stays in memory and goes with the next one, or when the recorder
// is destroyed at exit.
class Recorder : public QObject {
    Q_OBJECT
public:
    explicit Recorder(const QString& path, QObject* parent = nullptr);
    ~Recorder() override;

    QString path() const;
    void record(const Game& game);
    // Blocks until every game handed over so far has been written or kept back.
    void flush();
    // What the recorder's own store said when it opened (see Store::notice),
    // or empty; safe to call from the thread that owns the recorder.
    QString notice() const;

signals:
    // After each game handed to `record` was written (or kept back), on the
    // recorder's own thread.
    void recorded();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace history
