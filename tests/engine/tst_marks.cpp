#include "engine/gameplay.h"
#include "engine/rules.h"
#include "support/testmain.h"
#include "ui/fonts.h"

#include <QTest>

using namespace gameplay;
using testing::TestBoard;
using ui::RGB;

namespace {

void compareLine(const DrawItem& l, double x1, double y1, double x2, double y2) {
    QCOMPARE(l.kind, DrawItem::Kind::Line);
    QCOMPARE(l.x1, x1);
    QCOMPARE(l.y1, y1);
    QCOMPARE(l.x2, x2);
    QCOMPARE(l.y2, y2);
    QCOMPARE(l.width, 2);
}

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
    void theHitMarkIsDrawnWithItsExactStrokes() {
        TestBoard t;
        prepare(t);
        hitAt5000x3000(t);
        const std::vector<DrawItem>& items = t->board().items();
        QVERIFY(items.size() >= 7);
        const DrawItem& ring = items[0];
        QCOMPARE(ring.kind, DrawItem::Kind::Ellipse);
        QCOMPARE(ring.x1, 5000.0);
        QCOMPARE(ring.y1, 3000.0);
        QCOMPARE(ring.x2, 320.0);
        QCOMPARE(ring.y2, 320.0);
        QCOMPARE(ring.width, 2);
        QCOMPARE(ring.colour, Red);
        const DrawItem& o = items[1];
        QCOMPARE(o.kind, DrawItem::Kind::Ellipse);
        QCOMPARE(o.x1, 4860.0);
        QCOMPARE(o.y1, 3000.0);
        QCOMPARE(o.x2, 75.0);
        QCOMPARE(o.y2, 150.0);
        QCOMPARE(o.width, 2);
        compareLine(items[2], 5000, 2860, 5000, 3150);
        compareLine(items[3], 5000, 3020, 5140, 2860);
        compareLine(items[4], 5050, 2980, 5150, 3150);
        compareLine(items[5], 5200, 2850, 5200, 3040);
        compareLine(items[6], 5200, 3100, 5200, 3150);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(items[i].colour, Red); // no background chosen yet
        // The numbers that follow are drawn in the board's own colour again.
        QCOMPARE(items[7].colour, Blue);
        QCOMPARE(t->board().foreColor(), Blue);
        QCOMPARE(t->tyusinX, 5000);
        QCOMPARE(t->tyusinY, 3000);
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
        // Both marks on the board take it; the board's own colour stays.
        TestBoard t;
        prepare(t);
        t->Haicolr = chosen;
        clickStart(t);
        t.clickMiss();
        const std::vector<DrawItem> texts = itemsOf(t, DrawItem::Kind::Text);
        QCOMPARE(texts.front().text, QStringLiteral("はずれ"));
        QCOMPARE(texts.front().colour, alert);
        t.clickDue();
        QCOMPARE(t->board().items()[1].colour, alert);
        QCOMPARE(t->board().foreColor(), Blue);
    }

    // Checked against the board's actual background, not the chosen one.
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
        TestBoard t;
        prepare(t);
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
        TestBoard t;
        prepare(t);
        t.clickBoard(1000, 2000);
        QCOMPARE(countTexts(t, QStringLiteral("はずれ")), 0);
        t.clickBoard(1000, 2000);
        QCOMPARE(t->c, 0);
        QCOMPARE(t->k, 2);
        const std::vector<DrawItem> texts = itemsOf(t, DrawItem::Kind::Text);
        QCOMPARE(int(texts.size()), 1 + t->s2 + 1);
        const DrawItem& miss = texts.front();
        QCOMPARE(miss.text, QStringLiteral("はずれ"));
        QCOMPARE(miss.x1, 710.0);
        QCOMPARE(miss.y1, 1850.0);
        QCOMPARE(miss.font.name, ui::UiGothic);
        QCOMPARE(miss.font.size, 14.0);
        QVERIFY(miss.font.bold);
        for (std::size_t i = 1; i < texts.size(); ++i) {
            QVERIFY(texts[i].font.bold);
            QCOMPARE(texts[i].font.size, 24.0);
            QCOMPARE(texts[i].colour, Blue);
        }
    }
};

JUNBAN_TEST_MAIN(MarksTest)
#include "tst_marks.moc"
