// SPDX-License-Identifier: GPL-3.0-or-later

#include "historyfile.h"

#include "history/boardpack.h"
#include "history/store.h"
#include "results/gametext.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

#include <random>

using namespace Qt::Literals::StringLiterals;

namespace bench {

namespace {

// count == 0: every count, no clicks; otherwise every game of `count` numbers
// with its clicks.
void generate(const QString& path, int games, int count) {
    { history::Store made(path); } // the tables, their indexes and version
    const QString connection = QStringLiteral("bench-generate");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO games (finished, name, first_number, count, radius, "
                                 "elapsed_ms, hits, clicks, line) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                                 "?)"));
        QSqlQuery c(db);
        c.prepare(QStringLiteral("INSERT INTO clicks VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery b(db);
        b.prepare(QStringLiteral("INSERT INTO boards VALUES (?, ?, ?, ?, ?)"));
        const QStringList players{u"無名"_s,  u"花子"_s, u"太郎"_s,   u"Ann, B."_s,
                                  u"\"Q\""_s, u"次郎"_s, u"さくら"_s, u"Lee"_s};
        const int radii[] = {350, 500, 700};
        std::mt19937 random(2026);
        QDateTime when(QDate(2025, 1, 1), QTime(9, 0), QTimeZone(9 * 3600));
        for (int i = 0; i < games; ++i) {
            const int n = count ? count : 10 * (1 + int(random() % 5));
            const int misses = int(random() % 6);
            const qint64 ms = n * (900 + qint64(random() % 900));
            when = when.addSecs(600 + random() % 20000);
            results::GameFigures g{n, n, n + misses, int(ms / 1000)};
            const QString name = players[int(random() % players.size())];
            q.addBindValue(when.toString(Qt::ISODate));
            q.addBindValue(name);
            q.addBindValue(count ? 20 : 10 * int(random() % 9));
            q.addBindValue(n);
            q.addBindValue(radii[random() % 3]);
            q.addBindValue(ms);
            q.addBindValue(n);
            q.addBindValue(n + misses);
            q.addBindValue(results::resultsLine(i % 50 + 1, name, g));
            q.exec();
            if (!count)
                continue;
            const QVariant id = q.lastInsertId();
            for (const engine::ClickRecord& k : generatedGame(n, misses, unsigned(i)).clickLog) {
                for (const QVariant& v :
                     {id, QVariant(k.seq), QVariant(qint64(k.tMs)), QVariant(k.x), QVariant(k.y),
                      QVariant(k.due), QVariant(k.dueX), QVariant(k.dueY), QVariant(k.distance),
                      QVariant(engine::outcomeName(k.outcome)),
                      k.touched < 0 ? QVariant() : QVariant(k.touched)})
                    c.addBindValue(v);
                c.exec();
                for (const QVariant& v :
                     {id, QVariant(k.seq), QVariant(k.boardWidth), QVariant(k.boardHeight),
                      QVariant(history::packPositions(k.positions))})
                    b.addBindValue(v);
                b.exec();
            }
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace

void writeGeneratedHistory(const QString& path, int games) {
    generate(path, games, 0);
}

void writeGeneratedHistoryWithClicks(const QString& path, int games, int count) {
    generate(path, games, count);
}

history::Game generatedGame(int count, int misses, unsigned seed) {
    std::mt19937 random(seed);
    history::Game g;
    g.finished = QDateTime::currentDateTime();
    g.name = QStringLiteral("花子");
    g.firstNumber = 20;
    g.count = count;
    g.radius = 500;
    g.hits = count;
    g.clicks = count + misses;
    const auto place = [&] {
        return QPoint(int(random() % 12000), int(random() % 8000));
    };
    qint64 t = 0;
    int due = 20;
    for (int seq = 1; seq <= g.clicks; ++seq) {
        engine::ClickRecord k;
        k.seq = seq;
        k.tMs = t += 300 + random() % 1500;
        for (int i = 0; i < count; ++i)
            k.positions.append(place());
        k.boardWidth = 12000;
        k.boardHeight = 8000;
        k.due = due;
        const QPoint centre = k.positions[due - 20];
        k.dueX = centre.x();
        k.dueY = centre.y();
        // The misses come first, one of each kind in turn, then every hit.
        const bool hit = seq > misses;
        const QPoint at = hit ? centre + QPoint(int(random() % 200), int(random() % 200)) : place();
        k.x = at.x();
        k.y = at.y();
        k.distance = int(std::hypot(k.x - k.dueX, k.y - k.dueY) + 0.5);
        k.outcome = hit ? engine::ClickOutcome::Hit : engine::ClickOutcome(1 + seq % 3);
        if (k.outcome == engine::ClickOutcome::Early || k.outcome == engine::ClickOutcome::Again)
            k.touched = 20 + int(random() % count);
        due += hit;
        g.clickLog.append(std::move(k));
    }
    g.elapsedMs = t;
    g.line = QStringLiteral("1,(花子),‥,%1 個").arg(count);
    return g;
}

} // namespace bench
