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

} // namespace

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    // Also: entries outside the range are never written.
    void everyPassKeepsTheMarginsAndTheGapWithoutReachingTheBound_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("minimum window, 0 to 49") << 11000.0 << 6000.0 << 0 << 49;
        QTest::newRow("minimum window, 50 to 99") << 11000.0 << 6000.0 << 50 << 99;
        QTest::newRow("3840 x 2160 pixels, 20 to 29") << 57600.0 << 32400.0 << 20 << 29;
    }
    void everyPassKeepsTheMarginsAndTheGapWithoutReachingTheBound() {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(int, first);
        QFETCH(int, last);
        testing::FakeRandom random(2024);
        Positions x, y;
        x.fill(4321);
        y.fill(1234);
        for (int pass = 0; pass < 2000; ++pass) {
            const int cx = 750 + int(random.rnd() * (width - 1500));
            const int cy = 750 + int(random.rnd() * (height - 1500));
            QCOMPARE(engine::placementPass(x, y, first, last, width, height, cx, cy,
                                           [&random] { return random.rnd(); })
                         .boundReached,
                     0);
            for (int i = first; i <= last; ++i) {
                QVERIFY(x[i] >= 750 && x[i] <= width - 750);
                QVERIFY(y[i] >= 750 && y[i] <= height - 750);
                QVERIFY2(chebyshev(x[i], y[i], cx, cy) >= 500, "a centre under the click point");
                for (int j = first; j < i; ++j)
                    QVERIFY2(chebyshev(x[i], y[i], x[j], y[j]) >= 500, "two centres too close");
            }
        }
        for (int i = 0; i < 101; ++i)
            if (i < first || i > last)
                QVERIFY(x[i] == 4321 && y[i] == 1234);
    }

    // A stale entry of an earlier game under the candidate does not reject
    // it; the click point does, also for the first number of the pass.
    void onlyThisPassAndTheClickPointRejectACandidate() {
        for (const int first : {0, 30}) {
            testing::FakeRandom random;
            Positions x, y;
            x.fill(5000);
            y.fill(3000);
            queueCentre(random, 11000, 6000, 2200, 2300); // 200 / 300 from the click: rejected
            queueCentre(random, 11000, 6000, 2000, 2600); // 600 below it: accepted
            queueCentre(random, 11000, 6000, 5000, 3000); // on the stale entries: accepted
            QCOMPARE(engine::placementPass(x, y, first, first + 1, 11000, 6000, 2000, 2000,
                                           [&random] { return random.rnd(); })
                         .draws,
                     3);
            QCOMPARE(QPoint(x[first], y[first]), QPoint(2000, 2600));
            QCOMPARE(QPoint(x[first + 1], y[first + 1]), QPoint(5000, 3000));
        }
    }

    // Past the bound the number takes the candidate farthest from its
    // nearest tested point, measured as the larger of |dx| and |dy|.
    void pastTheBoundTheFarthestCandidateIsTaken() {
        testing::FakeRandom random;
        Positions x{}, y{};
        queueCentre(random, 11000, 6000, 2000, 2000); // number 0, accepted
        queueCentre(random, 11000, 6000, 2100, 2100); // 100
        queueCentre(random, 11000, 6000, 2350, 2350); // 350 (495 in a straight line)
        queueCentre(random, 11000, 6000, 2400, 2000); // 400: the best
        queueCentre(random, 11000, 6000, 2300, 2300); // 300
        const engine::PlacementStats stats = engine::placementPass(
            x, y, 0, 1, 11000, 6000, 9000, 5000, [&random] { return random.rnd(); }, 4);
        QCOMPARE(stats.boundReached, 1);
        QCOMPARE(stats.draws, 5);
        QCOMPARE(QPoint(x[1], y[1]), QPoint(2400, 2000));
    }

    void aWindowTooSmallForFiftyNumbersStillEndsThePass() {
        testing::FakeRandom random;
        Positions x{}, y{};
        const engine::PlacementStats stats = engine::placementPass(
            x, y, 0, 49, 3000, 3000, 1500, 1500, [&random] { return random.rnd(); });
        QVERIFY(stats.boundReached > 0);
        QVERIFY(stats.draws <= 50LL * engine::MaxDrawsPerNumber);
        QCOMPARE(random.draws, 2 * stats.draws);
        for (int i = 0; i <= 49; ++i)
            QVERIFY(x[i] >= 750 && x[i] <= 2250 && y[i] >= 750 && y[i] <= 2250);
    }

    // On the board: after the start click every number of the range is
    // drawn with its text left of and above its centre, then its circle.
    void everyNumberIsDrawnAroundItsCentre_data() {
        QTest::addColumn<int>("startOption");
        QTest::addColumn<int>("countOption");
        QTest::newRow("0 to 9") << 0 << 9;
        QTest::newRow("50 to 99") << 5 << 13;
    }
    void everyNumberIsDrawnAroundItsCentre() {
        QFETCH(int, startOption);
        QFETCH(int, countOption);
        Board t;
        t->opt1[startOption].setValue(true);
        t->opt1[countOption].setValue(true);
        clickStart(t);
        const int first = 10 * startOption, last = first + 10 * (countOption - 9) + 9;
        const std::vector<DrawItem>& items = t->board().items();
        QCOMPARE(int(items.size()), 2 * (last - first + 1));
        for (int i = first; i <= last; ++i) {
            const DrawItem& text = items[2 * (i - first)];
            QCOMPARE(text.text, QStringLiteral(" %1 ").arg(i));
            QCOMPARE(QPointF(text.x1, text.y1),
                     QPointF(t->posX[i] - (i < 10 ? 250 : 380), t->posY[i] - 240));
            QCOMPARE(text.font.size, 24.0);
            QCOMPARE(text.colour, Blue);
            QCOMPARE(shape(items[2 * (i - first) + 1]),
                     shape(DrawItem::Kind::Ellipse, t->posX[i], t->posY[i], 330, 330, 1, Blue));
        }
        QCOMPARE(t->posX[first > 0 ? first - 1 : last + 1], 0);
    }
};

JUNBAN_TEST_MAIN(PlacementTest)
#include "tst_placement.moc"
