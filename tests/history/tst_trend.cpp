// SPDX-License-Identifier: GPL-3.0-or-later

// What the history window's chart makes of the games, without the chart.

#include "history/trend.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using history::MaxRuns;
using history::Trend;

namespace {

// Games from words "count:seconds" or "count:seconds:clicks", every number hit.
QList<history::Game> games(const QString& words) {
    QList<history::Game> out;
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList f = word.split(u':');
        history::Game g;
        g.count = g.hits = f[0].toInt();
        g.elapsedMs = qRound64(f[1].toDouble() * 1000);
        g.clicks = f.value(2, f[0]).toInt();
        out.append(g);
    }
    return out;
}

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
        QTest::newRow("theSixthGameLeavesTheFirstOut")
            << QList<double>{100, 1, 2, 3, 4, 5} << QList<double>{100, 50.5, 2, 2.5, 3, 3};
        QTest::newRow("unsortedTimesAreSortedFirst")
            << QList<double>{30, 5, 10, 70, 20} << QList<double>{30, 17.5, 10, 20, 20};
    }
    void theMedianIsOfTheLastFiveGames() {
        QFETCH(QList<double>, times);
        QFETCH(QList<double>, medians);
        QCOMPARE(history::runningMedian(series(times)), series(medians));
    }

    // Thinned, a series keeps points of its own in their order, two of each
    // run, among them the fastest and the slowest game wherever they lie.
    void aLongSeriesKeepsItsFastestAndSlowest_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("fastest");
        QTest::addColumn<int>("slowest");
        QTest::newRow("fiveHundredAreDrawnAsTheyAre") << 500 << 3 << 4;
        QTest::newRow("atTheLastAndTheFirstOfTwoRuns") << 10'001 << 39 << 40;
        QTest::newRow("atBothEnds") << 10'000 << 9'999 << 0;
        QTest::newRow("atTheSecondAndTheLastOfOneRun") << 10'001 << 41 << 79;
    }
    void aLongSeriesKeepsItsFastestAndSlowest() {
        QFETCH(int, size);
        QFETCH(int, fastest);
        QFETCH(int, slowest);
        QList<double> ys;
        for (int i = 0; i < size; ++i)
            ys.append(i == fastest ? 1 : i == slowest ? 99 : 10 + i * 4 % 11);
        const QList<QPointF> points = series(ys), out = history::thinned(points);
        QCOMPARE(out.size(), std::min(size, 2 * MaxRuns));
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
        QTest::newRow("eachCountIsASeriesOfItsOwnAtItsPlaceInTheList")
            << u"10:30 20:70:23 10:5 50:50:51 10:1.5 40:12"_s
            << QStringList{u"1:30 3:5 5:1.5"_s, u"2:70"_s, {}, u"6:12"_s, u"4:50"_s}
            << QStringList{u"1:30 3:17.5 5:5"_s, u"2:70"_s, {}, u"6:12"_s, u"4:50"_s}
            << u"5:1.5 2:70 6:12 4:50"_s << u"1:100 2:87 3:100 4:98 5:100 6:100"_s;
        QTest::newRow("ofEqualTimesTheFirstIsTheBest")
            << u"30:9 30:8 30:8"_s << QStringList{{}, {}, u"1:9 2:8 3:8"_s, {}, {}}
            << QStringList{{}, {}, u"1:9 2:8.5 3:8"_s, {}, {}} << u"2:8"_s
            << u"1:100 2:100 3:100"_s;
    }
    void eachCountShowsItsTimesItsMedianAndItsBest() {
        QFETCH(QString, games);
        QFETCH(QStringList, times);
        QFETCH(QStringList, medians);
        const Trend t = history::trendOf(::games(games));
        for (int i = 0; i < Trend::Counts; ++i)
            QVERIFY(text(t.times[i]) == times[i] && text(t.medians[i]) == medians[i]);
        QTEST(text(t.best), "best");
        QTEST(text(t.rate), "rate");
    }

    void theAxesHoldEveryGameShown_data() {
        QTest::addColumn<QString>("games");
        QTest::addColumn<QList<double>>("axes"); // last x, x tick, time top
        QTest::newRow("noGameLeavesRoomForFiveInOneSecond") << u""_s << QList<double>{5, 1, 1};
        QTest::newRow("theSlowestGameIsATwentiethBelowTheTop")
            << u"10:10 20:80 10:30"_s << QList<double>{5, 1, 84};
        QTest::newRow("twelveGamesTickEveryTwo")
            << u"10:0.5 "_s.repeated(12) << QList<double>{12, 2, 1};
        QTest::newRow("twentyFiveGamesTickEveryThree")
            << u"10:1 "_s.repeated(24) + u"50:200"_s << QList<double>{25, 3, 210};
        QTest::newRow("tenThousandGamesTickEveryFifteenHundred")
            << u"20:40 "_s.repeated(10'000) + u"20:20"_s << QList<double>{10'001, 1'500, 42};
    }
    void theAxesHoldEveryGameShown() {
        QFETCH(QString, games);
        const Trend t = history::trendOf(::games(games));
        QTEST((QList<double>{t.lastX, t.xTick, t.timeTop}), "axes");
        QVERIFY(t.times[1].size() <= 2 * MaxRuns && t.medians[1].size() <= 2 * MaxRuns &&
                t.rate.size() <= 2 * MaxRuns);
    }
};

QTEST_GUILESS_MAIN(TrendTest)
#include "tst_trend.moc"
