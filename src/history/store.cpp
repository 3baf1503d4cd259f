// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/store.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace history {

namespace {

// The version of the table this program writes.
constexpr int SchemaVersion = 1;
// How long a write waits for another running copy before the row is kept back.
QAtomicInteger<int> busyTimeoutMs = 5000;

// SQLite's result codes of a file that is no database or a damaged one.
const QString SqliteCorrupt = QStringLiteral("11");
const QString SqliteNotADatabase = QStringLiteral("26");

// Two stores of one process (the recorder's and the history window's) must
// not both judge and set aside the same file at once: the second could move
// the fresh file the first has just started.
QMutex openLock;

QString isoWithOffset(const QDateTime& t) {
    const int offset = t.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

bool isDamage(const QSqlError& e) {
    const QString code = e.nativeErrorCode();
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

} // namespace

struct Store::Private {
    QString path;
    QString connection;
    QSqlDatabase db;
    State state = State::Unavailable;
    QString notice;
    bool schemaReady = false;

    bool open();
    bool exec(const QString& sql, QSqlError* error = nullptr);
    // Checks the file and prepares the table; false with `damaged` set when
    // the file must be set aside.
    bool prepare(bool* damaged);
    bool setAside();
};

bool Store::Private::exec(const QString& sql, QSqlError* error) {
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    if (error)
        *error = q.lastError();
    return false;
}

bool Store::Private::open() {
    db.setDatabaseName(path);
    db.setConnectOptions(
        QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs.loadRelaxed()));
    return db.open();
}

bool Store::Private::prepare(bool* damaged) {
    *damaged = false;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        *damaged = isDamage(q.lastError());
        return false;
    }
    const int version = q.value(0).toInt();
    q.finish();
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
        *damaged = isDamage(q.lastError());
        return false;
    }
    if (q.value(0).toString() != QLatin1String("ok")) {
        *damaged = true;
        return false;
    }
    q.finish();
    if (version > SchemaVersion) {
        state = State::ReadOnly;
        schemaReady = true; // read as far as this version understands it
        notice = QStringLiteral("この記録は新しい版のプログラムが書いたものです。"
                                "表示だけして、書き込みません（%1）")
                     .arg(QDir::toNativeSeparators(path));
        return true;
    }
    // WAL lets a reader and a writer (the window and the game, or two running
    // copies) work at once; the mode stays with the file.
    QSqlError error;
    if (!exec(QStringLiteral("PRAGMA journal_mode=WAL"), &error)) {
        *damaged = isDamage(error);
        return false;
    }
    if (version == SchemaVersion) {
        schemaReady = true;
        return true;
    }
    // A new file: the table, its indexes and the version in one transaction,
    // so that a second copy starting at the same moment waits and then finds
    // them made.
    const bool made =
        exec(QStringLiteral("BEGIN IMMEDIATE"), &error) &&
        exec(QStringLiteral("CREATE TABLE IF NOT EXISTS games ("
                            "id INTEGER PRIMARY KEY, finished TEXT, name TEXT, "
                            "first_number INTEGER, count INTEGER, radius INTEGER, "
                            "elapsed_ms INTEGER, hits INTEGER, clicks INTEGER, line TEXT)"),
             &error) &&
        exec(QStringLiteral("CREATE INDEX IF NOT EXISTS games_by_name ON games (name, count)"),
             &error) &&
        exec(QStringLiteral("CREATE INDEX IF NOT EXISTS games_by_count ON games (count)"),
             &error) &&
        exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion), &error) &&
        exec(QStringLiteral("COMMIT"), &error);
    if (!made) {
        exec(QStringLiteral("ROLLBACK"));
        *damaged = isDamage(error);
        return false;
    }
    schemaReady = true;
    return true;
}

// Moves the file (and its journal files) to a name of its own beside it,
// never over an existing one.
bool Store::Private::setAside() {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".broken-") + stamp;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo::exists(aside + QStringLiteral("-wal"));
         ++n)
        aside = path + QStringLiteral(".broken-") + stamp + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(path, aside))
        return false;
    for (const QString& journal : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(path + journal))
            QFile::rename(path + journal, aside + journal);
    notice = QStringLiteral("記録のファイルが読めないため %1 に移し、新しく始めました")
                 .arg(QDir::toNativeSeparators(aside));
    return true;
}

