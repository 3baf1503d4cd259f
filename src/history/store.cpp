// SPDX-License-Identifier: GPL-3.0-or-later

// The store's queries and writes; every one goes through Private::ready(),
// which opens and prepares the file (storefile.cpp) until that succeeds.

#include "history/storeprivate.h"
#include "history/unsaved.h"

#include <QAtomicInteger>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace history {

namespace {

// How long a write waits for another running copy before the row is kept back.
QAtomicInteger<int> busyTimeoutMs = 5000;

const QString GameColumns = QStringLiteral("id, finished, name, first_number, count, radius, "
                                           "elapsed_ms, hits, clicks, line");

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
    if (q.exec())
        return true;
    *error = q.lastError();
    return false;
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
    q.prepare(QStringLiteral("SELECT %1 FROM games").arg(GameColumns) + where(filter) +
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
