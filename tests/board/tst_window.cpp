// SPDX-License-Identifier: GPL-3.0-or-later

// The board window as a player finds and handles it: start-up, the layout
// after every resize, the range options, and the colour and sound commands.

#include "shell/layout.h"
#include "shell/rangerules.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;
using testing::TestBoard;

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsMaximisedWithTheDesignedChoices() {
        TestBoard t(false);
        QCOMPARE(t->form().windowStateCode(), 2);
        QVERIFY(t->lbl5.visible() && !t->lbl4.visible());
        QVERIFY(t->opt1[2].value() && t->opt1[9].value() && t->opt6[0].value());
        QCOMPARE(QList<int>({t->s1, t->s2}), QList<int>({20, 9}));
    }

    // A designed place that reaches past the screen's free area is moved in
    // whole, and only a size larger than that area is shrunk to it.
    void aWindowNeverOpensPartlyOffTheScreen() {
        ui::FormWindow w;
        const QRect free = w.screen()->availableGeometry();
        const double tpp = ui::twipsPerPixel();
        w.setClientGeometry(15 * tpp, 20 * tpp, 100 * tpp, 50 * tpp);
        QCOMPARE(w.geometry(), QRect(15, 20, 100, 50));
        w.setClientGeometry((free.right() - 99) * tpp, (free.bottom() - 49) * tpp, 300 * tpp,
                            200 * tpp);
        QCOMPARE(w.geometry(), QRect(free.right() - 299, free.bottom() - 199, 300, 200));
        w.setClientGeometry(-50 * tpp, 10 * tpp, (free.width() + 40) * tpp, 100 * tpp);
        QCOMPARE(w.geometry(), QRect(free.left(), 10, free.width(), 100));
    }

    void everyResizeLaysOutTheStartScreenAndAbandonsTheGame() {
        TestBoard t;
        t.clickStart();
        t->form().resize(1200, 700);
        QVERIFY(!t->swthT && !t->tmr1.running());
        const double w = t->form().outerWidth();
        QCOMPARE(t->fra0.left(), shell::commandBarLeft(w, 11568));
        QCOMPARE(t->lbl4.left(), w / 2 - 2400);
        QCOMPARE(QPointF(t->lbl5.left(), t->lbl5.top()), QPointF(w / 2 - 3606, 1000));
        QCOMPARE(t->lbl5.caption(), shell::usageHint());
        QStringList texts;
        for (const ui::DrawItem& i : t->board().items())
            texts << i.text;
        QCOMPARE(texts, QStringList({shell::startPrompt(t->form().screenWidth(), w).text,
                                     shell::rangeLine(20)}));
        // Too small: raised to the minimum size, one dimension per run.
        t->form().resize(300, 200);
        QVERIFY(t->form().outerWidth() >= 11000 && t->form().outerWidth() < 11015);
        QVERIFY(t->form().outerHeight() >= 6000 && t->form().outerHeight() < 6015);
    }

    void aClickOnTheHintReachesTheBoardAtItsExactPoint() {
        TestBoard t;
        t->form().resize(1200, 700);
        const int x = ui::toInteger(t->lbl5.left()) + 3007; // not a whole pixel
        t.click(x, 1307);
        QVERIFY(t->swthT);
        QCOMPARE(QPoint(t->ClikX, t->ClikY), QPoint(x, 1307));
    }

    // Each row clicks option buttons in turn; afterwards the range and the
    // enabled buttons must be as listed.
    void rangeOptionsStayCompatible_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("s1");
        QTest::addColumn<int>("s2");
        QTest::addColumn<QList<int>>("disabled");
        QTest::newRow("count 50 disables the starts 60 to 80")
            << QList<int>{13} << 20 << 49 << QList<int>{6, 7, 8};
        QTest::newRow("start 80 disables the counts 30 to 50")
            << QList<int>{8} << 80 << 9 << QList<int>{11, 12, 13};
        QTest::newRow("start 50, count 50") << QList<int>{5, 13} << 50 << 49 << QList<int>{6, 7, 8};
        QTest::newRow("back to start 0 enables every count")
            << QList<int>{7, 11, 0} << 0 << 29 << QList<int>{8};
        QTest::newRow("count 30 after start 70")
            << QList<int>{7, 11} << 70 << 29 << QList<int>{8, 12, 13};
    }
    void rangeOptionsStayCompatible() {
        QFETCH(QList<int>, clicks);
        QFETCH(int, s1);
        QFETCH(int, s2);
        QFETCH(QList<int>, disabled);
        TestBoard t;
        for (int i : clicks)
            QTest::mouseClick(t->opt1[i].radio(), Qt::LeftButton);
        QCOMPARE(QList<int>({t->s1, t->s2}), QList<int>({s1, s2}));
        QList<int> off;
        for (int i = 0; i < 14; ++i)
            if (!t->opt1[i].enabled())
                off << i;
        QCOMPARE(off, disabled);
    }

    void aRangeChangeAbandonsTheGameAndNamesTheNewRange() {
        TestBoard t;
        t.clickStart();
        QTest::mouseClick(t->opt1[3].radio(), Qt::LeftButton);
        QVERIFY(!t->swthT && t->lbl4.visible());
        QCOMPARE(t->board().items().back().text, shell::rangeLine(30));
    }

    void theNextNumberLabelsToggleTheirColour() {
        TestBoard t;
        t.clickStart();
        t.clickDue(); // MJcolr is now the ink
        for (const ui::Colour expected : {design::Red, design::Ink, design::Red}) {
            QTest::mouseClick(t->lbl1[1].widget(), Qt::LeftButton);
            QVERIFY(t->lbl1[0].foreColor() == expected && t->lbl1[1].foreColor() == expected);
            QCOMPARE(t->Tugicolr, expected);
        }
    }

    void theColourCommandsRecolourTheirControls() {
        TestBoard t;
        constexpr ui::Colour text = ui::RGB(1, 2, 3), back = ui::RGB(40, 50, 60);
        auto& picker = t.fakes.colorPicker;
        picker.answers = {std::nullopt, text, std::nullopt, back};
        QTest::mouseClick(t->cmdCol1.button(), Qt::LeftButton); // cancelled
        QCOMPARE(picker.lastInitial, design::White);
        QCOMPARE(t->lbl2[0].foreColor(), 0);
        QTest::mouseClick(t->cmdCol1.button(), Qt::LeftButton);
        for (const ui::Control* c : std::initializer_list<const ui::Control*>{
                 &t->fra0, &t->fra1[2], &t->lbl1[0], &t->lbl3[1], &t->lbl4, &t->lbl2[13],
                 &t->lbl6[2]})
            QCOMPARE(c->foreColor(), text);
        QCOMPARE(t->form().foreColor(), text);
        QCOMPARE(t->lblT.foreColor(), ui::RGB(0, 192, 192));

        t.clickStart();
        QTest::mouseClick(t->cmdCol2.button(), Qt::LeftButton); // cancelled
        QCOMPARE(picker.lastInitial, text);
        QVERIFY(!t->board().items().empty());
        QTest::mouseClick(t->cmdCol2.button(), Qt::LeftButton);
        for (const ui::Control* c : std::initializer_list<const ui::Control*>{
                 &t->fra0, &t->fra1[1], &t->opt1[13], &t->opt6[2]})
            QCOMPARE(c->backColor(), back);
        QVERIFY(t->form().backColor() == back && t->board().items().empty() && t->swthT);
        QCOMPARE(t->txt1.backColor(), design::Pale);
        QTest::mouseClick(t->cmdCol1.button(), Qt::LeftButton); // cancelled
        QCOMPARE(picker.lastInitial, back);
    }

    void theSoundButtonSwitchesTheHitBeep() {
        TestBoard t;
        t.clickStart();
        for (int beeps : {0, 1}) {
            QTest::mouseClick(t->cmdOto.button(), Qt::LeftButton);
            t.clickDue();
            QCOMPARE(t.fakes.beeper.beeps, beeps);
        }
        QCOMPARE(t->cmdOto.toolTipText(), u"音の出･消を切替えます"_s);
    }
};

JUNBAN_TEST_MAIN(WindowTest)
#include "tst_window.moc"
