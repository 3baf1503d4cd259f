// SPDX-License-Identifier: GPL-3.0-or-later

// The store's queries and writes; every one goes through Private::ready(),
// which opens and prepares the file (storefile.cpp) until that succeeds.

#include "history/boardpack.h"
#include "history/storeprivate.h"
#include "history/unsaved.h"

#include <QAtomicInteger>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

using namespace Qt::Literals::StringLiterals;

namespace history {

namespace {

// How long a write waits for another running copy before the row is kept back.
QAtomicInteger<int> busyTimeoutMs = 5000;

const QString GameColumns = QStringLiteral("g.id, g.finished, g.name, g.first_number, g.count, "
                                           "g.radius, g.elapsed_ms, g.hits, g.clicks, g.line");
const QString ClickColumns = QStringLiteral("c.seq, c.t_ms, c.x, c.y, c.due, c.due_x, c.due_y, "
                                            "c.distance, c.outcome, c.touched, b.width, b.height");
const QString ClicksAndBoards =
    QStringLiteral(" JOIN clicks c ON c.game_id = g.id"
                   " LEFT JOIN boards b ON b.game_id = c.game_id AND b.seq = c.seq");

Game gameAt(const QSqlQuery& q) {
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
    return g;
}

engine::ClickOutcome outcomeOf(const QString& name) {
    using engine::ClickOutcome;
    for (ClickOutcome o : {ClickOutcome::Hit, ClickOutcome::Early, ClickOutcome::Again})
        if (engine::outcomeName(o) == name)
            return o;
    return ClickOutcome::Empty;
}

// The click of the row from column `at` on, in the order of ClickColumns.
engine::ClickRecord clickAt(const QSqlQuery& q, int at) {
    engine::ClickRecord k;
    k.seq = q.value(at).toInt();
    k.tMs = q.value(at + 1).toLongLong();
    k.x = q.value(at + 2).toInt();
    k.y = q.value(at + 3).toInt();
    k.due = q.value(at + 4).toInt();
    k.dueX = q.value(at + 5).toInt();
    k.dueY = q.value(at + 6).toInt();
    k.distance = q.value(at + 7).toInt();
    k.outcome = outcomeOf(q.value(at + 8).toString());
    k.touched = q.value(at + 9).isNull() ? -1 : q.value(at + 9).toInt();
    k.boardWidth = q.value(at + 10).toInt();
    k.boardHeight = q.value(at + 11).toInt();
    return k;
}

// " WHERE ..." for the filter, with its values bound in order by `bind`.
QString where(const Filter& filter, const QString& table = {}) {
    QStringList terms;
    if (filter.name)
        terms.append(table + QStringLiteral("name = ?"));
    if (filter.count)
        terms.append(table + QStringLiteral("count = ?"));
    return terms.isEmpty() ? QString()
                           : QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" AND "));
}

void bind(QSqlQuery& q, const Filter& filter) {
    if (filter.name)
        q.addBindValue(*filter.name);
    if (filter.count)
        q.addBindValue(*filter.count);
}

} // namespace

int busyTimeout() {
    return busyTimeoutMs.loadRelaxed();
}

bool Store::Private::insert(const Game& game, QSqlError* error) {
    QSqlQuery q(db);
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
    if (!q.exec()) {
        *error = q.lastError();
        return false;
    }
    if (game.clickLog.isEmpty() || !exec(QStringLiteral("SAVEPOINT clicks")))
        return true;
    if (!insertClicks(q.lastInsertId(), game))
        exec(QStringLiteral("ROLLBACK TO clicks"));
    exec(QStringLiteral("RELEASE clicks"));
    return true;
}

bool Store::Private::insertClicks(const QVariant& gameId, const Game& game) {
    using engine::ClickOutcome;
    QSqlQuery c(db);
    QSqlQuery b(db);
    c.prepare(
        QStringLiteral("INSERT INTO clicks (game_id, seq, t_ms, x, y, due, due_x, due_y, "
                       "distance, outcome, touched) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    b.prepare(QStringLiteral(
        "INSERT INTO boards (game_id, seq, width, height, positions) VALUES (?, ?, ?, ?, ?)"));
    for (const engine::ClickRecord& k : game.clickLog) {
        const bool touches = k.outcome == ClickOutcome::Early || k.outcome == ClickOutcome::Again;
        for (const QVariant& v :
             {gameId, QVariant(k.seq), QVariant(qint64(k.tMs)), QVariant(k.x), QVariant(k.y),
              QVariant(k.due), QVariant(k.dueX), QVariant(k.dueY), QVariant(k.distance),
              QVariant(engine::outcomeName(k.outcome)),
              touches && k.touched >= 0 ? QVariant(k.touched) : QVariant()})
            c.addBindValue(v);
        if (!c.exec())
            return false;
        if (k.positions.isEmpty())
            continue; // no board kept for this click
        for (const QVariant& v : {gameId, QVariant(k.seq), QVariant(k.boardWidth),
                                  QVariant(k.boardHeight), QVariant(packPositions(k.positions))})
            b.addBindValue(v);
        if (!b.exec())
            return false;
    }
    return true;
}

