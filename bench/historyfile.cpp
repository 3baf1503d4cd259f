// SPDX-License-Identifier: GPL-3.0-or-later

#include "historyfile.h"

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

void writeGeneratedHistory(const QString& path, int games) {
    { history::Store made(path); } // the table, its indexes and version
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
        const QStringList players{u"無名"_s,  u"花子"_s, u"太郎"_s,   u"Ann, B."_s,
                                  u"\"Q\""_s, u"次郎"_s, u"さくら"_s, u"Lee"_s};
        const int radii[] = {350, 500, 700};
        std::mt19937 random(2026);
        QDateTime when(QDate(2025, 1, 1), QTime(9, 0), QTimeZone(9 * 3600));
        for (int i = 0; i < games; ++i) {
            const int count = 10 * (1 + int(random() % 5));
            const int misses = int(random() % 6);
            const qint64 ms = count * (900 + qint64(random() % 900));
            when = when.addSecs(600 + random() % 20000);
            results::GameFigures g{count, count, count + misses, int(ms / 1000)};
            const QString name = players[int(random() % players.size())];
            q.addBindValue(when.toString(Qt::ISODate));
            q.addBindValue(name);
            q.addBindValue(10 * int(random() % 9));
            q.addBindValue(count);
            q.addBindValue(radii[random() % 3]);
            q.addBindValue(ms);
            q.addBindValue(count);
            q.addBindValue(count + misses);
            q.addBindValue(results::resultsLine(i % 50 + 1, name, g));
            q.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace bench
