// SPDX-License-Identifier: GPL-3.0-or-later

// The board window as a player finds and handles it: start-up, the layout
// after every resize, the range options, and the colour and sound commands.

#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QFontMetricsF>
#include <QPointer>
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
        QVERIFY(t->form().backColor() == design::Pale && t->form().foreColor() == design::Ink);
        QCOMPARE(t->lbl4.foreColor(), ui::RGB(0, 64, 0));
        QCOMPARE(t->cmdOto.toolTipText(), u"正解の時の音を止めます"_s);
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
        const auto startScreen = [&t] {
            QStringList texts;
            for (const ui::DrawItem& i : t->board().items())
                texts << u"%1 at %2, %3"_s.arg(i.text).arg(i.x1).arg(i.y1);
            return texts;
        };
        t.clickStart();
        t->form().resize(1200, 700); // outer 18060 twips wide, wider than the screen
        QVERIFY(!t->swthT && !t->tmr1.running());
        QCOMPARE(t->fra0.left(), 3196.0);
        QCOMPARE(t->lbl4.left(), 6630.0);
        QCOMPARE(QPointF(t->lbl5.left(), t->lbl5.top()), QPointF(5424, 1000));
        QCOMPARE(t->lbl5.widget()->geometry(), QRect(362, 67, 480, 96));
        QCOMPARE(t->lbl5.caption(),
                 u"正解のときの音を止めるには、\r\n上右の［音］ボタンをクリックして"
                 u"下さい。\r\n的中の範囲は上の［狭・中・広］で調節できます。"_s);
        const QStringList expected = {u"クリックでスタート！ at 7430, 3700"_s,
                                      u"20から21・22‥と順にクリックしてください at 6630, 4300"_s};
        QCOMPARE(startScreen(), expected);
        // Minimised during a game: the game ends; restored: the start screen again.
        t.clickStart();
        t->form().setWindowStateCode(1);
        QVERIFY(!t->swthT && !t->tmr1.running());
        t->board().cls();
        t->form().setWindowStateCode(0);
        QCOMPARE(startScreen(), expected);
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
        QTest::newRow("start 60 after start 80 enables the counts 30 and 40 again")
            << QList<int>{8, 6} << 60 << 9 << QList<int>{13};
        QTest::newRow("count 40 after count 50 enables the start 60 again")
            << QList<int>{13, 12} << 20 << 39 << QList<int>{7, 8};
        QTest::newRow("count 10 after count 50 enables every start")
            << QList<int>{13, 9} << 20 << 9 << QList<int>{};
        QTest::newRow("start 0 keeps what count 50 disabled, count 30 enables 60 and 70")
            << QList<int>{13, 0, 11} << 0 << 29 << QList<int>{8};
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
        QCOMPARE(t->board().items().back().text, u"30から31・32‥と順にクリックしてください"_s);
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
                 &t->fra0, &t->fra1[0], &t->fra1[1], &t->fra1[2], &t->lbl1[0], &t->lbl1[1],
                 &t->lbl3[0], &t->lbl3[1], &t->lbl4, &t->lbl2[0], &t->lbl2[13], &t->lbl6[0],
                 &t->lbl6[2]})
            QCOMPARE(c->foreColor(), text);
        QCOMPARE(t->form().foreColor(), text);
        QCOMPARE(t->lblT.foreColor(), ui::RGB(0, 192, 192));
        // The elapsed time is drawn clear of the stop button that overlaps its label's end.
        const QFontMetricsF clock(t->lblT.widget()->font());
        QVERIFY(t->lblT.widget()->x() + clock.horizontalAdvance(u"0:00:00"_s) <=
                t->cmdStp.widget()->x());

        t.clickStart();
        QTest::mouseClick(t->cmdCol2.button(), Qt::LeftButton); // cancelled
        QCOMPARE(picker.lastInitial, text);
        QVERIFY(!t->board().items().empty());
        QTest::mouseClick(t->cmdCol2.button(), Qt::LeftButton);
        for (const ui::Control* c : std::initializer_list<const ui::Control*>{
                 &t->fra0, &t->fra1[0], &t->fra1[2], &t->opt1[0], &t->opt1[13], &t->opt6[0],
                 &t->opt6[2]})
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

    void theEndButtonClosesBothWindows() {
        TestBoard t;
        t->cmdHyou.click();
        QPointer<QWidget> results = &t->frm2()->form();
        t.clickStart();
        QTest::mouseClick(t->cmdEnd.button(), Qt::LeftButton);
        QVERIFY(!t->form().isVisible() && t->frm2() == nullptr);
        QTRY_VERIFY(results.isNull());
    }
};

JUNBAN_TEST_MAIN(WindowTest)
#include "tst_window.moc"
