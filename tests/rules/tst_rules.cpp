// SPDX-License-Identifier: GPL-3.0-or-later

// The pure rules, without a window system: one named row per boundary that matters.

#include "design.h"
#include "engine/clicks.h"
#include "engine/placement.h"
#include "engine/rules.h"
#include "results/gametext.h"
#include "shell/layout.h"
#include "shell/rangerules.h"

#include <QPoint>
#include <QTest>

#include <array>
#include <deque>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace {
// One placement pass: numbers first .. last around a click, the candidates
// drawn in turn, and where the last number lands.
struct PassRow {
    int first, last;
    QPoint click;
    QList<QPoint> candidates;
    int maxDraws;
    QPoint lastPlaced;
    int boundReached;
};
} // namespace

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
        QTest::newRow("narrow, on the radius") << false << false << 0.0 << 350.0 << false;
        QTest::newRow("narrow, diagonal outside") << false << false << 250.0 << 250.0 << false;
        QTest::newRow("middle, just inside") << false << true << 499.9 << 0.0 << true;
        QTest::newRow("middle, on the radius") << false << true << 0.0 << 500.0 << false;
        QTest::newRow("wide, just inside") << true << false << 0.0 << 699.9 << true;
        QTest::newRow("wide, on the radius") << true << false << 700.0 << 0.0 << false;
    }
    void aClickHitsStrictlyInsideTheChosenRadius() {
        QFETCH(bool, wide);
        QFETCH(bool, middle);
        QFETCH(double, dx);
        QFETCH(double, dy);
        QFETCH(bool, hit);
        const int radius = engine::hitRadius(wide, middle);
        QCOMPARE(engine::isHit(3000, 2000, 3000 + dx, 2000 - dy, radius), hit);
        QCOMPARE(engine::isHit(2000, 3000, 2000 - dy, 3000 + dx, radius), hit);
    }

    // Numbers 10 .. 15 with 12 due: 10 and 11 found, 13 .. 15 to come.
    void aMissIsJudgedByTheNearestNumberWithinTheRadius_data() {
        QTest::addColumn<int>("radius");
        QTest::addColumn<QPointF>("click");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("touched");
        const auto row = [](const char* name, int radius, QPointF click, const char* outcome,
                            int touched = -1) {
            QTest::newRow(name) << radius << click << QString::fromLatin1(outcome) << touched;
        };
        row("exactly at the radius of the due number is empty", 500, {5000, 500}, "empty");
        row("a little closer is a hit", 500, {5000, 500.1}, "hit");
        row("exactly at the radius of a found number is empty", 500, {1500, 1000}, "empty");
        row("a little closer to a found number is again", 500, {1499.9, 1000}, "again", 10);
        row("exactly at the radius of a number to come is empty", 700, {8000, 300}, "empty");
        row("a little closer to a number to come is early", 700, {8000, 300.1}, "early", 14);
        row("the due number wins over a nearer one", 700, {5400, 1000}, "hit");
        row("out of the due number's radius the nearer one counts", 350, {5400, 1000}, "early", 15);
        row("of two at the same distance the lower one counts", 350, {3300, 3000}, "again", 11);
        row("the nearer of two counts though it is higher", 500, {3400, 3000}, "early", 13);
        row("the nearer of two counts though it is lower", 500, {3200, 3000}, "again", 11);
    }
    void aMissIsJudgedByTheNearestNumberWithinTheRadius() {
        QFETCH(int, radius);
        QFETCH(QPointF, click);
        std::array<int, 16> x{}, y{};
        for (auto [n, cx, cy] : {std::tuple{10, 1000, 1000},
                                 {11, 3000, 3000},
                                 {12, 5000, 1000},
                                 {13, 3600, 3000},
                                 {14, 8000, 1000},
                                 {15, 5600, 1000}})
            std::tie(x[n], y[n]) = std::pair(cx, cy);
        const engine::ClickClass c =
            engine::classifyClick(x, y, 10, 15, 12, click.x(), click.y(), radius);
        QTEST(engine::outcomeName(c.outcome), "outcome");
        QTEST(c.touched, "touched");
    }

    void theAlertColourIsWhiteOnReddishBackgroundsOnly_data() {
        QTest::addColumn<ui::Colour>("background");
        QTest::addColumn<ui::Colour>("expected");
        QTest::newRow("200 is red") << 200 << design::Red;
        QTest::newRow("201 is white") << 201 << design::White;
        QTest::newRow("255 is white") << 255 << design::White;
        QTest::newRow("256 is red") << 256 << design::Red;
        QTest::newRow("pink") << ui::RGB(255, 0, 128) << design::White;
        QTest::newRow("salmon") << ui::RGB(255, 128, 128) << design::White;
        QTest::newRow("apricot") << ui::RGB(255, 128, 64) << design::White;
        QTest::newRow("next to apricot") << ui::RGB(255, 128, 65) << design::Red;
        QTest::newRow("orange") << ui::RGB(255, 128, 0) << design::White;
    }
    void theAlertColourIsWhiteOnReddishBackgroundsOnly() {
        QFETCH(ui::Colour, background);
        QFETCH(ui::Colour, expected);
        QCOMPARE(engine::alertColour(background), expected);
    }

    // An 11000 x 6000 window: x = 750 + 9500 u, y = 750 + 4500 v.
    void aPlacementPassKeepsItsGapsAndMargins_data() {
        QTest::addColumn<PassRow>("row");
        const QPoint click(5000, 3000);
        // clang-format off
        QTest::newRow("499 on both axes from the click is too near") << PassRow{0, 0, click, {{5499, 3499}, {8000, 5000}}, 100, {8000, 5000}, 0};
        QTest::newRow("500 on one axis is far enough") << PassRow{7, 7, click, {{5500, 3000}}, 100, {5500, 3000}, 0};
        QTest::newRow("the first of the pass is tested") << PassRow{3, 4, {9000, 5000}, {{2000, 3000}, {2100, 3300}, {8000, 1000}}, 100, {8000, 1000}, 0};
        QTest::newRow("centres reach the margins") << PassRow{0, 1, click, {{750, 750}, {10250, 5250}}, 100, {10250, 5250}, 0};
        QTest::newRow("past the bound the farthest is taken") << PassRow{0, 0, click, {{5100, 3000}, {5300, 3100}, {5200, 3000}}, 3, {5300, 3100}, 1};
        // clang-format on
    }
    void aPlacementPassKeepsItsGapsAndMargins() {
        QFETCH(PassRow, row);
        std::deque<double> draws;
        for (const QPoint& p : row.candidates)
            draws.insert(draws.end(), {(p.x() - 750) / 9500.0, (p.y() - 750) / 4500.0});
        const auto next = [&draws] {
            const double v = draws.empty() ? 0.5 : draws.front();
            if (!draws.empty())
                draws.pop_front();
            return v;
        };
        std::array<int, 101> x{}, y{};
        const auto stats = engine::placementPass(x, y, row.first, row.last, 11000, 6000,
                                                 row.click.x(), row.click.y(), next, row.maxDraws);
        QCOMPARE(QPoint(x[row.last], y[row.last]), row.lastPlaced);
        QVERIFY(draws.empty());
        QCOMPARE(stats.boundReached, row.boundReached);
    }

    void aNumberWithNoFreePlaceIsGivenUpAfterTenThousandDraws() {
        std::array<int, 101> x{}, y{};
        const auto stats =
            engine::placementPass(x, y, 0, 0, 1600, 1600, 800, 800, [] { return 0.5; });
        QCOMPARE(stats.draws, 10'000);
        QCOMPARE(QPoint(x[0], y[0]), QPoint(800, 800));
    }

    void twoDigitNumbersStartFurtherLeft() {
        QCOMPARE(engine::textLeftOfCentre(9), 250);
        QCOMPARE(engine::textLeftOfCentre(10), 380);
        QCOMPARE(engine::textLeftOfCentre(12), 380);
    }

    void theClockShowsHoursAndTheSummaryShowsMinutes_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("summary");
        QTest::newRow("none") << 0 << u"0:00:00"_s << u"00 秒"_s;
        QTest::newRow("59 seconds") << 59 << u"0:00:59"_s << u"59 秒"_s;
        QTest::newRow("a minute") << 60 << u"0:01:00"_s << u"1分 00秒"_s;
        QTest::newRow("65 seconds") << 65 << u"0:01:05"_s << u"1分 05秒"_s;
        QTest::newRow("an hour less a second") << 3599 << u"0:59:59"_s << u"59分 59秒"_s;
        QTest::newRow("an hour and more") << 3723 << u"1:02:03"_s << u"62分 03秒"_s;
        QTest::newRow("ten hours") << 36000 << u"10:00:00"_s << u"600分 00秒"_s;
    }
    void theClockShowsHoursAndTheSummaryShowsMinutes() {
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

    void theRateRoundsHalvesUp_data() {
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("rate");
        QTest::newRow("57.5 gives 58") << 23 << 40 << 58;
        QTest::newRow("12.5 gives 13") << 1 << 8 << 13;
        QTest::newRow("a third gives 33") << 1 << 3 << 33;
        QTest::newRow("two thirds give 67") << 2 << 3 << 67;
        QTest::newRow("no clicks give 0") << 0 << 0 << 0;
        QTest::newRow("huge counts do not overflow") << 1'000'000'000 << 2'000'000'000 << 50;
    }
    void theRateRoundsHalvesUp() {
        QFETCH(int, hits);
        QFETCH(int, clicks);
        QFETCH(int, rate);
        QCOMPARE(results::correctRate(hits, clicks), rate);
    }

    void theSummaryAndTheResultsLineShowTheSameFigures() {
        const results::GameFigures g{10, 10, 12, 75};
        QCOMPARE(results::summaryCaption(g),
                 u"数字 ＝ 10 個\r\n所要時間 ＝ 1分 15秒\r\n正解率 ＝ 83 ％ (10/12)"_s);
        QCOMPARE(results::resultsLine(3, u"太郎"_s, g),
                 u"3,(太郎),‥,10 個,／,1分 15秒,‥,正解率＝,83 %, (10/12)"_s);
    }

    void aRangeFitsWhenItsLastNumberIsAtMost99_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("s1");
        QTest::addColumn<int>("s2");
        QTest::addColumn<bool>("fits");
        QTest::newRow("0 to 49") << 0 << 13 << 0 << 49 << true;
        QTest::newRow("50 to 99") << 5 << 13 << 50 << 49 << true;
        QTest::newRow("60 to 109") << 6 << 13 << 60 << 49 << false;
        QTest::newRow("80 to 99") << 8 << 10 << 80 << 19 << true;
        QTest::newRow("80 to 109") << 8 << 11 << 80 << 29 << false;
        QTest::newRow("20 to 29") << 2 << 9 << 20 << 9 << true;
    }
    void aRangeFitsWhenItsLastNumberIsAtMost99() {
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(int, s1);
        QFETCH(int, s2);
        QFETCH(bool, fits);
        QCOMPARE(results::startOf(start), s1);
        QCOMPARE(results::spanOf(count), s2);
        QCOMPARE(shell::rangeFits(start, count), fits);
    }

    void theStartScreenIsLaidOutFromTheOuterWidth() {
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
        const shell::BoardText range = shell::rangeInstruction(20000, 80);
        QCOMPARE(range.text, u"80から81・82‥と順にクリックしてください"_s);
        QCOMPARE(QPointF(range.x, range.y), QPointF(7600, 4300));
        QCOMPARE(range.fontSize, 16.0);
    }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "tst_rules.moc"
