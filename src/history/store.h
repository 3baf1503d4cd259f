// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/game.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace history {

// Which games a query returns: one player or all, one count or all.
struct Filter {
    std::optional<QString> name; // nullopt: every player
    std::optional<int> count;    // nullopt: every count
};

// One game with every click it kept, for its detail window.
struct GameDetail {
    enum class Clicks {
        None,     // no click of this game is kept (played before clicks were kept,
                  // or its clicks could not be written)
        Whole,    // every click with the board as it stood
        NoBoards, // every click, but the boards could not be read: no replay
    };
    Game game; // game.clickLog holds the clicks in order of seq
    Clicks kept = Clicks::None;
};

// The kept games: one SQLite file (table `games`, schema version in
// `PRAGMA user_version`, WAL journal, a busy timeout so that two running
// copies both keep every game). Each Store is one connection, used on the
// thread that created it.
//
// Opening never fails the caller: a folder that cannot be created or written
// leaves the store Unavailable; a file that is not a database (or is damaged)
// is renamed aside to `<file>.broken-<date-time>` with its journal files (all
// or none) and a new one started; a file written by a newer version of the
// program is opened ReadOnly and never judged, moved or written. `notice()`
// says each of these in the player's language. Judging and setting aside
// happen under the lock file `<file>.lock`. A file found busy or unavailable
// is tried again by every later query and write, which also import the
// recovery file (history/unsaved.h) once the database can be written.
class Store {
public:
    enum class State { Ready, ReadOnly, Unavailable };

    explicit Store(const QString& path);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // $XDG_DATA_HOME/junban/history.sqlite (through QStandardPaths).
    static QString defaultPath();
    // How long a write waits for another running copy before it gives up,
    // for every store opened afterwards (5000 ms unless set).
    static void setBusyTimeout(int ms);

    State state() const;
    // What the history window should tell the player about this file, or
    // empty: cannot be kept (and where it tried), set aside (and where to),
    // written by a newer version (read-only).
    QString notice() const;

    // Writes one game in one transaction; false when it could not (busy past
    // the timeout, read-only, a full disk, unavailable), with `why` said in
    // the player's language: the caller keeps it and tries again.
    bool record(const Game& game, QString* why = nullptr);

    // Every name in the history, sorted.
    QStringList names() const;
    // The count of the game finished last, if any.
    std::optional<int> lastCount() const;
    // The games that pass the filter, in the order they were played.
    QList<Game> games(const Filter& filter) const;
    // Deletes the games with these ids and their clicks; false when nothing
    // could be deleted.
    bool remove(const QList<qint64>& ids);

    // The game with this id and its clicks; nullopt when there is no such game.
    std::optional<GameDetail> detail(qint64 id) const;
    // Calls `each` for every click of the games that pass the filter, the
    // newest game first and its clicks in order of seq, without the boards'
    // positions (the board size is given). Stops when `each` returns false.
    // False when the clicks could not be read or `each` stopped.
    bool forEachClick(
        const Filter& filter,
        const std::function<bool(const Game& game, const engine::ClickRecord& click)>& each) const;
    // How many clicks forEachClick would give for this filter.
    qint64 clickCount(const Filter& filter) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace history
