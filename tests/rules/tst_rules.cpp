// The pure rules, without a window system: one row per boundary that matters.

#include "design.h"
#include "engine/placement.h"
#include "engine/rules.h"
#include "results/gametext.h"
#include "shell/layout.h"
#include "shell/rangerules.h"

#include <QPoint>
#include <QTest>

#include <array>
#include <deque>

using namespace Qt::Literals::StringLiterals;

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void roundingIsHalfToEven() {
        for (auto [value, expected] :
             {std::pair{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}})
            QCOMPARE(ui::toInteger(value), expected);
    }

    void aClickHitsStrictlyInsideTheChosenRadius_data() {
        QTest::addColumn<bool>("wide");
        QTest::addColumn<bool>("middle");
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("dy");
        QTest::addColumn<bool>("hit");
        QTest::newRow("narrow, just inside") << false << false << 349.9 << 0.0 << true;
        QTest::newRow("narrow, exactly at the radius") << false << false << 0.0 << 350.0 << false;
        QTest::newRow("narrow, diagonal inside") << false << false << 240.0 << 250.0 << true;
        QTest::newRow("narrow, diagonal outside") << false << false << 250.0 << 250.0 << false;
        QTest::newRow("middle, just inside") << false << true << 499.9 << 0.0 << true;
        QTest::newRow("middle, at the radius") << false << true << 500.0 << 0.0 << false;
        QTest::newRow("wide, just inside") << true << false << 699.9 << 0.0 << true;
        QTest::newRow("wide, at the radius") << true << false << 0.0 << 700.0 << false;
    }
    void aClickHitsStrictlyInsideTheChosenRadius() {
        QFETCH(bool, wide);
        QFETCH(bool, middle);
        QFETCH(double, dx);
        QFETCH(double, dy);
        QFETCH(bool, hit);
        QCOMPARE(engine::isHit(3000, 2000, 3000 + dx, 2000 - dy, engine::hitRadius(wide, middle)),
                 hit);
    }

    void theAlertColourIsWhiteOnReddishBackgroundsOnly() {
        using design::Red;
        using design::White;
        const std::array<std::pair<ui::Colour, ui::Colour>, 10> rows = {{
            {200, Red},
            {201, White},
            {255, White},
            {256, Red},
            {ui::RGB(255, 0, 128), White},
            {ui::RGB(255, 128, 128), White},
            {ui::RGB(255, 128, 64), White},
            {ui::RGB(255, 128, 0), White},
            {ui::RGB(255, 128, 65), Red},
            {design::Pale, Red},
        }};
        for (auto [background, expected] : rows)
            QCOMPARE(engine::alertColour(background), expected);
    }

    void aPlacementPassKeepsItsGapsAndMargins_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QPoint>("clickPoint");
        QTest::addColumn<QList<QPoint>>("candidates");
        QTest::addColumn<int>("maxDraws");
        QTest::addColumn<QPoint>("lastPlaced");
        QTest::addColumn<int>("boundReached");
        const QPoint click(5000, 3000);
        QTest::newRow("499 from the click on both axes is too near")
            << 0 << 0 << click << QList<QPoint>{{5499, 3499}, {8000, 5000}} << 100
            << QPoint(8000, 5000) << 0;
        QTest::newRow("500 on one axis is far enough")
            << 7 << 7 << click << QList<QPoint>{{5500, 3000}} << 100 << QPoint(5500, 3000) << 0;
        QTest::newRow("the first number of the pass is tested too")
            << 3 << 4 << QPoint(9000, 5000)
            << QList<QPoint>{{2000, 2000}, {2100, 2400}, {8000, 1000}} << 100 << QPoint(8000, 1000)
            << 0;
        QTest::newRow("centres reach the margins")
            << 0 << 1 << click << QList<QPoint>{{750, 750}, {10250, 5250}} << 100
            << QPoint(10250, 5250) << 0;
        QTest::newRow("past the bound the farthest candidate is taken")
            << 0 << 0 << click << QList<QPoint>{{5100, 3000}, {5300, 3100}, {5200, 3000}} << 3
            << QPoint(5300, 3100) << 1;
    }
    void aPlacementPassKeepsItsGapsAndMargins() {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QPoint, clickPoint);
        QFETCH(QList<QPoint>, candidates);
        QFETCH(int, maxDraws);
        QFETCH(QPoint, lastPlaced);
        QFETCH(int, boundReached);
        // An 11000 x 6000 window: x = 750 + 9500 u, y = 750 + 4500 v.
        std::deque<double> draws;
        for (const QPoint& p : candidates) {
            draws.push_back((p.x() - 750) / 9500.0);
            draws.push_back((p.y() - 750) / 4500.0);
        }
        std::array<int, 101> x{}, y{};
        const auto stats = engine::placementPass(
            x, y, first, last, 11000, 6000, clickPoint.x(), clickPoint.y(),
            [&draws] {
                if (draws.empty())
                    return 0.5;
                const double v = draws.front();
                draws.pop_front();
                return v;
            },
            maxDraws);
        QCOMPARE(QPoint(x[last], y[last]), lastPlaced);
        QCOMPARE(stats.boundReached, boundReached);
        QVERIFY(draws.empty());
    }

    void twoDigitNumbersStartFurtherLeft() {
        QCOMPARE(engine::textLeftOfCentre(9), 250);
        QCOMPARE(engine::textLeftOfCentre(10), 380);
        QCOMPARE(engine::textLeftOfCentre(12), 380);
    }

    void timeTexts_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("summary");
        QTest::newRow("0") << 0 << u"0:00:00"_s << u"00 秒"_s;
        QTest::newRow("59") << 59 << u"0:00:59"_s << u"59 秒"_s;
        QTest::newRow("60") << 60 << u"0:01:00"_s << u"1分 00秒"_s;
        QTest::newRow("3599") << 3599 << u"0:59:59"_s << u"59分 59秒"_s;
        QTest::newRow("3723") << 3723 << u"1:02:03"_s << u"62分 03秒"_s;
    }
    void timeTexts() {
        QFETCH(int, seconds);
        QFETCH(QString, label);
        QFETCH(QString, summary);
        QCOMPARE(results::elapsedText(seconds), label);
        QCOMPARE(results::summaryTimeText(seconds), summary);
    }

    void elapsedSecondsAreTruncated() {
        QCOMPARE(results::elapsedSeconds(10'000, 11'999), 1);
        QCOMPARE(results::elapsedSeconds(10'000, 9'000), 0);
    }

    void theRateRoundsHalvesUp() {
        for (auto [hits, clicks, rate] : {std::tuple{23, 40, 58},
                                          {1, 8, 13},
                                          {1, 3, 33},
                                          {2, 3, 67},
                                          {0, 0, 0},
                                          {1'000'000'000, 2'000'000'000, 50}})
            QCOMPARE(results::correctRate(hits, clicks), rate);
    }

    void summaryAndResultsLine() {
        const results::GameFigures g{10, 10, 12, 75};
        QCOMPARE(results::summaryCaption(g),
                 u"数字 ＝ 10 個\r\n所要時間 ＝ 1分 15秒\r\n正解率 ＝ 83 ％ (10/12)"_s);
        QCOMPARE(results::resultsLine(3, u"太郎"_s, g),
                 u"3,(太郎),‥,10 個,／,1分 15秒,‥,正解率＝,83 %, (10/12)"_s);
    }

    void aRangeFitsWhenItsLastNumberIsAtMost99() {
        // (start button, count button, s1, s2, fits)
        for (auto [start, count, s1, s2, fits] : {std::tuple{0, 13, 0, 49, true},
                                                  {5, 13, 50, 49, true},
                                                  {6, 13, 60, 49, false},
                                                  {8, 10, 80, 19, true},
                                                  {8, 11, 80, 29, false},
                                                  {2, 9, 20, 9, true}}) {
            QCOMPARE(results::startOf(start), s1);
            QCOMPARE(results::spanOf(count), s2);
            QCOMPARE(shell::rangeFits(start, count), fits);
        }
        QCOMPARE(shell::rangeLine(20), u"20から21・22‥と順にクリックしてください"_s);
    }

    void layout() {
        using K = shell::SizeCorrection::Kind;
        QCOMPARE(shell::sizeCorrection(11000, 6000), shell::SizeCorrection{});
        QCOMPARE(shell::sizeCorrection(10000, 5000), (shell::SizeCorrection{K::Width, 11000}));
        QCOMPARE(shell::sizeCorrection(12000, 5999), (shell::SizeCorrection{K::Height, 6000}));
        QCOMPARE(shell::commandBarLeft(20001, 11568), 4166.5);
        QCOMPARE(shell::centredLeft(20000, 7212), 6394.0);
        const shell::BoardText start = shell::startPrompt(20000, 19000);
        QCOMPARE(start.text, u"クリックでスタート！"_s);
        QCOMPARE(QPointF(start.x, start.y), QPointF(7900, 3700));
        const shell::BoardText widen = shell::startPrompt(20000, 18990);
        QCOMPARE(widen.text, u"大きく広げてください。"_s);
        QCOMPARE(QPointF(widen.x, widen.y), QPointF(7595, 1800));
        QCOMPARE(start.fontSize, 24.0);
        const shell::BoardText range = shell::rangeInstruction(20000, 20);
        QCOMPARE(range.text, shell::rangeLine(20));
        QCOMPARE(QPointF(range.x, range.y), QPointF(7600, 4300));
        QCOMPARE(range.fontSize, 16.0);
    }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "tst_rules.moc"
