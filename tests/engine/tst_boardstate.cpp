#include "support/board.h"
#include "support/testmain.h"

#include <QTest>

#include <algorithm>

using testing::TestBoard;
using ui::RGB;

class BoardStateTest : public QObject {
    Q_OBJECT
private slots:
    void aNewBoardStartsIdleWithTheDesignedRange() {
        TestBoard board(false);
        const Frm1& f = *board;
        QCOMPARE(f.s1, 20);
        QCOMPARE(f.s2, 9);
        QCOMPARE(f.c, 0);
        QCOMPARE(f.k, 0);
        QCOMPARE(f.atari, 350);
        QVERIFY(!f.swthT);
        QCOMPARE(f.tmr1.interval(), 0);
        QVERIFY(!f.tmr1.running());
        QCOMPARE(f.tn, 0.0);
        QCOMPARE(f.Itiran, QString());
        QCOMPARE(f.gameNo, 0);
        QVERIFY(!f.swthTugi);
        // Colours nobody has chosen yet are black.
        QCOMPARE(f.MJcolr, 0);
        QCOMPARE(f.Mojicolr, 0);
        QCOMPARE(f.Haicolr, 0);
        // Set by the start-up.
        QCOMPARE(f.Tugicolr, RGB(255, 0, 0));
        QVERIFY(f.swthOto);
    }

    void everyStoredPositionIsTheOriginBeforeTheFirstGame() {
        TestBoard board(false);
        QCOMPARE(board->posX.size(), std::size_t(101));
        QCOMPARE(board->posY.size(), std::size_t(101));
        QVERIFY(std::all_of(board->posX.begin(), board->posX.end(), [](int v) { return v == 0; }));
        QVERIFY(std::all_of(board->posY.begin(), board->posY.end(), [](int v) { return v == 0; }));
        const int due = board->s1 + board->c;
        QCOMPARE(board->posX[due], 0);
        QCOMPARE(board->posY[due], 0);
    }

    void coordinatesHoldAMaximisedWideScreen() {
        // 2560 pixels at 96 DPI are 38400 twips: past a 16-bit integer.
        engine::BoardState s;
        s.posX[50] = ui::toInteger(2560 * 15.0 - 750);
        s.ClikX = ui::toInteger(38399.5);
        QCOMPARE(s.posX[50], 37650);
        QCOMPARE(s.ClikX, 38400);
        QCOMPARE(std::abs(s.ClikX - s.posX[50]), 750);
    }
};

JUNBAN_TEST_MAIN(BoardStateTest)
#include "tst_boardstate.moc"
