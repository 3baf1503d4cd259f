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

int selectedIn(TestBoard& t, int first, int last) {
    int found = -1;
    for (int i = first; i <= last; ++i) {
        if (t->opt1[i].value()) {
            if (found >= 0)
                return -2; // two selected in one group
            found = i;
        }
    }
    return found;
}

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    void optionClicksDisableExactlyTheIncompatibleButtons_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("disabled");
        // From the designed choice, first number 20 and count 10.
        for (int start = 0; start <= 5; ++start)
            QTest::addRow("first number %d", 10 * start) << QList<int>{start} << QList<int>{};
        QTest::newRow("first number 60") << QList<int>{6} << QList<int>{13};
        QTest::newRow("first number 70") << QList<int>{7} << QList<int>{12, 13};
        QTest::newRow("first number 80") << QList<int>{8} << QList<int>{11, 12, 13};
        QTest::newRow("count 10") << QList<int>{9} << QList<int>{};
        QTest::newRow("count 20") << QList<int>{10} << QList<int>{};
        QTest::newRow("count 30") << QList<int>{11} << QList<int>{8};
        QTest::newRow("count 40") << QList<int>{12} << QList<int>{7, 8};
        QTest::newRow("count 50") << QList<int>{13} << QList<int>{6, 7, 8};
        // The count rule runs on a click in the other group too.
        QTest::newRow("count 50, then first number 0") << QList<int>{13, 0} << QList<int>{6, 7, 8};
        QTest::newRow("first number 80, then count 20")
            << QList<int>{8, 10} << QList<int>{11, 12, 13};
        QTest::newRow("count 50, then count 10") << QList<int>{13, 9} << QList<int>{};
        QTest::newRow("count 50, then count 20") << QList<int>{13, 10} << QList<int>{};
        QTest::newRow("count 50, then count 40") << QList<int>{13, 12} << QList<int>{7, 8};
        QTest::newRow("count 40, then count 30") << QList<int>{12, 11} << QList<int>{8};
        QTest::newRow("count 40, then first number 60 (60 to 99)")
            << QList<int>{12, 6} << QList<int>{7, 8, 13};
        QTest::newRow("count 50, then first number 50 (50 to 99)")
            << QList<int>{13, 5} << QList<int>{6, 7, 8};
        QTest::newRow("first number 70, count 30, count 20")
            << QList<int>{7, 11, 10} << QList<int>{12, 13};
        QTest::newRow("first number 80, then first number 60")
            << QList<int>{8, 6} << QList<int>{13};
    }
    void optionClicksDisableExactlyTheIncompatibleButtons() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, disabled);
        TestBoard t;
        QCOMPARE(disabledOptions(t), QList<int>{});
        int start = 2, count = 9;
        for (int i : clicks) {
            QVERIFY2(t->opt1[i].enabled(), qPrintable(QStringLiteral("opt1(%1) disabled").arg(i)));
            clickOption(t, i);
            (i <= 8 ? start : count) = i;
        }
        QCOMPARE(disabledOptions(t), disabled);
        // Only Enabled changed: the selection is the one the player made.
        QCOMPARE(selectedIn(t, 0, 8), start);
        QCOMPARE(selectedIn(t, 9, 13), count);
        QCOMPARE(t->s1, 10 * start);
        QCOMPARE(t->s2, 10 * (count - 9) + 9);
    }

    void manyRandomOptionClicksNeverAllowANumberAbove99() {
        TestBoard t;
        QRandomGenerator random(20261206);
        int effective = 0;
        int start = 2, count = 9;
        for (int n = 0; n < 600; ++n) {
            const int i = random.bounded(14);
            const bool wasEnabled = t->opt1[i].enabled();
            clickOption(t, i);
            // A disabled button ignores the click; an enabled one is selected.
            if (wasEnabled) {
                ++effective;
                (i <= 8 ? start : count) = i;
            }
            QCOMPARE(selectedIn(t, 0, 8), start);
            QCOMPARE(selectedIn(t, 9, 13), count);
            QCOMPARE(t->s1, 10 * start);
            QCOMPARE(t->s2, 10 * (count - 9) + 9);
            QVERIFY2(t->s1 + t->s2 <= 99,
                     qPrintable(QStringLiteral("click %1: %2 + %3").arg(n).arg(t->s1).arg(t->s2)));
            // Whatever is clicked next keeps the largest number at 99 or less.
            for (int s = 0; s <= 8; ++s)
                if (t->opt1[s].enabled())
                    QVERIFY(10 * s + t->s2 <= 99);
            for (int k = 9; k <= 13; ++k)
                if (t->opt1[k].enabled())
                    QVERIFY(t->s1 + 10 * (k - 9) + 9 <= 99);
        }
        QVERIFY(effective > 300);
    }

    void aClickOnAnOptionPrintsTheRangeLineOfTheNewFirstNumber_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("line");
        QTest::newRow("0") << 0 << QStringLiteral("0から1・2‥と順にクリックしてください");
        QTest::newRow("30") << 3 << QStringLiteral("30から31・32‥と順にクリックしてください");
        QTest::newRow("80") << 8 << QStringLiteral("80から81・82‥と順にクリックしてください");
        QTest::newRow("a count keeps 20")
            << 12 << QStringLiteral("20から21・22‥と順にクリックしてください");
    }
    void aClickOnAnOptionPrintsTheRangeLineOfTheNewFirstNumber() {
        QFETCH(int, option);
        QFETCH(QString, line);
        TestBoard t;
        clickOption(t, option);
        const std::vector<DrawItem>& items = t->board().items();
        QCOMPARE(items.size(), std::size_t(1)); // no start prompt
        QCOMPARE(items[0].kind, DrawItem::Kind::Text);
        QCOMPARE(items[0].text, line);
        QCOMPARE(items[0].x1, t->form().outerWidth() / 2 - 2400);
        QCOMPARE(items[0].y1, 4300.0);
        QCOMPARE(items[0].font.size, 16.0);
    }

    void anOptionClickDuringAGameStartsOver() {
        TestBoard t;
        t.clickBoard(1200, 1500);
        t.clickDue();
        t.clickDue();
        QVERIFY(t->tmr1.running());
        QCOMPARE(t->c, 2);
        clickOption(t, 0);
        QVERIFY(!t->tmr1.running());
        QVERIFY(!t->swthT);
        QCOMPARE(t->c, 0);
        QCOMPARE(t->k, 0);
        QVERIFY(t->lbl4.visible());
        QCOMPARE(t->lbl4.caption(),
                 QStringLiteral(
                     "リセットしました。\r\nもう一度クリックして\r\n最初から始めてください。"));
        QCOMPARE(t->lbl1[0].caption(), QStringLiteral("次-"));
        QCOMPARE(t->lbl1[1].caption(), QString());
        QCOMPARE(t->board().items().size(), std::size_t(1)); // the range line alone
        // The next click starts a game on the new range.
        t.clickBoard(1200, 1500);
        QVERIFY(t->swthT);
        QCOMPARE(t->s1, 0);
        QCOMPARE(t->lbl1[1].caption(), QStringLiteral("0"));
        QVERIFY(!t->lbl4.visible());
    }

    void theNextNumberLabelsSwitchBetweenRedAndTheSavedColour_data() {
        QTest::addColumn<bool>("playFirst");
        QTest::addColumn<ui::Colour>("saved");
        // Before any game the saved colour is still black.
        QTest::newRow("before any game") << false << ui::RGB(0, 0, 0);
        // A hit saves the board's fore colour.
        QTest::newRow("after a hit") << true << ui::RGB(0, 0, 192);
    }
    void theNextNumberLabelsSwitchBetweenRedAndTheSavedColour() {
        QFETCH(bool, playFirst);
        QFETCH(ui::Colour, saved);
        TestBoard t;
        if (playFirst) {
            t.clickBoard(1200, 1500);
            t.clickDue();
            QCOMPARE(t->MJcolr, saved);
        }
        const ui::Colour red = ui::RGB(255, 0, 0);
        const std::vector<ui::Colour> expected = {red, saved, red, saved};
        for (std::size_t n = 0; n < expected.size(); ++n) {
            // Either label switches both.
            QTest::mouseClick(t->lbl1[n % 2].widget(), Qt::LeftButton);
            QCOMPARE(t->lbl1[0].foreColor(), expected[n]);
            QCOMPARE(t->lbl1[1].foreColor(), expected[n]);
            QCOMPARE(t->Tugicolr, expected[n]);
        }
        QCOMPARE(t->lbl1[0].widget()->palette().color(QPalette::WindowText), ui::toQColor(saved));
    }

    void theChosenNextNumberColourLastsIntoTheNextHit() {
        TestBoard t;
        QTest::mouseClick(t->lbl1[0].widget(), Qt::LeftButton);
        QTest::mouseClick(t->lbl1[1].widget(), Qt::LeftButton);
        QCOMPARE(t->Tugicolr, ui::RGB(0, 0, 0));
        t.clickBoard(1200, 1500);
        t.clickDue();
        QCOMPARE(t->lbl1[0].foreColor(), ui::RGB(0, 0, 0));
        QCOMPARE(t->lbl1[1].foreColor(), ui::RGB(0, 0, 0));
    }
};

JUNBAN_TEST_MAIN(OptionsTest)
#include "tst_options.moc"