Store::Store(const QString& path) : d(std::make_unique<Private>()) {
    static QAtomicInteger<int> stores;
    d->path = path;
    d->connection = QStringLiteral("junban-history-%1").arg(stores.fetchAndAddRelaxed(1));
    d->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connection);
    d->ready();
}

Store::~Store() {
    d->db.close();
    d->db = QSqlDatabase();
    QSqlDatabase::removeDatabase(d->connection);
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

QString Store::notice() const {
    return d->notice;
}

bool Store::record(const Game& game, QString* why) {
    const bool written = [&] {
        if (d->state == State::ReadOnly) {
            d->failure = d->notice;
            return false;
        }
        if (!d->ready(true))
            return false;
        QSqlError error;
        if (!d->exec(QStringLiteral("BEGIN IMMEDIATE"), &error))
            return d->failed(error);
        if (d->insert(game, &error) && d->exec(QStringLiteral("COMMIT"), &error))
            return true;
        d->exec(QStringLiteral("ROLLBACK"));
        return d->failed(error);
    }();
    if (!written && why)
        *why = d->failure;
    return written;
}

QStringList Store::names() const {
    QStringList result;
    if (!d->ready())
        return result;
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT DISTINCT name FROM games ORDER BY name"));
    while (q.next())
        result.append(q.value(0).toString());
    return result;
}

std::optional<int> Store::lastCount() const {
    if (!d->ready())
        return std::nullopt;
    QSqlQuery q(d->db);
    if (q.exec(QStringLiteral("SELECT count FROM games ORDER BY id DESC LIMIT 1")) && q.next())
        return q.value(0).toInt();
    return std::nullopt;
}

QList<Game> Store::games(const Filter& filter) const {
    QList<Game> result;
    if (!d->ready())
        return result;
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM games g").arg(GameColumns) + where(filter, u"g."_s) +
              QStringLiteral(" ORDER BY id"));
    bind(q, filter);
    if (!q.exec())
        return result;
    while (q.next())
        result.append(gameAt(q));
    return result;
}

bool Store::remove(const QList<qint64>& ids) {
    if (!d->ready() || d->state != State::Ready || ids.isEmpty())
        return false;
    QStringList list;
    for (qint64 id : ids)
        list.append(QString::number(id));
    QSqlQuery q(d->db);
    if (!q.exec(QStringLiteral("DELETE FROM games WHERE id IN (%1)").arg(list.join(u','))))
        return d->failed(q.lastError());
    return q.numRowsAffected() > 0;
}

std::optional<GameDetail> Store::detail(qint64 id) const {
    if (!d->ready())
        return std::nullopt;
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM games g WHERE g.id = ?").arg(GameColumns));
    q.addBindValue(id);
    if (!q.exec() || !q.next())
        return std::nullopt;
    GameDetail detail{gameAt(q), GameDetail::Clicks::None};
    QList<engine::ClickRecord>& clicks = detail.game.clickLog;
    q.prepare(QStringLiteral("SELECT %1, b.positions FROM games g").arg(ClickColumns) +
              ClicksAndBoards + QStringLiteral(" WHERE g.id = ? ORDER BY c.seq"));
    q.addBindValue(id);
    bool boards = true; // every click has a board that fits the game
    if (q.exec())
        while (q.next()) {
            clicks.append(clickAt(q, 0));
            std::optional<QList<QPoint>> p =
                unpackPositions(q.value(12).toByteArray(), detail.game.count);
            if (p)
                clicks.last().positions = std::move(*p);
            boards = boards && p;
        }
    if (!clicks.isEmpty())
        detail.kept = boards ? GameDetail::Clicks::Whole : GameDetail::Clicks::NoBoards;
    for (engine::ClickRecord& k : clicks)
        if (!boards)
            k.positions.clear();
    return detail;
}

bool Store::forEachClick(
    const Filter& filter,
    const std::function<bool(const Game&, const engine::ClickRecord&)>& each) const {
    if (!d->ready())
        return false;
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1, %2 FROM games g").arg(GameColumns, ClickColumns) +
              ClicksAndBoards + where(filter, u"g."_s) +
              QStringLiteral(" ORDER BY g.id DESC, c.seq"));
    bind(q, filter);
    if (!q.exec())
        return false;
    Game game;
    while (q.next()) {
        if (q.value(0).toLongLong() != game.id)
            game = gameAt(q);
        if (!each(game, clickAt(q, 10)))
            return false;
    }
    return q.lastError().type() == QSqlError::NoError;
}

qint64 Store::clickCount(const Filter& filter) const {
    if (!d->ready())
        return 0;
    QSqlQuery q(d->db);
    q.prepare(QStringLiteral("SELECT count(*) FROM games g JOIN clicks c ON c.game_id = g.id") +
              where(filter, u"g."_s));
    bind(q, filter);
    return q.exec() && q.next() ? q.value(0).toLongLong() : 0;
}

} // namespace history
