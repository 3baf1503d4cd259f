#include "engine/gameplay.h"
#include "results/gametext.h"
#include "support/testmain.h"

#include <QTest>

using namespace gameplay;
using testing::TestBoard;

namespace {

QString line(int no, const QString& name, int count, const QString& time, int rate, int hits,
             int clicks) {
    return QStringLiteral("%1,(%2),‥,%3 個,／,%4,‥,正解率＝,%5 %, (%6/%7)")
        .arg(no)
        .arg(name)
        .arg(count)
        .arg(time)
        .arg(rate)
        .arg(hits)
        .arg(clicks);
}

} // namespace

class SummaryTest : public QObject {
    Q_OBJECT
private slots:
    void theTimeTextsOfAGame_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("summary");
        QTest::newRow("0") << 0 << "0:00:00"
                           << "00 秒";
        QTest::newRow("5") << 5 << "0:00:05"
                           << "05 秒";
        QTest::newRow("59") << 59 << "0:00:59"
                            << "59 秒";
        QTest::newRow("60") << 60 << "0:01:00"
                            << "1分 00秒";
        QTest::newRow("65") << 65 << "0:01:05"
                            << "1分 05秒";
        QTest::newRow("754") << 754 << "0:12:34"
                             << "12分 34秒";
        QTest::newRow("3723: full minutes") << 3723 << "1:02:03"
                                            << "62分 03秒";
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
        QTest::newRow("2 in 3") << 2 << 3 << 67;
        QTest::newRow("no clicks") << 1 << 0 << 0;
        QTest::newRow("huge counts") << 50 << 2000000000 << 0;
    }
    void theRateRoundsHalvesUpAndNeverDividesByZero() {
        QFETCH(int, hits);
        QFETCH(int, clicks);
        QFETCH(int, rate);
        QCOMPARE(results::correctRate(hits, clicks), rate);
    }

    void aPerfectGameOfTenNumbersEndsWithItsSummaryAndLine_data() {
        QTest::addColumn<int>("startHour");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("time");
        QTest::newRow("65 seconds") << 12 << 65.0 << "1分 05秒";
        QTest::newRow("5 seconds") << 12 << 5.0 << "05 秒";
        QTest::newRow("over an hour") << 12 << 3723.0 << "62分 03秒";
        QTest::newRow("across midnight") << 23 << 20.0 << "20 秒"; // from 23:59:50
    }
    void aPerfectGameOfTenNumbersEndsWithItsSummaryAndLine() {
        QFETCH(int, startHour);
        QFETCH(double, seconds);
        QFETCH(QString, time);
        TestBoard t;
        prepare(t);
        t.fakes.clock.setTime(startHour, 59, 50);
        clickStart(t);
        for (int hit = 1; hit <= 9; ++hit)
            t.clickDue();
        QCOMPARE(t->c, 9);
        QCOMPARE(t->k, 10); // the values the summary is built from
        t.fakes.clock.advanceSeconds(seconds);
        t.clickDue();
        QCOMPARE(t.fakes.beeper.beeps, 10);
        QCOMPARE(t->lbl4.caption(), QStringLiteral("数字 ＝ 10 個\r\n所要時間 ＝ ") + time +
                                        QStringLiteral("\r\n正解率 ＝ 100 ％ (10/10)"));
        QVERIFY(t->lbl4.visible());
        QCOMPARE(t->Itiran, "\r\n" + line(1, "無名", 10, time, 100, 10, 10));
        QVERIFY(t->board().items().empty());
        QCOMPARE(t->lbl1[0].caption(), QString());
        QCOMPARE(t->lbl1[1].caption(), QStringLiteral("OK!"));
        QVERIFY(!t->swthT);
        QVERIFY(!t->tmr1.running());
        QCOMPARE(t->c, 0);
        QCOMPARE(t->k, 0);
        QCOMPARE(t->atari, 350);
    }

    // Misses count as clicks aimed at numbers; the start click does not.
    void missesCountInTheRateOnTheBoardAndInTheLine_data() {
        QTest::addColumn<int>("countOption");
        QTest::addColumn<std::vector<int>>("missesBefore");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("clicks");
        QTest::newRow("10 hits in 11") << 9 << std::vector<int>{0, 0, 0, 1} << 91 << 11;
        QTest::newRow("10 hits in 13")
            << 9 << std::vector<int>{2, 0, 0, 0, 0, 0, 0, 0, 0, 1} << 77 << 13;
        QTest::newRow("20 hits in 35") << 10 << std::vector<int>{5, 5, 0, 5} << 57 << 35;
    }
    void missesCountInTheRateOnTheBoardAndInTheLine() {
        QFETCH(int, countOption);
        QFETCH(std::vector<int>, missesBefore);
        QFETCH(int, rate);
        QFETCH(int, clicks);
        TestBoard t;
        prepare(t);
        t->opt1[0].setValue(true);
        t->opt1[countOption].setValue(true);
        const int count = 10 * (countOption - 8);
        playGame(t, 65, missesBefore);
        const QString summary =
            QStringLiteral("正解率 ＝ %1 ％ (%2/%3)").arg(rate).arg(count).arg(clicks);
        QVERIFY2(t->lbl4.caption().endsWith(summary), qPrintable(t->lbl4.caption()));
        QCOMPARE(t->Itiran, "\r\n" + line(1, "無名", count, "1分 05秒", rate, count, clicks));
    }

    // The name goes in as typed; the next click clears the summary.
    void twoGamesInARowGiveTwoNumberedLines() {
        TestBoard t;
        prepare(t);
        playGame(t, 65);
        t->txt1.setText(QStringLiteral("a,b"));
        playGame(t, 5, {1});
        QCOMPARE(t->Itiran, "\r\n" + line(1, "無名", 10, "1分 05秒", 100, 10, 10) + "\r\n" +
                                line(2, "a,b", 10, "05 秒", 91, 10, 11));
        QCOMPARE(t->gameNo, 2);
        clickStart(t);
        QVERIFY(!t->lbl4.visible());
        QCOMPARE(t->lbl4.caption(), QString());
        QCOMPARE(t->lbl1[0].caption(), QStringLiteral("次-"));
    }
};

JUNBAN_TEST_MAIN(SummaryTest)
#include "tst_summary.moc"
