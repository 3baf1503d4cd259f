#include "engine/gameplay.h"
#include "results/gametext.h"
#include "support/testmain.h"

#include <QTest>

using namespace gameplay;
using testing::TestBoard;

class SummaryTest : public QObject {
    Q_OBJECT
private slots:
    void theTimeTextsOfAGame_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("summary");
        QTest::newRow("0") << 0 << QStringLiteral("0:00:00") << QStringLiteral("00 秒");
        QTest::newRow("5") << 5 << QStringLiteral("0:00:05") << QStringLiteral("05 秒");
        QTest::newRow("59") << 59 << QStringLiteral("0:00:59") << QStringLiteral("59 秒");
        QTest::newRow("60") << 60 << QStringLiteral("0:01:00") << QStringLiteral("1分 00秒");
        QTest::newRow("65") << 65 << QStringLiteral("0:01:05") << QStringLiteral("1分 05秒");
        QTest::newRow("754") << 754 << QStringLiteral("0:12:34") << QStringLiteral("12分 34秒");
        QTest::newRow("3723: full minutes")
            << 3723 << QStringLiteral("1:02:03") << QStringLiteral("62分 03秒");
    }
    void theTimeTextsOfAGame() {
        QFETCH(int, seconds);
        QFETCH(QString, label);
        QFETCH(QString, summary);
        QCOMPARE(results::elapsedText(seconds), label);
        QCOMPARE(results::summaryTimeText(seconds), summary);
    }

    void theRateRoundsHalvesUpAndNeverDividesByZero_data() {
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("rate");
        QTest::newRow("10 in 10") << 10 << 10 << 100;
        QTest::newRow("10 in 11") << 10 << 11 << 91;
        QTest::newRow("5 in 8") << 5 << 8 << 63;
        QTest::newRow("23 in 40") << 23 << 40 << 58;
        QTest::newRow("1 in 3") << 1 << 3 << 33;
        QTest::newRow("no clicks") << 1 << 0 << 0;
        QTest::newRow("huge counts") << 50 << 2000000000 << 0;
    }
    void theRateRoundsHalvesUpAndNeverDividesByZero() {
        QFETCH(int, hits);
        QFETCH(int, clicks);
        QFETCH(int, rate);
        QCOMPARE(results::correctRate(hits, clicks), rate);
    }

    // The time is measured from the start click, across midnight too.
    void aPerfectGameOfTenNumbersEndsWithItsSummaryAndLine_data() {
        QTest::addColumn<int>("startHour");
        QTest::addColumn<QString>("time");
        QTest::newRow("65 seconds") << 12 << QStringLiteral("1分 05秒");
        QTest::newRow("across midnight") << 23 << QStringLiteral("1分 05秒"); // from 23:59:50
    }
    void aPerfectGameOfTenNumbersEndsWithItsSummaryAndLine() {
        QFETCH(int, startHour);
        QFETCH(QString, time);
        Board t;
        t.fakes.clock.setTime(startHour, 59, 50);
        clickStart(t);
        for (int hit = 1; hit <= 9; ++hit)
            t.clickDue();
        QCOMPARE(t->c, 9);
        QCOMPARE(t->k, 10); // the values the summary is built from
        t.fakes.clock.advanceSeconds(65);
        t.clickDue();
        QCOMPARE(t.fakes.beeper.beeps, 10);
        QCOMPARE(t->lbl4.caption(), QStringLiteral("数字 ＝ 10 個\r\n所要時間 ＝ ") + time +
                                        QStringLiteral("\r\n正解率 ＝ 100 ％ (10/10)"));
        QVERIFY(t->lbl4.visible());
        QCOMPARE(t->Itiran, "\r\n1,(無名),‥,10 個,／," + time + ",‥,正解率＝,100 %, (10/10)");
        QVERIFY(t->board().items().empty());
        QCOMPARE(t->lbl1[0].caption(), QString());
        QCOMPARE(t->lbl1[1].caption(), QStringLiteral("OK!"));
        QVERIFY(!t->swthT && !t->tmr1.running());
    }

    // Misses count as clicks aimed at numbers, the start click does not; the
    // name goes in as typed; the next click clears the summary.
    void twoGamesInARowGiveTwoNumberedLines() {
        Board t;
        playGame(t, 65);
        t->txt1.setText(QStringLiteral("a,b"));
        t->opt1[10].setValue(true);
        playGame(t, 5, {5, 5, 0, 5});
        QVERIFY2(t->lbl4.caption().endsWith(QStringLiteral("\r\n正解率 ＝ 57 ％ (20/35)")),
                 qPrintable(t->lbl4.caption()));
        QCOMPARE(t->Itiran,
                 QStringLiteral("\r\n1,(無名),‥,10 個,／,1分 05秒,‥,正解率＝,100 %, (10/10)"
                                "\r\n2,(a,b),‥,20 個,／,05 秒,‥,正解率＝,57 %, (20/35)"));
        clickStart(t);
        QVERIFY(!t->lbl4.visible());
        QCOMPARE(t->lbl4.caption(), QString());
        QCOMPARE(t->lbl1[0].caption(), QStringLiteral("次-"));
    }
};

JUNBAN_TEST_MAIN(SummaryTest)
#include "tst_summary.moc"
