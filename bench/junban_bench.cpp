// SPDX-License-Identifier: GPL-3.0-or-later

// Timings of the game's hot paths, printed one figure a line. Run through
// `make bench` (offscreen, Release). Every figure is a median over many runs.

#include "application.h"
#include "detailbench.h"
#include "engine/placement.h"
#include "history/recorder.h"
#include "historybench.h"
#include "support/board.h"
#include "ui/twips.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

template <typename T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// A board window on fake services with a range of 10 or 50 numbers starting
// at 0: with widthPx 0 at the smallest outer size the game allows, else with
// that client size in pixels.
void prepare(testing::TestBoard& t, int widthPx, int heightPx, int count) {
    t->form().setWindowStateCode(0);
    if (widthPx == 0) {
        t->form().setOuterWidth(11010); // 11000 rounded up to a whole pixel
        t->form().setOuterHeight(6000);
    } else {
        t->form().resize(widthPx, heightPx);
    }
    QCoreApplication::processEvents();
    t->opt1[0].setValue(true);
    t->opt1[9 + count / 10 - 1].setValue(true);
    t->swthOto = true;
}

// One board mouse-down handled end to end: the press event, the hit test,
// the hit marks and the placement of every number. Every timed click hits
// the number due; a game about to end is stopped and restarted untimed, so
// each timed click includes a full placement pass.
void benchMouseDown(const char* window, int widthPx, int heightPx, int count) {
    testing::TestBoard t;
    prepare(t, widthPx, heightPx, count);
    std::vector<double> times;
    const int runs = 4000;
    for (int i = 0; i < runs + 200; ++i) {
        if (!t->swthT || t->c == t->s2) {
            t->cmdStp_Click();
            t.click(1000, 1000);
        }
        if (i % 100 == 0)
            QCoreApplication::processEvents();
        const Clock::time_point start = Clock::now();
        t.clickDue();
        const Clock::duration took = Clock::now() - start;
        if (i >= 200)
            times.push_back(ms(took));
    }
    std::printf("mouse-down, %d numbers, %s (%.0f x %.0f twips outer): median %.4f ms\n", count,
                window, t->form().outerWidth(), t->form().outerHeight(), median(times));
}

// The hit that ends a game (the summary, the results line, the game handed
// to the history with every click it kept) beside the hits before it,
// minimum window, the history in a temporary folder. `misses` untimed misses
// before the first hit lengthen the list of clicks the final hit hands over.
void benchFinalHit(int count, int games, int misses) {
    QTemporaryDir data;
    testing::TestBoard t(true, data.filePath(QStringLiteral("junban/history.sqlite")));
    prepare(t, 0, 0, count);
    std::vector<double> ordinary, final;
    for (int game = 0; game <= games; ++game) {
        t.clickStart();
        for (int miss = 0; miss < misses; ++miss)
            t.clickMiss();
        for (int hit = 0; hit < count; ++hit) {
            const Clock::time_point start = Clock::now();
            t.clickDue();
            const Clock::duration took = Clock::now() - start;
            if (game > 0) // the first game starts the recorder's thread
                (hit == count - 1 ? final : ordinary).push_back(ms(took));
        }
        QCoreApplication::processEvents();
    }
    t->recorder().flush();
    std::printf("hit, %d numbers, %d misses, every click kept, minimum window: ordinary median "
                "%.4f ms, final (recorded) median %.4f ms, final - ordinary %+.4f ms\n",
                count, misses, median(ordinary), median(final), median(final) - median(ordinary));
}

