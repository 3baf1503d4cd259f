// SPDX-License-Identifier: GPL-3.0-or-later

// The history window on a file of 10 000 generated games of eight players:
// from 記録 to the window drawn, and from a change of filter to the window
// drawn again.

#include "historybench.h"

#include "historyfile.h"

#include "history/historywindow.h"
#include "support/board.h"

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
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

} // namespace

void benchHistoryWindow() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("junban/history.sqlite"));
    const int games = 10'000;
    bench::writeGeneratedHistoryWithClicks(path, games, 30);

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
        auto* countBox = w.findChild<QComboBox*>(QStringLiteral("countBox"));
        auto* playerBox = w.findChild<QComboBox*>(QStringLiteral("playerBox"));
        countBox->setCurrentIndex(0);
        for (int change = 0; change < 6; ++change) {
            const bool everyone = change % 2 == 0;
            const Stopwatch filter;
            playerBox->setCurrentIndex(everyone ? 0 : playerBox->findText(QStringLiteral("花子")));
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
