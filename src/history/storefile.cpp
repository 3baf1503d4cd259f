// SPDX-License-Identifier: GPL-3.0-or-later

// The life of the file: opening, judging, setting a damaged one aside,
// creating and migrating the tables, importing the recovery file. Judging and
// renaming happen under a lock file beside the database, so that two running
// copies never judge one file together nor move the fresh file the other has
// just started.

#include "history/storeprivate.h"
#include "history/unsaved.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>
#include <sys/stat.h>

namespace history {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

FileId fileId(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {st.st_dev, st.st_ino};
}

// SQLite's codes of a file that is no database or a damaged one.
bool isDamage(const QSqlError& e) {
    const int code = primaryCode(e);
    return code == 11 || code == 26;
}

// What the player is told when the file cannot be written, by SQLite's code.
QString whyText(const QSqlError& e) {
    switch (primaryCode(e)) {
    case 5: // busy
    case 6: // locked
        return QStringLiteral("ほかの junban が記録のファイルを使っています");
    case 8:
        return QStringLiteral("記録のファイルが読み取り専用です");
    case 10:
        return QStringLiteral("記録のファイルの読み書きに失敗しました");
    case 13:
        return QStringLiteral("ディスクの空きが足りません");
    case 14:
        return QStringLiteral("記録のファイルを開けません");
    default:
        return QStringLiteral("記録のファイルに書き込めません（%1）").arg(e.text());
    }
}

const char* const Journals[] = {"-wal", "-shm", "-journal"};

} // namespace

int primaryCode(const QSqlError& error) {
    return error.nativeErrorCode().toInt() & 0xff;
}

bool Store::Private::exec(const QString& sql, QSqlError* error) {
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    if (error)
        *error = q.lastError();
    return false;
}

bool Store::Private::failed(const QSqlError& error) {
    failure = whyText(error);
    if (isDamage(error)) {
        damagedInUse = true;
        ready();
    }
    return false;
}

bool Store::Private::open(bool readOnly) {
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1%2")
                             .arg(busyTimeout())
                             .arg(readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
    if (!db.open()) {
        failure = whyText(db.lastError());
        return false;
    }
    judged = fileId(path);
    // Per connection: deleting a game deletes its clicks and boards.
    exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    return true;
}

bool Store::Private::ready(bool writing) {
    if (schemaReady && writing && !(fileId(path) == judged)) {
        schemaReady = false;
        db.close();
    }
    if (schemaReady && !damagedInUse)
        return true;
    const QString folder = QFileInfo(path).absolutePath();
    const QString cannot =
        QStringLiteral("記録を保存できません（%1 に書き込めません）").arg(native(folder));
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable() || QFileInfo(path).isDir()) {
        db.close();
        state = State::Unavailable;
        notice = failure =
            QFileInfo(path).isDir()
                ? QStringLiteral("記録を保存できません（%1 がフォルダです）").arg(native(path))
                : cannot;
        return false;
    }
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(busyTimeout())) {
        failure = QStringLiteral("ほかの junban が記録のファイルを調べています");
        return false;
    }
    bool damaged = std::exchange(damagedInUse, false);
    if (!damaged) {
        if (!db.isOpen() && !open(false)) {
            state = State::Unavailable;
            notice = cannot;
            return false;
        }
        if (state == State::Unavailable)
            state = State::Ready;
        if (prepare(&damaged)) {
            importUnsaved();
            return true;
        }
        if (!damaged)
            return false; // busy or unreadable for now: tried again at the next call
    }
    schemaReady = false;
    db.close();
    if (setAside() && open(false) && prepare(&damaged)) {
        importUnsaved();
        return true;
    }
    db.close();
    state = State::Unavailable;
    if (notice.isEmpty())
        notice = cannot;
    failure = notice;
    return false;
}

bool Store::Private::prepare(bool* damaged) {
    *damaged = false;
    QSqlError error;
    int version = 0;
    {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
            error = q.lastError();
            *damaged = isDamage(error);
            failure = whyText(error);
            return false;
        }
        version = q.value(0).toInt();
    }
    if (version > SchemaVersion) {
        // Written by a newer version: never judged by what this one knows,
        // never moved, never written; read as far as this version understands it.
        db.close();
        if (!open(true))
            return false;
        state = State::ReadOnly;
        schemaReady = true;
        notice = QStringLiteral("この記録は新しい版のプログラムが書いたものです。"
                                "表示だけして、書き込みません（%1）")
                     .arg(native(path));
        return true;
    }
    {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
            error = q.lastError();
            *damaged = isDamage(error);
            failure = whyText(error);
            return false;
        }
        if (q.value(0).toString() != QLatin1String("ok")) {
            *damaged = true;
            return false;
        }
    }
    // WAL lets a reader and a writer (the window and the game, or two running
    // copies) work at once; the mode stays with the file.
    if (!exec(QStringLiteral("PRAGMA journal_mode=WAL"), &error) ||
        (version < SchemaVersion && !migrate(version, &error))) {
        *damaged = isDamage(error);
        failure = whyText(error);
        return false;
    }
    schemaReady = true;
    return true;
}

