// SPDX-License-Identifier: GPL-3.0-or-later

// The history window on a file of 10 000 generated games: from 記録 to the
// window drawn, and from a change of filter to the window drawn again.

#include "historybench.h"

#include "history/historywindow.h"
#include "history/store.h"
#include "support/board.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Wall time and the process's processor time, which a busy machine does not
// inflate.
struct Stopwatch {
    Clock::time_point wall = Clock::now();
    std::clock_t cpu = std::clock();
};

void lap(const Stopwatch& s, std::vector<double>& wall, std::vector<double>& cpu) {
    wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - s.wall).count());
    cpu.push_back(1000.0 * static_cast<double>(std::clock() - s.cpu) / CLOCKS_PER_SEC);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// `games` games of three players over every count and radius, a few minutes
// apart, with times and misses that vary as a player's would. The store
// writes the first (and with it the schema); the rest go in one transaction,
// which is many times faster than a transaction per game.
void generate(const QString& path, int games) {
    std::mt19937 random(7);
    const QString names[] = {QStringLiteral("無名"), QStringLiteral("花子"),
                             QStringLiteral("Taro")};
    const QDateTime first(QDate(2025, 1, 1), QTime(9, 0), QTimeZone(9 * 3600));
    const auto make = [&](int i) {
        history::Game g;
        g.finished = first.addSecs(i * 300);
        g.name = names[random() % 3];
        g.count = 10 * static_cast<int>(1 + random() % 5);
        g.firstNumber = 10 * static_cast<int>(random() % 9);
        g.radius = std::array{350, 500, 700}[random() % 3];
        g.elapsedMs = g.count * (900 + static_cast<int>(random() % 1200));
        g.hits = g.count;
        g.clicks = g.count + static_cast<int>(random() % 6);
        g.line = QStringLiteral("(generated)");
        return g;
    };
    history::Store(path).record(make(0));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("gen"));
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral(
            "INSERT INTO games (finished, name, first_number, count, radius, elapsed_ms, hits, "
            "clicks, line) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 1; i < games; ++i) {
            const history::Game g = make(i);
            for (const QVariant& v :
                 {QVariant(g.finished.toString(Qt::ISODate)), QVariant(g.name),
                  QVariant(g.firstNumber), QVariant(g.count), QVariant(g.radius),
                  QVariant(g.elapsedMs), QVariant(g.hits), QVariant(g.clicks), QVariant(g.line)})
                insert.addBindValue(v);
            insert.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("gen"));
}

} // namespace

void benchHistoryWindow() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("junban/history.sqlite"));
    const int games = 10'000;
    generate(path, games);

    std::vector<double> opens, all, one, opensCpu, allCpu, oneCpu;
    for (int run = 0; run < 7; ++run) {
        testing::TestBoard t(true, path);
        t->txt1.setText(QStringLiteral("花子"));
        QCoreApplication::processEvents();
        const Stopwatch open;
        t->showHistory();
        history::HistoryWindow& w = *t->historyWindow();
        w.grab();
        lap(open, opens, opensCpu);

        // One change of one filter at a time: the count of 花子's games, then
        // every player, then back to 花子.
        w.countBox->setCurrentIndex(0);
        for (int change = 0; change < 6; ++change) {
            const bool everyone = change % 2 == 0;
            const Stopwatch filter;
            w.playerBox->setCurrentIndex(everyone ? 0
                                                  : w.playerBox->findText(QStringLiteral("花子")));
            w.grab();
            lap(filter, everyone ? all : one, everyone ? allCpu : oneCpu);
        }
    }
    const auto print = [games](const char* what, const std::vector<double>& wall,
                               const std::vector<double>& cpu) {
        std::printf("history window, %d games: %s: median %.1f ms (processor %.1f ms)\n", games,
                    what, median(wall), median(cpu));
    };
    print("記録 to drawn", opens, opensCpu);
    print("filter to every game, drawn", all, allCpu);
    print("filter to one player's games, drawn", one, oneCpu);
}
