#include "engine/gameplay.h"
#include "support/testmain.h"

#include <QRadioButton>
#include <QTest>

#include <tuple>

using namespace gameplay;
using testing::TestBoard;

namespace {

void selectRadius(TestBoard& t, int option) {
    QTest::mouseClick(t->opt6[option].radio(), Qt::LeftButton);
    QVERIFY(t->opt6[option].value());
}

// Clicks `distance` twips right of the number due (left near the edge).
void clickAwayFromDue(TestBoard& t, double distance) {
    const int n = t->s1 + t->c;
    const double x = t->posX[n] + distance < t->form().outerWidth() - 300 ? t->posX[n] + distance
                                                                          : t->posX[n] - distance;
    t.clickBoard(x, t->posY[n]);
}

} // namespace

class HitTestTest : public QObject {
    Q_OBJECT
private slots:
    // The number due sits `radius` left of x = 6000 (a whole pixel, so the
    // click arrives exactly); the click lands at 6000 - closer.
    void onlyAClickStrictlyInsideTheChosenRadiusIsAHit_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("radius");
        QTest::addColumn<double>("closer");
        QTest::addColumn<bool>("hit");
        QTest::newRow("narrow, exactly 350") << 0 << 350 << 0.0 << false;
        QTest::newRow("narrow, 349") << 0 << 350 << 1.0 << true;
        QTest::newRow("middle, exactly 500") << 1 << 500 << 0.0 << false;
        QTest::newRow("middle, 499") << 1 << 500 << 1.0 << true;
        QTest::newRow("wide, exactly 700") << 2 << 700 << 0.0 << false;
        QTest::newRow("wide, 699") << 2 << 700 << 1.0 << true;
    }
    void onlyAClickStrictlyInsideTheChosenRadiusIsAHit() {
        QFETCH(int, option);
        QFETCH(int, radius);
        QFETCH(double, closer);
        QFETCH(bool, hit);
        Board t;
        selectRadius(t, option);
        queueCentre(t, 6000 - radius, 3000);
        clickStart(t);
        t.clickBoard(6000 - closer, 3000);
        QCOMPARE(t->c, hit ? 1 : 0);
        QCOMPARE(t->lbl1[1].caption(), QString::number(t->s1 + t->c));
        QCOMPARE(t.fakes.beeper.beeps, hit ? 1 : 0);
    }

    // Option, distance from the number due, hits so far: narrow, middle, wide, narrow.
    void theRadiusIsReadAtEveryClick() {
        Board t;
        clickStart(t);
        const std::tuple<int, double, int> steps[] = {
            {0, 450, 0}, {1, 450, 1}, {2, 650, 2}, {0, 400, 2}};
        for (const auto& [option, distance, hits] : steps) {
            selectRadius(t, option);
            clickAwayFromDue(t, distance);
            QCOMPARE(t->c, hits);
        }
        QCOMPARE(t->k, 5);
    }

    // Two centres of a pass may be 600 apart: inside the wide radius only.
    void aNeighboursCentreIsAHitOnTheNumberDueOnlyWithTheWideRadius_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("hit");
        QTest::newRow("narrow") << 0 << false;
        QTest::newRow("middle") << 1 << false;
        QTest::newRow("wide") << 2 << true;
    }
    void aNeighboursCentreIsAHitOnTheNumberDueOnlyWithTheWideRadius() {
        QFETCH(int, option);
        QFETCH(bool, hit);
        Board t;
        selectRadius(t, option);
        queueCentre(t, 5000, 3000);
        queueCentre(t, 5600, 3000);
        clickStart(t);
        QCOMPARE(t->posX[t->s1 + 1], 5600);
        t.clickNumber(t->s1 + 1);
        QCOMPARE(t->c, hit ? 1 : 0);
    }

    // The start click is tested against nothing: the stored centre of the
    // first number belongs to the abandoned game and is not on the board.
    void theStartClickIsNeverAHit() {
        Board t;
        selectRadius(t, 2);
        clickStart(t);
        t->cmdStp.click();
        t.clickDue();
        QVERIFY(t->swthT);
        QCOMPARE(t->c, 0);
        QCOMPARE(t->k, 1);
        QCOMPARE(t.fakes.beeper.beeps, 0);
        QCOMPARE(t->lbl1[1].caption(), QString::number(t->s1));
        // Only the numbers and their circles: no miss word, no hit mark.
        QCOMPARE(int(t->board().items().size()), 2 * (t->s2 + 1));
    }
};

JUNBAN_TEST_MAIN(HitTestTest)
#include "tst_hittest.moc"
