#include "design.h"
#include "engine/gameplay.h"
#include "engine/rules.h"
#include "support/testmain.h"
#include "ui/fonts.h"

#include <QTest>

using namespace gameplay;
using testing::TestBoard;
using ui::RGB;
using Kind = DrawItem::Kind;

namespace {

// Starts a game with the number due at (5000, 3000) and hits it.
void hitAt5000x3000(TestBoard& t) {
    queueCentre(t, 5000, 3000);
    clickStart(t);
    t.clickBoard(5000, 3000);
    QCOMPARE(t->c, 1);
}

} // namespace

class MarksTest : public QObject {
    Q_OBJECT
private slots:
    // The circle follows the board's actual background, the mark the chosen
    // one; the numbers after it are drawn in the board's own colour again.
    void theHitMarkIsDrawnWithItsExactStrokes_data() {
        QTest::addColumn<ui::Colour>("chosen");
        QTest::addColumn<ui::Colour>("mark");
        QTest::newRow("no background chosen") << 0 << Red;
        QTest::newRow("255, 0, 128 chosen") << RGB(255, 0, 128) << White;
    }
    void theHitMarkIsDrawnWithItsExactStrokes() {
        QFETCH(ui::Colour, chosen);
        QFETCH(ui::Colour, mark);
        Board t;
        t->Haicolr = chosen;
        hitAt5000x3000(t);
        const QStringList expected = {
            shape(Kind::Ellipse, 5000, 3000, 320, 320, 2, Red),
            shape(Kind::Ellipse, 4860, 3000, 75, 150, 2, mark),
            shape(Kind::Line, 5000, 2860, 5000, 3150, 2, mark),
            shape(Kind::Line, 5000, 3020, 5140, 2860, 2, mark),
            shape(Kind::Line, 5050, 2980, 5150, 3150, 2, mark),
            shape(Kind::Line, 5200, 2850, 5200, 3040, 2, mark),
            shape(Kind::Line, 5200, 3100, 5200, 3150, 2, mark),
        };
        const std::vector<DrawItem>& items = t->board().items();
        QVERIFY(items.size() > 7);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(shape(items[i]), expected[i]);
        QCOMPARE(items[7].colour, Blue);
    }

    void theAlertColourFollowsTheChosenBackground_data() {
        QTest::addColumn<ui::Colour>("chosen");
        QTest::addColumn<ui::Colour>("alert");
        QTest::newRow("none chosen") << 0 << Red;
        QTest::newRow("200") << 200 << Red;
        QTest::newRow("201") << 201 << White;
        QTest::newRow("255") << 255 << White;
        QTest::newRow("256") << 256 << Red;
        QTest::newRow("255, 0, 128") << RGB(255, 0, 128) << White;
        QTest::newRow("255, 128, 128") << RGB(255, 128, 128) << White;
        QTest::newRow("255, 128, 64") << RGB(255, 128, 64) << White;
        QTest::newRow("255, 128, 0") << RGB(255, 128, 0) << White;
        QTest::newRow("255, 128, 1") << RGB(255, 128, 1) << Red;
    }
    void theAlertColourFollowsTheChosenBackground() {
        QFETCH(ui::Colour, chosen);
        QFETCH(ui::Colour, alert);
        QCOMPARE(engine::alertColour(chosen), alert);
    }

    void onAPureRedBoardTheHitCircleAndLabelsTurnWhite_data() {
        QTest::addColumn<ui::Colour>("background");
        QTest::addColumn<ui::Colour>("circle");
        QTest::addColumn<ui::Colour>("labels");
        const ui::Colour green = RGB(0, 128, 0);
        QTest::newRow("pure red") << RGB(255, 0, 0) << White << White;
        QTest::newRow("almost red") << RGB(254, 0, 0) << Red << green;
        QTest::newRow("pale green") << RGB(192, 255, 192) << Red << green;
    }
    void onAPureRedBoardTheHitCircleAndLabelsTurnWhite() {
        QFETCH(ui::Colour, background);
        QFETCH(ui::Colour, circle);
        QFETCH(ui::Colour, labels);
        Board t;
        t->form().setBackColor(background);
        t->Tugicolr = RGB(0, 128, 0);
        hitAt5000x3000(t);
        QCOMPARE(t->board().items()[0].colour, circle);
        QCOMPARE(t->lbl1[0].foreColor(), labels);
        QCOMPARE(t->lbl1[1].foreColor(), labels);
    }

    // The click point is never under a number, so a second click there is
    // a miss; the font of the miss word stays for the numbers after it.
    void theMissWordSitsAtTheClickPointButNeverOnTheStartClick() {
        Board t;
        t.clickBoard(1000, 2000);
        QCOMPARE(int(t->board().items().size()), 2 * (t->s2 + 1)); // numbers only
        t.clickBoard(1000, 2000);
        QCOMPARE(t->c, 0);
        QCOMPARE(t->k, 2);
        const std::vector<DrawItem> texts = itemsOf(t, Kind::Text);
        QCOMPARE(int(texts.size()), 1 + t->s2 + 1);
        const DrawItem& miss = texts.front();
        QCOMPARE(miss.text, QStringLiteral("はずれ"));
        QCOMPARE(QPointF(miss.x1, miss.y1), QPointF(710, 1850));
        QCOMPARE(miss.font, (ui::FontSpec{design::UiGothic, 14.0, true, false}));
        QCOMPARE(miss.colour, Red);
        for (std::size_t i = 1; i < texts.size(); ++i)
            QVERIFY(texts[i].font.bold && texts[i].font.size == 24.0 && texts[i].colour == Blue);
    }
};

JUNBAN_TEST_MAIN(MarksTest)
#include "tst_marks.moc"
