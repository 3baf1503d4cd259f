#include "engine/gameplay.h"
#include "engine/placement.h"
#include "support/testmain.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cstdlib>

using namespace gameplay;
using testing::TestBoard;

namespace {

using Positions = std::array<int, 101>;

int chebyshev(int x1, int y1, int x2, int y2) {
    return std::max(std::abs(x1 - x2), std::abs(y1 - y2));
}

// Two draws that land a candidate at (x, y) for the pure pass.
void queue(testing::FakeRandom& r, double w, double h, int x, int y) {
    r.queued.push_back((x - 750.0) / (w - 1500.0));
    r.queued.push_back((y - 750.0) / (h - 1500.0));
}

} // namespace

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void everyPassKeepsTheMarginsAndTheGapWithoutReachingTheBound_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("minimum window, 10 numbers") << 11000.0 << 6000.0 << 20 << 29;
        QTest::newRow("minimum window, 50 numbers") << 11000.0 << 6000.0 << 0 << 49;
        QTest::newRow("minimum window, 50 to 99") << 11000.0 << 6000.0 << 50 << 99;
        QTest::newRow("3840 x 2160 pixels, 50 numbers") << 57600.0 << 32400.0 << 0 << 49;
    }
    void everyPassKeepsTheMarginsAndTheGapWithoutReachingTheBound() {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(int, first);
        QFETCH(int, last);
        testing::FakeRandom random(2024);
        Positions x{}, y{};
        for (int pass = 0; pass < 2000; ++pass) {
            const int cx = 750 + int(random.rnd() * (width - 1500));
            const int cy = 750 + int(random.rnd() * (height - 1500));
            const engine::PlacementStats stats =
                engine::placementPass(x, y, first, last, width, height, cx, cy, random);
            QCOMPARE(stats.boundReached, 0);
            for (int i = first; i <= last; ++i) {
                QVERIFY(x[i] >= 750 && x[i] <= width - 750);
                QVERIFY(y[i] >= 750 && y[i] <= height - 750);
                QVERIFY2(chebyshev(x[i], y[i], cx, cy) >= 500, "a centre under the click point");
                for (int j = first; j < i; ++j)
                    QVERIFY2(chebyshev(x[i], y[i], x[j], y[j]) >= 500, "two centres too close");
            }
        }
    }

    void entriesOutsideTheRangeKeepTheirOldValues() {
        testing::FakeRandom random;
        Positions x, y;
        x.fill(4321);
        y.fill(1234);
        engine::placementPass(x, y, 30, 39, 11000, 6000, 1000, 1000, random);
        for (int i = 0; i < 101; ++i) {
            const bool inRange = i >= 30 && i <= 39;
            QCOMPARE(x[i] != 4321 || y[i] != 1234, inRange);
        }
    }

    // Only this pass and the click point are tested: a stale entry of an
    // earlier game under the candidate does not reject it, the click point
    // does, also for the first number of the pass.
    void onlyThisPassAndTheClickPointRejectACandidate_data() {
        QTest::addColumn<int>("first");
        QTest::newRow("first number 0") << 0;
        QTest::newRow("first number 30") << 30;
    }
    void onlyThisPassAndTheClickPointRejectACandidate() {
        QFETCH(int, first);
        testing::FakeRandom random;
        Positions x, y;
        x.fill(5000);
        y.fill(3000);
        queue(random, 11000, 6000, 2200, 2300); // 200 / 300 from the click: rejected
        queue(random, 11000, 6000, 2000, 2600); // 600 below it: accepted
        queue(random, 11000, 6000, 5000, 3000); // on the stale entries: accepted
        const engine::PlacementStats stats =
            engine::placementPass(x, y, first, first + 1, 11000, 6000, 2000, 2000, random);
        QCOMPARE(stats.draws, 3);
        QCOMPARE(x[first], 2000);
        QCOMPARE(y[first], 2600);
        QCOMPARE(x[first + 1], 5000);
        QCOMPARE(y[first + 1], 3000);
    }

    // Past the bound the number takes the candidate farthest from its
    // nearest tested point, measured as the larger of |dx| and |dy|.
    void pastTheBoundTheFarthestCandidateIsTaken() {
        testing::FakeRandom random;
        Positions x{}, y{};
        queue(random, 11000, 6000, 2000, 2000); // number 0, accepted
        queue(random, 11000, 6000, 2100, 2100); // 100
        queue(random, 11000, 6000, 2350, 2350); // 350 (495 in a straight line)
        queue(random, 11000, 6000, 2400, 2000); // 400: the best
        queue(random, 11000, 6000, 2300, 2300); // 300
        const engine::PlacementStats stats =
            engine::placementPass(x, y, 0, 1, 11000, 6000, 9000, 5000, random, 4);
        QCOMPARE(stats.boundReached, 1);
        QCOMPARE(stats.draws, 5);
        QCOMPARE(x[1], 2400);
        QCOMPARE(y[1], 2000);
    }

    void aWindowTooSmallForFiftyNumbersStillEndsThePass() {
        testing::FakeRandom random;
        Positions x{}, y{};
        const engine::PlacementStats stats =
            engine::placementPass(x, y, 0, 49, 3000, 3000, 1500, 1500, random);
        QVERIFY(stats.boundReached > 0);
        QVERIFY(stats.draws <= 50LL * engine::MaxDrawsPerNumber);
        QCOMPARE(random.draws, 2 * stats.draws);
        for (int i = 0; i <= 49; ++i)
            QVERIFY(x[i] >= 750 && x[i] <= 2250 && y[i] >= 750 && y[i] <= 2250);
    }

    // On the board: after the start click every number of the range is
    // drawn with its text left of and above its centre and its circle.
    void everyNumberIsDrawnAroundItsCentre_data() {
        QTest::addColumn<int>("startOption");
        QTest::addColumn<int>("countOption");
        QTest::newRow("0 to 9") << 0 << 9;
        QTest::newRow("10 to 19") << 1 << 9;
        QTest::newRow("50 to 99") << 5 << 13;
    }
    void everyNumberIsDrawnAroundItsCentre() {
        QFETCH(int, startOption);
        QFETCH(int, countOption);
        TestBoard t;
        prepare(t);
        t->opt1[startOption].setValue(true);
        t->opt1[countOption].setValue(true);
        clickStart(t);
        const int first = 10 * startOption, last = first + 10 * (countOption - 9) + 9;
        const std::vector<DrawItem>& items = t->board().items();
        QCOMPARE(int(items.size()), 2 * (last - first + 1));
        for (int i = first; i <= last; ++i) {
            const DrawItem& text = items[2 * (i - first)];
            const DrawItem& circle = items[2 * (i - first) + 1];
            QCOMPARE(text.text, QStringLiteral(" %1 ").arg(i));
            QCOMPARE(text.x1, t->posX[i] - (i < 10 ? 250.0 : 380.0));
            QCOMPARE(text.y1, t->posY[i] - 240.0);
            QCOMPARE(text.font.size, 24.0);
            QCOMPARE(text.colour, Blue);
            QCOMPARE(circle.kind, DrawItem::Kind::Ellipse);
            QCOMPARE(circle.x1, double(t->posX[i]));
            QCOMPARE(circle.y1, double(t->posY[i]));
            QCOMPARE(circle.x2, 330.0);
            QCOMPARE(circle.y2, 330.0);
            QCOMPARE(circle.width, 1);
            QCOMPARE(circle.colour, Blue);
            QVERIFY(t->posX[i] <= t->form().outerWidth() - 750);
        }
        QCOMPARE(t->posX[first > 0 ? first - 1 : last + 1], 0);
    }
};

JUNBAN_TEST_MAIN(PlacementTest)
#include "tst_placement.moc"
