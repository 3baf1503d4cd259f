#include "engine/gameplay.h"
#include "support/testmain.h"

#include <QTest>

using namespace gameplay;
using testing::TestBoard;

class GameControlTest : public QObject {
    Q_OBJECT
private slots:
    void theStopButtonAbandonsTheGame_data() {
        QTest::addColumn<bool>("running");
        QTest::newRow("during a game") << true;
        QTest::newRow("when idle") << false;
    }
    void theStopButtonAbandonsTheGame() {
        QFETCH(bool, running);
        Board t;
        if (running) {
            clickStart(t);
            t.clickDue();
            t.clickMiss();
            t.fakes.clock.advanceSeconds(7);
            QTRY_COMPARE(t->lblT.caption(), QStringLiteral("0:00:07"));
        }
        const QString shown = t->lblT.caption();
        t->cmdStp.click();
        QVERIFY(!t->tmr1.running() && !t->swthT);
        QVERIFY(t->board().items().empty());
        QCOMPARE(t->lbl4.caption(), QStringLiteral("リセットしました。\r\nもう一度クリックして\r\n"
                                                   "最初から始めてください。"));
        QVERIFY(t->lbl4.visible());
        QCOMPARE(t->lbl1[0].caption(), QStringLiteral("次-"));
        QCOMPARE(t->lbl1[1].caption(), QString());
        QVERIFY(t->Itiran.isEmpty());
        // No tick of the old game follows: the label keeps its last value.
        t.fakes.clock.advanceSeconds(5);
        QCoreApplication::processEvents();
        QCOMPARE(t->lblT.caption(), shown);

        // The next click starts afresh from the first number.
        t->opt1[0].setValue(true);
        clickStart(t);
        QVERIFY(t->swthT);
        QCOMPARE(t->c, 0);
        QCOMPARE(t->k, 1);
        QCOMPARE(t->lbl1[1].caption(), QStringLiteral("0"));
        QVERIFY(!t->lbl4.visible());
        QTRY_COMPARE(t->lblT.caption(), QStringLiteral("0:00:00"));
    }

    // Whole seconds of real time from the start click, whatever the time of
    // day does meanwhile (`jump` hours set on the wall clock mid-game); tn
    // keeps the time of day of the start.
    void theElapsedLabelCountsRealWholeSecondsFromTheStartClick_data() {
        QTest::addColumn<int>("startHour");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("jump");
        QTest::addColumn<QString>("shown");
        QTest::newRow("5.9 s") << 12 << 5.9 << 0 << QStringLiteral("0:00:05");
        QTest::newRow("0:59:59") << 12 << 3599.0 << 0 << QStringLiteral("0:59:59");
        QTest::newRow("1:00:00") << 12 << 3600.0 << 0 << QStringLiteral("1:00:00");
        QTest::newRow("25 h") << 12 << 90000.0 << 0 << QStringLiteral("25:00:00");
        QTest::newRow("across midnight") << 23 << 20.0 << 0 << QStringLiteral("0:00:20");
        QTest::newRow("clock set back") << 23 << 30.0 << -2 << QStringLiteral("0:00:30");
    }
    void theElapsedLabelCountsRealWholeSecondsFromTheStartClick() {
        QFETCH(int, startHour);
        QFETCH(double, seconds);
        QFETCH(int, jump);
        QFETCH(QString, shown);
        Board t;
        t.fakes.clock.setTime(startHour, 59, 50);
        clickStart(t);
        QCOMPARE(t->tn, (startHour * 3600 + 59 * 60 + 50) / 86400.0);
        t.fakes.clock.advanceSeconds(seconds / 2);
        if (jump != 0)
            t.fakes.clock.setTime(startHour + jump, 0, 0);
        t.fakes.clock.advanceSeconds(seconds / 2);
        QTRY_COMPARE(t->lblT.caption(), shown);
    }
};

JUNBAN_TEST_MAIN(GameControlTest)
#include "tst_gamecontrol.moc"
