// SPDX-License-Identifier: GPL-3.0-or-later

// What the history window's chart shows of the games, without the chart: the
// times of each count with their running median, the best of each count, the
// rate, long series thinned without losing a game that stands out, and axes
// that hold every game shown.

#include "history/trend.h"

#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using history::Trend;

namespace {

// Games from words "count:seconds" or "count:seconds:clicks", every number hit.
QList<history::Game> games(const QString& spec) {
    QList<history::Game> out;
    for (const QString& word : spec.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList f = word.split(u':');
        history::Game g;
        g.count = g.hits = g.clicks = f[0].toInt();
        g.elapsedMs = qRound64(f[1].toDouble() * 1000);
        if (f.size() > 2)
            g.clicks = f[2].toInt();
        out.append(g);
    }
    return out;
}

// Points "x:y" apart by blanks.
QString text(const QList<QPointF>& points) {
    QStringList out;
    for (const QPointF& p : points)
        out.append(QString::number(p.x()) + u':' + QString::number(p.y()));
    return out.join(u' ');
}

QList<QPointF> series(const QList<double>& ys) {
    QList<QPointF> out;
    for (double y : ys)
        out.append(QPointF(static_cast<double>(out.size() + 1), y));
    return out;
}

} // namespace

class TrendTest : public QObject {
    Q_OBJECT

private slots:
    void theMedianIsOfTheLastFiveGames_data() {
        QTest::addColumn<QList<double>>("times");
        QTest::addColumn<QList<double>>("medians");
        QTest::newRow("aSingleGameIsItsOwnMedian") << QList<double>{7} << QList<double>{7};
        QTest::newRow("twoGamesTakeTheMeanOfBoth")
            << QList<double>{30, 10} << QList<double>{30, 20};
        QTest::newRow("anOddNumberTakesTheMiddleOne")
            << QList<double>{30, 5, 10, 70, 20} << QList<double>{30, 17.5, 10, 20, 20};
        QTest::newRow("theSixthGameLeavesTheFirstOut")
            << QList<double>{100, 1, 2, 3, 4, 5} << QList<double>{100, 50.5, 2, 2.5, 3, 3};
        QTest::newRow("fallingTimesAreSortedFirst")
            << QList<double>{5, 4, 3, 2, 1, 0} << QList<double>{5, 4.5, 4, 3.5, 3, 2};
    }
    void theMedianIsOfTheLastFiveGames() {
        QFETCH(QList<double>, times);
        QFETCH(QList<double>, medians);
        QCOMPARE(history::runningMedian(series(times)), series(medians));
    }