// Brings a file of an older version (0: a new file) to this one in one
// transaction, keeping every row: a second copy starting at the same moment
// waits and then finds the tables made, and a run killed part way leaves the
// file as it was.
bool Store::Private::migrate(int version, QSqlError* error) {
    QStringList steps;
    if (version < 1)
        steps << QStringLiteral("CREATE TABLE IF NOT EXISTS games ("
                                "id INTEGER PRIMARY KEY, finished TEXT, name TEXT, "
                                "first_number INTEGER, count INTEGER, radius INTEGER, "
                                "elapsed_ms INTEGER, hits INTEGER, clicks INTEGER, line TEXT)")
              << QStringLiteral("CREATE INDEX IF NOT EXISTS games_by_name ON games (name, count)")
              << QStringLiteral("CREATE INDEX IF NOT EXISTS games_by_count ON games (count)");
    if (version < 2)
        steps << QStringLiteral(
                     "CREATE TABLE IF NOT EXISTS clicks ("
                     "game_id INTEGER REFERENCES games(id) ON DELETE CASCADE, seq INTEGER, "
                     "t_ms INTEGER, x INTEGER, y INTEGER, due INTEGER, due_x INTEGER, "
                     "due_y INTEGER, distance INTEGER, outcome TEXT, touched INTEGER, "
                     "PRIMARY KEY (game_id, seq))")
              << QStringLiteral("CREATE TABLE IF NOT EXISTS boards ("
                                "game_id INTEGER REFERENCES games(id) ON DELETE CASCADE, "
                                "seq INTEGER, width INTEGER, height INTEGER, positions BLOB, "
                                "PRIMARY KEY (game_id, seq))");
    steps << QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion);
    if (!exec(QStringLiteral("BEGIN IMMEDIATE"), error))
        return false;
    for (const QString& step : steps)
        if (!exec(step, error)) {
            exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    if (exec(QStringLiteral("COMMIT"), error))
        return true;
    exec(QStringLiteral("ROLLBACK"));
    return false;
}

// Moves the file judged damaged and its journal files to names of their own
// beside it, never over existing ones; all of them or none. A path that no
// longer names the file judged (another copy has set it aside and started a
// new one) is left alone, for the caller to judge afresh.
bool Store::Private::setAside() {
    if (!(fileId(path) == judged))
        return true;
    const auto free = [](const QString& name) {
        for (const char* j : Journals)
            if (QFileInfo::exists(name + QLatin1String(j)))
                return false;
        return !QFileInfo::exists(name);
    };
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".broken-") + stamp;
    for (int n = 2; !free(aside); ++n)
        aside = path + QStringLiteral(".broken-") + stamp + QStringLiteral("-%1").arg(n);
    QStringList suffixes{QString()};
    for (const char* j : Journals)
        if (QFileInfo::exists(path + QLatin1String(j)))
            suffixes.append(QLatin1String(j));
    const auto move = [](const QString& from, const QString& to) {
        return std::rename(QFile::encodeName(from).constData(),
                           QFile::encodeName(to).constData()) == 0;
    };
    for (qsizetype i = 0; i < suffixes.size(); ++i) {
        if (move(path + suffixes[i], aside + suffixes[i]))
            continue;
        notice =
            QStringLiteral("記録のファイルが読めず、%1 を移せなかったため何も動かしていません。"
                           "記録は保存できません")
                .arg(native(path + suffixes[i]));
        while (--i >= 0)
            move(aside + suffixes[i], path + suffixes[i]);
        return false;
    }
    notice = QStringLiteral("記録のファイルが読めないため %1 に移し、新しく始めました")
                 .arg(native(aside));
    return true;
}

// Writes the games of the recovery file into the database in one
// transaction, then removes the file (only once they are committed).
void Store::Private::importUnsaved() {
    if (state != State::Ready || !QFileInfo::exists(unsavedPath(path)))
        return;
    const std::optional<QList<Game>> games = readUnsaved(path);
    if (!games || !exec(QStringLiteral("BEGIN IMMEDIATE")))
        return;
    QSqlError error;
    for (const Game& g : *games)
        if (!insert(g, &error)) {
            exec(QStringLiteral("ROLLBACK"));
            return;
        }
    if (exec(QStringLiteral("COMMIT")))
        QFile::remove(unsavedPath(path));
    else
        exec(QStringLiteral("ROLLBACK"));
}

} // namespace history