// One full repaint of a board window of the given client size with 50
// numbers, its circles and a hit mark on it, rendered into an image.
void benchRepaint(int widthPx, int heightPx) {
    testing::TestBoard t;
    prepare(t, widthPx, heightPx, 50);
    t.click(1000, 1000);
    t.clickDue();
    QImage image(t->form().size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> times;
    for (int i = 0; i < 320; ++i) {
        const Clock::time_point start = Clock::now();
        t->form().render(&image);
        const Clock::duration took = Clock::now() - start;
        if (i >= 20)
            times.push_back(ms(took));
    }
    std::printf("full repaint, 50 numbers, %d x %d pixels (%zu drawn items): median %.3f ms\n",
                image.width(), image.height(), t->board().items().size(), median(times));
}

// Sums the pixels of every region the window is asked to paint.
class PaintedPixels final : public QObject {
public:
    long long pixels = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                pixels += static_cast<long long>(r.width()) * r.height();
        return false;
    }
};

// The repaint work of one click on a board of 50 numbers: a miss, alternately
// at two spots low on the board, clears the board and draws the miss word and
// every number with its circle anew; timed is only the repaint that follows,
// Qt painting the region the click damaged into the window's backing store.
void benchClickRepaint(int widthPx, int heightPx) {
    testing::TestBoard t;
    prepare(t, widthPx, heightPx, 50);
    t.click(1000, 1000);
    QCoreApplication::processEvents();
    PaintedPixels painted;
    t->form().installEventFilter(&painted);
    const double width = ui::pixelsToTwips(t->form().width());
    const double low = ui::pixelsToTwips(t->form().height() - 12);
    std::vector<double> times;
    for (int i = 0; i < 520; ++i) {
        t.click(width * (1 + i % 2) / 3, low);
        if (i == 20)
            painted.pixels = 0;
        const Clock::time_point start = Clock::now();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        const Clock::duration took = Clock::now() - start;
        if (i >= 20)
            times.push_back(ms(took));
    }
    std::printf("repaint after one click, 50 numbers, %d x %d pixels (%.0f pixels painted of "
                "%d): median %.3f ms\n",
                widthPx, heightPx, double(painted.pixels) / times.size(), widthPx * heightPx,
                median(times));
}

// Candidates drawn by one placement pass, over many seeded passes with a
// random click point.
void benchDraws(const char* window, double width, double height, int count) {
    testing::FakeRandom random;
    random.engine.seed(7);
    std::array<int, engine::PositionCount> x{}, y{};
    std::vector<std::int64_t> draws;
    int bounded = 0;
    for (int pass = 0; pass < 20000; ++pass) {
        const int cx = 750 + int(random.rnd() * (width - 1500));
        const int cy = 750 + int(random.rnd() * (height - 1500));
        const engine::PlacementStats s = engine::placementPass(
            x, y, 0, count - 1, width, height, cx, cy, [&random] { return random.rnd(); });
        draws.push_back(s.draws);
        bounded += s.boundReached;
    }
    std::printf("candidates drawn per placement pass, %d numbers, %s: median %lld, worst %lld "
                "(%d numbers placed past the bound in %zu passes)\n",
                count, window, static_cast<long long>(median(draws)),
                static_cast<long long>(*std::max_element(draws.begin(), draws.end())), bounded,
                draws.size());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpApplication();
    QStandardPaths::setTestModeEnabled(true);
    if (QCoreApplication::arguments().contains(QStringLiteral("--show-detail")))
        return showDetailWindow();
    if (QCoreApplication::arguments().contains(QStringLiteral("--detail"))) {
        benchDetailWindow(); // this figure alone
        return 0;
    }

    for (const int count : {10, 50}) {
        benchMouseDown("minimum window", 0, 0, count);
        benchMouseDown("3840 x 2160-pixel window", 3840, 2160, count);
    }
    benchFinalHit(10, 300, 0);
    benchFinalHit(50, 200, 10);
    benchRepaint(1920, 1080);
    benchRepaint(3840, 2160);
    benchClickRepaint(1920, 1080);
    benchClickRepaint(3840, 2160);
    for (const int count : {10, 50}) {
        benchDraws("minimum window 11000 x 6000 twips", 11000, 6000, count);
        benchDraws("3840 x 2160-pixel window", 57600, 32400, count);
    }
    benchHistoryWindow();
    benchDetailWindow();
    return 0;
}