    // Every point thinned keeps its own x and y, in order, and the fastest and
    // the slowest game are among them wherever they lie.
    void aLongSeriesKeepsItsFastestAndSlowest_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("fastest");
        QTest::addColumn<int>("slowest");
        QTest::newRow("fiveHundredAreDrawnAsTheyAre") << 500 << 3 << 4;
        QTest::newRow("justOverFiveHundredAreThinned") << 501 << 250 << 251;
        QTest::newRow("atBothEnds") << 10'000 << 9'999 << 0;
        QTest::newRow("atTheLastAndTheFirstOfTwoRuns") << 10'001 << 39 << 40;
        QTest::newRow("atTheSecondAndTheLastOfOneRun") << 10'001 << 41 << 79;
    }
    void aLongSeriesKeepsItsFastestAndSlowest() {
        QFETCH(int, size);
        QFETCH(int, fastest);
        QFETCH(int, slowest);
        QList<double> ys;
        for (int i = 0; i < size; ++i)
            ys.append(10 + i * 4 % 11); // never the same twice running
        ys[fastest] = 1;
        ys[slowest] = 99;
        const QList<QPointF> points = series(ys);
        const QList<QPointF> out = history::thinned(points);
        if (size <= 2 * history::MaxRuns)
            QCOMPARE(out, points);
        QCOMPARE(out.size(), std::min(size, 2 * history::MaxRuns)); // each run its two
        for (qsizetype i = 0; i < out.size(); ++i)
            QVERIFY(out[i] == points[qRound(out[i].x()) - 1] &&
                    (i == 0 || out[i - 1].x() < out[i].x()));
        QVERIFY(out.contains(points[fastest]) && out.contains(points[slowest]));
    }

    void eachCountShowsItsTimesItsMedianAndItsBest_data() {
        QTest::addColumn<QString>("games");
        QTest::addColumn<QStringList>("times"); // 10, 20 .. 50 numbers
        QTest::addColumn<QStringList>("medians");
        QTest::addColumn<QString>("best");
        QTest::addColumn<QString>("rate");
        QTest::newRow("noGameShowsNothing")
            << u""_s << QStringList(5) << QStringList(5) << u""_s << u""_s;
        QTest::newRow("eachCountIsASeriesOfItsOwnAtItsPlaceInTheList")
            << u"10:30 20:70:23 10:5 50:50:51 10:1.5 40:12"_s
            << QStringList{u"1:30 3:5 5:1.5"_s, u"2:70"_s, {}, u"6:12"_s, u"4:50"_s}
            << QStringList{u"1:30 3:17.5 5:5"_s, u"2:70"_s, {}, u"6:12"_s, u"4:50"_s}
            << u"5:1.5 2:70 6:12 4:50"_s << u"1:100 2:87 3:100 4:98 5:100 6:100"_s;
        QTest::newRow("ofEqualTimesTheFirstIsTheBest")
            << u"30:9 30:8 30:8 30:10"_s << QStringList{{}, {}, u"1:9 2:8 3:8 4:10"_s, {}, {}}
            << QStringList{{}, {}, u"1:9 2:8.5 3:8 4:8.5"_s, {}, {}} << u"2:8"_s
            << u"1:100 2:100 3:100 4:100"_s;
    }
    void eachCountShowsItsTimesItsMedianAndItsBest() {
        QFETCH(QString, games);
        QFETCH(QStringList, times);
        QFETCH(QStringList, medians);
        const Trend t = history::trendOf(::games(games));
        for (int i = 0; i < Trend::Counts; ++i) {
            QCOMPARE(text(t.times[i]), times[i]);
            QCOMPARE(text(t.medians[i]), medians[i]);
        }
        QTEST(text(t.best), "best");
        QTEST(text(t.rate), "rate");
    }

    void theAxesHoldEveryGameShown_data() {
        QTest::addColumn<QString>("games");
        QTest::addColumn<double>("lastX");
        QTest::addColumn<double>("xTick");
        QTest::addColumn<double>("timeTop");
        QTest::newRow("noGameLeavesRoomForFiveInOneSecond") << u""_s << 5.0 << 1.0 << 1.0;
        QTest::newRow("theSlowestGameIsAtTheTopLessATwentieth")
            << u"10:10 20:80 10:30"_s << 5.0 << 1.0 << 84.0;
        QTest::newRow("twelveGamesTickEveryTwo") << u"10:0.5 "_s.repeated(12) << 12.0 << 2.0 << 1.0;
        QTest::newRow("twentyFiveGamesTickEveryThree")
            << u"10:1 "_s.repeated(24) + u"50:200"_s << 25.0 << 3.0 << 210.0;
        QTest::newRow("tenThousandGamesTickEveryFifteenHundred")
            << u"20:40 "_s.repeated(10'000) + u"20:20"_s << 10'001.0 << 1'500.0 << 42.0;
    }
    void theAxesHoldEveryGameShown() {
        QFETCH(QString, games);
        const Trend t = history::trendOf(::games(games));
        QTEST(t.lastX, "lastX");
        QTEST(t.xTick, "xTick");
        QTEST(t.timeTop, "timeTop");
        for (int i = 0; i < Trend::Counts; ++i) // long series thinned
            QVERIFY(t.times[i].size() <= 2 * history::MaxRuns &&
                    t.medians[i].size() <= 2 * history::MaxRuns);
        QVERIFY(t.rate.size() <= 2 * history::MaxRuns);
    }
};

QTEST_GUILESS_MAIN(TrendTest)
#include "tst_trend.moc"
