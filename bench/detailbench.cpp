// SPDX-License-Identifier: GPL-3.0-or-later

// The detail window of a game of 30 numbers with 40 clicks (ten misses of
// every class), read beside a generated history of 10 000 games: from the
// game chosen to the window drawn, and from one step of the replay to its
// view repainted.

#include "detailbench.h"

#include "historyfile.h"

#include "history/detailwindow.h"
#include "history/replayview.h"
#include "history/store.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// 30 numbers from 10 on a board of 28 800 × 15 000 twips (1920 × 1000 pixels),
// every number at a new place at every click; a miss every fourth click.
history::GameDetail benchGame(const history::Game& kept) {
    QRandomGenerator random(21);
    history::GameDetail d;
    d.kept = history::GameDetail::Clicks::Whole;
    d.game = kept;
    d.game.firstNumber = 10;
    d.game.count = 30;
    d.game.radius = 500;
    d.game.clicks = 40;
    d.game.hits = 30;
    qint64 t = 0;
    int due = 10;
    for (int seq = 1; seq <= 40; ++seq) {
        engine::ClickRecord r;
        r.seq = seq;
        r.tMs = t += 300 + random.bounded(1500);
        r.boardWidth = 28800;
        r.boardHeight = 15000;
        for (int n = 0; n < 30; ++n)
            r.positions << QPoint(750 + random.bounded(27300), 750 + random.bounded(13500));
        r.due = due;
        r.dueX = r.positions[due - 10].x();
        r.dueY = r.positions[due - 10].y();
        const int miss = seq % 4 == 0 ? seq / 4 % 3 + 1 : 0;
        r.outcome = engine::ClickOutcome(miss);
        r.touched = miss == 1 ? 39 : miss == 2 && due > 10 ? 10 : -1;
        const QPoint at = miss == 0 ? QPoint(r.dueX, r.dueY) : QPoint(100, 100);
        r.x = at.x() + 40;
        r.y = at.y() - 30;
        due += miss == 0;
        d.game.clickLog << r;
    }
    return d;
}

} // namespace

void benchDetailWindow() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("junban/history.sqlite"));
    bench::writeGeneratedHistoryWithClicks(path, 10'000, 30);
    history::Store store(path);
    const QList<history::Game> games = store.games({});
    const qint64 id = games[games.size() / 2].id;

    std::vector<double> reads, opens, reopens, steps;
    bool fromFile = false;
    for (int run = 0; run < 7; ++run) {
        const Clock::time_point start = Clock::now();
        std::optional<history::GameDetail> d = store.detail(id);
        reads.push_back(msSince(start));
        // Until the generated file keeps clicks, the game's clicks are made here.
        fromFile = d && d->kept == history::GameDetail::Clicks::Whole;
        history::DetailWindow w;
        w.resize(1920, 1000);
        w.open(fromFile ? *d : benchGame(d->game));
        w.grab();
        opens.push_back(msSince(start));

        const Clock::time_point again = Clock::now();
        w.open(fromFile ? *store.detail(id) : benchGame(store.detail(id)->game));
        w.grab();
        reopens.push_back(msSince(again));

        QCoreApplication::processEvents();
        for (int i = 0; i < 80; ++i) {
            const Clock::time_point step = Clock::now();
            w.setStep(i % 40 == 0 ? 0 : w.step() + 1);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            steps.push_back(msSince(step));
        }
    }
    const char* source = fromFile ? "clicks read from the file" : "clicks made in memory";
    std::printf("detail window, 30 numbers, 40 clicks (%s), 10 000 games in the file: game to "
                "drawn median %.1f ms (of which the store's read %.1f ms), in the open window "
                "%.1f ms; one replay step redrawn at 1920 x 1000 median %.2f ms, worst %.2f ms\n",
                source, median(opens), median(reads), median(reopens), median(steps),
                *std::max_element(steps.begin(), steps.end()));
}

int showDetailWindow() {
    history::DetailWindow w;
    history::Game g;
    g.finished = QDateTime(QDate(2026, 12, 7), QTime(18, 3, 12));
    g.name = QStringLiteral("花子");
    g.elapsedMs = 36'000;
    const history::GameDetail d = benchGame(g);
    w.open(d);
    w.setStep(3);
    w.showMaximized();
    return QApplication::exec();
}
