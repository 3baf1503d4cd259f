// The number-range options and the next-number labels, clicked as a player
// does.

#include "support/board.h"
#include "support/testmain.h"

#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>

using testing::TestBoard;
using ui::DrawItem;

namespace {

void clickOption(TestBoard& t, int index) {
    QTest::mouseClick(t->opt1[index].radio(), Qt::LeftButton);
}

QList<int> disabledOptions(TestBoard& t) {
    QList<int> out;
    for (int i = 0; i < 14; ++i)
        if (!t->opt1[i].enabled())
            out << i;
    return out;
}

// The selected button of opt1(first..last); -1 for none, -2 for two.
int selectedIn(TestBoard& t, int first, int last) {
    int found = -1;
    for (int i = first; i <= last; ++i)
        if (t->opt1[i].value())
            found = found == -1 ? i : -2;
    return found;
}

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    // Buttons 0..8 choose the first number 0..80, buttons 9..13 the count
    // 10..50; the designed choice is first number 20 and count 10. First
    // every button alone, then sequences.
    void optionClicksDisableExactlyTheIncompatibleButtons_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("disabled");
        const QList<int> alone[14] = {{},       {},           {}, {}, {},  {},     {13},
                                      {12, 13}, {11, 12, 13}, {}, {}, {8}, {7, 8}, {6, 7, 8}};
        for (int i = 0; i < 14; ++i)
            QTest::addRow(i <= 8 ? "first %d" : "count %d", i <= 8 ? 10 * i : 10 * (i - 8))
                << QList<int>{i} << alone[i];
        // Both rules run on a click in either group.
        QTest::newRow("count 50, first 0") << QList<int>{13, 0} << QList<int>{6, 7, 8};
        QTest::newRow("first 80, count 10") << QList<int>{8, 9} << QList<int>{11, 12, 13};
        QTest::newRow("first 80, first 60") << QList<int>{8, 6} << QList<int>{13};
        QTest::newRow("count 50, count 10") << QList<int>{13, 9} << QList<int>{};
        QTest::newRow("count 40, first 60") << QList<int>{12, 6} << QList<int>{7, 8, 13};
        QTest::newRow("count 50, first 50") << QList<int>{13, 5} << QList<int>{6, 7, 8};
    }
    void optionClicksDisableExactlyTheIncompatibleButtons() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, disabled);
        TestBoard t;
        for (int i : clicks) {
            QVERIFY2(t->opt1[i].enabled(), qPrintable(QStringLiteral("opt1(%1) disabled").arg(i)));
            clickOption(t, i);
        }
        QCOMPARE(disabledOptions(t), disabled);
    }

    // Only Enabled changes: the selection and the range are the player's.
    void manyRandomOptionClicksNeverAllowANumberAbove99() {
        TestBoard t;
        QRandomGenerator random(20261206);
        int effective = 0, start = 2, count = 9;
        for (int n = 0; n < 600; ++n) {
            const int i = random.bounded(14);
            // A disabled button ignores the click; an enabled one is selected.
            if (t->opt1[i].enabled()) {
                ++effective;
                (i <= 8 ? start : count) = i;
            }
            clickOption(t, i);
            QCOMPARE(selectedIn(t, 0, 8), start);
            QCOMPARE(selectedIn(t, 9, 13), count);
            QCOMPARE(t->s1, 10 * start);
            QCOMPARE(t->s2, 10 * (count - 9) + 9);
            QVERIFY2(t->s1 + t->s2 <= 99, qPrintable(QStringLiteral("click %1").arg(n)));
            // Exactly the buttons that keep the largest number at 99 or less
            // stay enabled.
            for (int s = 0; s <= 8; ++s)
                QCOMPARE(t->opt1[s].enabled(), 10 * s + t->s2 <= 99);
            for (int k = 9; k <= 13; ++k)
                QCOMPARE(t->opt1[k].enabled(), t->s1 + 10 * (k - 9) + 9 <= 99);
        }
        QVERIFY(effective > 300);
    }

    // Every click abandons a game and leaves the notice and the range line.
    void anOptionClickStartsOverWithTheRangeLineOfTheNewFirstNumber_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QString>("line");
        QTest::newRow("80") << 8 << false
                            << QStringLiteral("80から81・82‥と順にクリックしてください");
        QTest::newRow("a count") << 12 << false
                                 << QStringLiteral("20から21・22‥と順にクリックしてください");
        QTest::newRow("0 during a game")
            << 0 << true << QStringLiteral("0から1・2‥と順にクリックしてください");
    }
    void anOptionClickStartsOverWithTheRangeLineOfTheNewFirstNumber() {
        QFETCH(int, option);
        QFETCH(bool, playing);
        QFETCH(QString, line);
        TestBoard t;
        if (playing) {
            t.clickBoard(1200, 1500);
            t.clickDue();
        }
        clickOption(t, option);
        QVERIFY(!t->tmr1.running());
        QVERIFY(!t->swthT);
        QCOMPARE(t->c, 0);
        QVERIFY(t->lbl4.visible());
        QCOMPARE(t->lbl4.caption(),
                 QStringLiteral(
                     "リセットしました。\r\nもう一度クリックして\r\n最初から始めてください。"));
        const std::vector<DrawItem>& items = t->board().items();
        QCOMPARE(items.size(), std::size_t(1)); // no start prompt, no number
        QCOMPARE(items[0].text, line);
        QCOMPARE(QPointF(items[0].x1, items[0].y1),
                 QPointF(t->form().outerWidth() / 2 - 2400, 4300));
        QCOMPARE(items[0].font.size, 16.0);
        t.clickBoard(1200, 1500);
        QVERIFY(t->swthT);
    }

    // The first click on either label sets red, the second the saved colour:
    // black before any game, the board's fore colour after a hit.
    void theNextNumberLabelsSwitchBetweenRedAndTheSavedColour_data() {
        QTest::addColumn<bool>("playFirst");
        QTest::addColumn<ui::Colour>("saved");
        QTest::newRow("before any game") << false << ui::RGB(0, 0, 0);
        QTest::newRow("after a hit") << true << ui::RGB(0, 0, 192);
    }
    void theNextNumberLabelsSwitchBetweenRedAndTheSavedColour() {
        QFETCH(bool, playFirst);
        QFETCH(ui::Colour, saved);
        TestBoard t;
        if (playFirst) {
            t.clickBoard(1200, 1500);
            t.clickDue();
        }
        const ui::Colour red = ui::RGB(255, 0, 0);
        const std::vector<ui::Colour> expected = {red, saved, red, saved};
        for (std::size_t n = 0; n < expected.size(); ++n) {
            QTest::mouseClick(t->lbl1[n % 2].widget(), Qt::LeftButton);
            QCOMPARE(t->lbl1[0].foreColor(), expected[n]);
            QCOMPARE(t->lbl1[1].foreColor(), expected[n]);
            QCOMPARE(t->Tugicolr, expected[n]);
        }
        QCOMPARE(t->lbl1[0].widget()->palette().color(QPalette::WindowText), ui::toQColor(saved));
    }
};

JUNBAN_TEST_MAIN(OptionsTest)
#include "tst_options.moc"
