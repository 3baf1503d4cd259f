// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The store's own part, shared by store.cpp (the queries and writes) and
// storefile.cpp (opening, judging, setting aside, migrating the file).

#include "history/store.h"

#include <QSqlDatabase>
#include <QSqlError>

#include <sys/types.h>

namespace history {

// The version of the tables this program writes.
constexpr int SchemaVersion = 2;

// Which file a path named when it was looked at: device and inode.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileId&) const = default;
};

struct Store::Private {
    QString path;
    QString connection;
    QSqlDatabase db;
    State state = State::Unavailable;
    QString notice;            // what opening found, for the player
    QString failure;           // why the last write failed, for the player
    bool schemaReady = false;  // the file is judged and its tables are there
    bool damagedInUse = false; // a write found damage that the quick check misses
    FileId judged;             // the file the connection has open

    // The one step every query and write goes through: opens, judges and
    // prepares the file unless that already succeeded, setting a damaged file
    // aside and importing the recovery file; false (with `failure` said)
    // while the file is busy, unwritable or missing. Cheap once it succeeded;
    // a writer also checks that the path still names the file it has open
    // (another copy may have set it aside, or the player removed it) and
    // starts on the file the path names now.
    bool ready(bool writing = false);
    // A write failed with `error`: says why in `failure`; damage is set aside
    // at once and a new file started. Always false, for the caller to return.
    bool failed(const QSqlError& error);
    bool exec(const QString& sql, QSqlError* error = nullptr);
    // Writes one game's row inside the caller's transaction, then its clicks
    // and boards under a savepoint: clicks that cannot be written are rolled
    // back and the game is kept without them.
    bool insert(const Game& game, QSqlError* error);
    bool insertClicks(const QVariant& gameId, const Game& game);

private:
    bool open(bool readOnly);
    bool prepare(bool* damaged);
    bool migrate(int version, QSqlError* error);
    bool setAside();
    void importUnsaved();
};

// SQLite's primary result code of an error (its extended codes carry more in
// the bits above the lowest eight).
int primaryCode(const QSqlError& error);
// How long a write waits for another running copy (Store::setBusyTimeout).
int busyTimeout();

} // namespace history