Store::Store(const QString& path) : d(new Private) {
    static QAtomicInteger<int> stores;
    d->path = path;
    d->connection = QStringLiteral("junban-history-%1").arg(stores.fetchAndAddRelaxed(1));
    d->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connection);

    const QString folder = QFileInfo(path).absolutePath();
    const QString cannot = QStringLiteral("記録を保存できません（%1 に書き込めません）")
                               .arg(QDir::toNativeSeparators(folder));
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable()) {
        d->notice = cannot;
        return;
    }
    QMutexLocker lock(&openLock);
    bool damaged = false;
    if (d->open()) {
        d->state = State::Ready;
        if (d->prepare(&damaged) || !damaged)
            return;
        d->db.close();
        if (d->setAside() && d->open() && d->prepare(&damaged))
            return;
    }
    d->db.close();
    d->state = State::Unavailable;
    d->notice = cannot;
}

Store::~Store() {
    d->db.close();
    d->db = QSqlDatabase();
    QSqlDatabase::removeDatabase(d->connection);
    delete d;
}

QString Store::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/junban/history.sqlite");
}

void Store::setBusyTimeout(int ms) {
    busyTimeoutMs.storeRelaxed(ms);
}

Store::State Store::state() const {
    return d->state;
}

QString Store::path() const {
    return d->path;
}

QString Store::notice() const {
    return d->notice;
}

bool Store::record(const Game& game) {
    if (d->state != State::Ready)
        return false;
    if (!d->schemaReady) {
        // The first attempt found the file busy: try once more.
        QMutexLocker lock(&openLock);
        bool damaged = false;
        if (!d->prepare(&damaged) || d->state != State::Ready)
            return false;
    }
    QSqlQuery q(d->db);
    q.prepare(QStringLiteral("INSERT INTO games (finished, name, first_number, count, radius, "
                             "elapsed_ms, hits, clicks, line) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(isoWithOffset(game.finished));
    q.addBindValue(game.name);
    q.addBindValue(game.firstNumber);
    q.addBindValue(game.count);
    q.addBindValue(game.radius);
    q.addBindValue(game.elapsedMs);
    q.addBindValue(game.hits);
    q.addBindValue(game.clicks);
    q.addBindValue(game.line);
    return q.exec();
}

QStringList Store::names() const {
    QStringList result;
    if (!d->schemaReady)
        return result;
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT DISTINCT name FROM games ORDER BY name"));
    while (q.next())
        result.append(q.value(0).toString());
    return result;
}

std::optional<int> Store::lastCount() const {
    if (!d->schemaReady)
        return std::nullopt;
    QSqlQuery q(d->db);
    if (q.exec(QStringLiteral("SELECT count FROM games ORDER BY id DESC LIMIT 1")) && q.next())
        return q.value(0).toInt();
    return std::nullopt;
}

QList<Game> Store::games(const Filter& filter) const {
    QList<Game> result;
    if (!d->schemaReady)
        return result;
    QString sql = QStringLiteral("SELECT id, finished, name, first_number, count, radius, "
                                 "elapsed_ms, hits, clicks, line FROM games");
    QStringList where;
    if (filter.name)
        where.append(QStringLiteral("name = ?"));
    if (filter.count)
        where.append(QStringLiteral("count = ?"));
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY id");
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    q.prepare(sql);
    if (filter.name)
        q.addBindValue(*filter.name);
    if (filter.count)
        q.addBindValue(*filter.count);
    if (!q.exec())
        return result;
    while (q.next()) {
        Game g;
        g.id = q.value(0).toLongLong();
        g.finished = QDateTime::fromString(q.value(1).toString(), Qt::ISODate);
        g.name = q.value(2).toString();
        g.firstNumber = q.value(3).toInt();
        g.count = q.value(4).toInt();
        g.radius = q.value(5).toInt();
        g.elapsedMs = q.value(6).toLongLong();
        g.hits = q.value(7).toInt();
        g.clicks = q.value(8).toInt();
        g.line = q.value(9).toString();
        result.append(g);
    }
    return result;
}

bool Store::remove(const QList<qint64>& ids) {
    if (d->state != State::Ready || !d->schemaReady || ids.isEmpty())
        return false;
    QStringList list;
    for (qint64 id : ids)
        list.append(QString::number(id));
    QSqlQuery q(d->db);
    return q.exec(QStringLiteral("DELETE FROM games WHERE id IN (%1)").arg(list.join(u','))) &&
           q.numRowsAffected() > 0;
}

// Not yet kept: the clicks arrive with schema version 2.
std::optional<GameDetail> Store::detail(qint64 id) const {
    for (const Game& g : games({}))
        if (g.id == id)
            return GameDetail{g, GameDetail::Clicks::None};
    return std::nullopt;
}

bool Store::forEachClick(
    const Filter&, const std::function<bool(const Game&, const engine::ClickRecord&)>&) const {
    return true;
}

qint64 Store::clickCount(const Filter&) const {
    return 0;
}

} // namespace history
