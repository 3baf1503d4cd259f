// SPDX-License-Identifier: GPL-3.0-or-later

// Timings of the history with 10 000 games in the file, printed one figure a
// line (make bench). The file lives in a temporary data folder: never the
// player's own.

#include "history/clickcsv.h"
#include "history/csv.h"
#include "history/recorder.h"
#include "history/store.h"
#include "historyfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The median of `runs` runs of `work`, in milliseconds.
double medianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

history::Game oneGame() {
    history::Game g;
    g.finished = QDateTime::currentDateTime();
    g.name = QStringLiteral("花子");
    g.firstNumber = 20;
    g.count = 30;
    g.radius = 500;
    g.elapsedMs = 41234;
    g.hits = 30;
    g.clicks = 33;
    g.line = QStringLiteral("1,(花子),‥,30 個,／,41 秒,‥,正解率＝,91 %, (30/33)");
    return g;
}

// Every click of `games` games of 30 numbers with two misses each (32 rows a
// game), made as they are asked for, so that the figure is the writer's own.
history::ClickSource generatedClicks(int games) {
    return [games](const history::ClickSink& each) {
        history::Game g = oneGame();
        engine::ClickRecord c;
        c.boardWidth = 14400;
        c.boardHeight = 9600;
        for (int game = 1; game <= games; ++game) {
            g.id = game;
            for (c.seq = 1; c.seq <= 32; ++c.seq) {
                c.tMs = c.seq * 1234 + game % 300;
                c.x = (c.seq * 977 + game) % 14400;
                c.y = (c.seq * 631 + game) % 9600;
                c.due = 20 + std::min(c.seq - 1, 29);
                c.outcome =
                    c.seq % 16 == 0 ? engine::ClickOutcome::Early : engine::ClickOutcome::Hit;
                c.touched = c.seq % 16 == 0 ? c.due + 1 : -1;
                if (!each(g, c))
                    return false;
            }
        }
        return true;
    };
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    const QString path = data.filePath(QStringLiteral("junban/history.sqlite"));
    const int games = 10000;

    const Clock::time_point made = Clock::now();
    bench::writeGeneratedHistory(path, games);
    std::printf("history: %d generated games written in %.0f ms\n", games,
                std::chrono::duration<double, std::milli>(Clock::now() - made).count());

    history::Store store(path);
    std::printf("history: one game written and committed, %d in the file: median %.3f ms\n", games,
                medianMs(200, [&] { store.record(oneGame()); }));
    {
        history::Recorder recorder(path);
        recorder.record(oneGame()); // the thread and the file opened once
        recorder.flush();
        const double handed = medianMs(200, [&] { recorder.record(oneGame()); });
        recorder.flush();
        std::printf("history: one game handed to the recorder (what the final hit waits): "
                    "median %.4f ms\n",
                    handed);
    }
    QList<history::Game> all;
    const history::Filter filters[] = {
        {QStringLiteral("花子"), 30}, {QStringLiteral("花子"), {}}, {{}, 30}, {{}, {}}};
    const char* names[] = {"one player, one count", "one player, every count",
                           "every player, one count", "every game"};
    for (int i = 0; i < 4; ++i) {
        qsizetype rows = 0;
        const double t = medianMs(21, [&] { rows = store.games(filters[i]).size(); });
        std::printf("history: query of %s (%lld rows): median %.2f ms\n", names[i],
                    static_cast<long long>(rows), t);
    }
    std::printf("history: the names of the players: median %.2f ms\n",
                medianMs(21, [&] { store.names(); }));
    all = store.games({});
    const QString csv = data.filePath(QStringLiteral("games.csv"));
    std::printf("history: export of %lld games to CSV: median %.1f ms\n",
                static_cast<long long>(all.size()),
                medianMs(7, [&] { history::writeCsv(csv, all, nullptr); }));

    // The clicks: what a 50-number game adds to the file, what its final
    // write costs, and one pass over every click of a file of 10 000 games of
    // 30 numbers.
    const QString grown = data.filePath(QStringLiteral("junban/grown.sqlite"));
    const int added = 100;
    { history::Store(grown).record(bench::generatedGame(50, 5, 0)); }
    const qint64 before = QFileInfo(grown).size();
    {
        history::Store s(grown);
        for (int i = 1; i <= added; ++i)
            s.record(bench::generatedGame(50, 5, unsigned(i)));
    } // closed: every page is in the file, none in the journal
    std::printf("history: a 50-number game with its 55 clicks adds %.1f KB to the file "
                "(target <= 20 KB)\n",
                double(QFileInfo(grown).size() - before) / added / 1024);
    const history::Game fifty = bench::generatedGame(50, 0, 7);
    std::printf("history: one game with 50 clicks written and committed, %d in the file: "
                "median %.3f ms\n",
                games, medianMs(51, [&] { store.record(fifty); }));
    const QString clicks = data.filePath(QStringLiteral("junban/clicks.sqlite"));
    const Clock::time_point generated = Clock::now();
    bench::writeGeneratedHistoryWithClicks(clicks, games, 30);
    std::printf("history: %d generated games of 30 numbers with their clicks written in %.0f ms "
                "(%.0f MB)\n",
                games, std::chrono::duration<double, std::milli>(Clock::now() - generated).count(),
                double(QFileInfo(clicks).size()) / (1024 * 1024));
    history::Store withClicks(clicks);
    qint64 seen = 0;
    const double pass = medianMs(3, [&] {
        seen = 0;
        withClicks.forEachClick(
            {}, [&](const history::Game&, const engine::ClickRecord&) { return ++seen > 0; });
    });
    std::printf("history: forEachClick over every click (%lld clicks): median %.0f ms\n",
                static_cast<long long>(seen), pass);
    const QString clickCsv = data.filePath(QStringLiteral("clicks.csv"));
    qint64 rows = 0;
    const double inMemory = medianMs(3, [&] {
        rows = history::writeClickCsv(clickCsv, generatedClicks(games), qint64(games) * 32,
                                      [](qint64, qint64) { return true; })
                   .clicks;
    });
    std::printf("history: click export of %d games of 30 numbers, %lld rows made in memory, "
                "with the sidecar: median %.0f ms\n",
                games, static_cast<long long>(rows), inMemory);
    const history::Filter every;
    const double kept = medianMs(3, [&] {
        rows = history::writeClickCsv(
                   clickCsv,
                   [&](const history::ClickSink& each) {
                       return withClicks.forEachClick(every, each);
                   },
                   withClicks.clickCount(every), [](qint64, qint64) { return true; })
                   .clicks;
    });
    std::printf("history: click export of every game in the file (%lld rows read from the "
                "store): median %.0f ms\n",
                static_cast<long long>(rows), kept);
    return 0;
}
