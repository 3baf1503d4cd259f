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

    const QString clicks = data.filePath(QStringLiteral("clicks.csv"));
    qint64 rows = 0;
    const double generated = medianMs(3, [&] {
        rows = history::writeClickCsv(clicks, generatedClicks(games), qint64(games) * 32,
                                      [](qint64, qint64) { return true; })
                   .clicks;
    });
    std::printf("history: click export of %d games of 30 numbers, %lld rows made in memory, "
                "with the sidecar: median %.0f ms\n",
                games, static_cast<long long>(rows), generated);
    const history::Filter every;
    const double kept = medianMs(3, [&] {
        rows = history::writeClickCsv(
                   clicks,
                   [&](const history::ClickSink& each) { return store.forEachClick(every, each); },
                   store.clickCount(every), [](qint64, qint64) { return true; })
                   .clicks;
    });
    std::printf("history: click export of every game in the file (%lld rows read from the "
                "store): median %.0f ms\n",
                static_cast<long long>(rows), kept);
    return 0;
}
