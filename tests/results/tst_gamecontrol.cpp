#include "engine/gameplay.h"
#include "support/testmain.h"

#include <QTest>

using namespace gameplay;
using testing::TestBoard;

namespace {

const QString ResetNotice =
    QStringLiteral("リセットしました。\r\nもう一度クリックして\r\n最初から始めてください。");

} // namespace

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
        TestBoard t;
        prepare(t);
        if (running) {
            clickStart(t);
            t.clickDue();
            t.clickMiss();
            t.fakes.clock.advanceSeconds(7);
            QTRY_COMPARE(t->lblT.caption(), QStringLiteral("0:00:07"));
        }
        const QString shown = t->lblT.caption();
        t->cmdStp.click();
        QCOMPARE(t->tmr1.interval(), 0);
        QVERIFY(!t->tmr1.running());
        QVERIFY(!t->swthT);
        QVERIFY(t->board().items().empty());
        QCOMPARE(t->lbl4.caption(), ResetNotice);
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
        QCOMPARE(t->tmr1.interval(), 100);
        QCOMPARE(t->c, 0);
        QCOMPARE(t->k, 1);
        QCOMPARE(t->lbl1[1].caption(), QStringLiteral("0"));
        QVERIFY(!t->lbl4.visible());
        QCOMPARE(t->lbl4.caption(), QString());
        QTRY_COMPARE(t->lblT.caption(), QStringLiteral("0:00:00"));
    }

    void theElapsedLabelCountsWholeSecondsFromTheStartClick_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("5.9 s") << 5.9 << QStringLiteral("0:00:05");
        QTest::newRow("59 s") << 59.0 << QStringLiteral("0:00:59");
        QTest::newRow("754 s") << 754.0 << QStringLiteral("0:12:34");
        QTest::newRow("3723 s") << 3723.0 << QStringLiteral("1:02:03");
        QTest::newRow("25 h") << 90000.0 << QStringLiteral("25:00:00");
    }
    void theElapsedLabelCountsWholeSecondsFromTheStartClick() {
        QFETCH(double, seconds);
        QFETCH(QString, shown);
        TestBoard t;
        prepare(t);
        clickStart(t);
        t.fakes.clock.advanceSeconds(seconds);
        QTRY_COMPARE(t->lblT.caption(), shown);
    }

    void theElapsedLabelTurnsTheHour() {
        TestBoard t;
        prepare(t);
        clickStart(t);
        t.fakes.clock.advanceSeconds(3599);
        QTRY_COMPARE(t->lblT.caption(), QStringLiteral("0:59:59"));
        t.fakes.clock.advanceSeconds(1);
        QTRY_COMPARE(t->lblT.caption(), QStringLiteral("1:00:00"));
    }

    // Elapsed time is real time: midnight and a clock set back do not
    // disturb it; tn still records the time of day of the start.
    void theElapsedTimeIgnoresMidnightAndClockChanges() {
        TestBoard t;
        prepare(t);
        t.fakes.clock.setTime(23, 59, 50);
        clickStart(t);
        QCOMPARE(t->tn, (23 * 3600 + 59 * 60 + 50) / 86400.0);
        t.fakes.clock.advanceSeconds(20);
        QTRY_COMPARE(t->lblT.caption(), QStringLiteral("0:00:20"));
        t.fakes.clock.setTime(22, 0, 0);
        t.fakes.clock.advanceSeconds(10);
        QTRY_COMPARE(t->lblT.caption(), QStringLiteral("0:00:30"));
    }
};

JUNBAN_TEST_MAIN(GameControlTest)
#include "tst_gamecontrol.moc"
