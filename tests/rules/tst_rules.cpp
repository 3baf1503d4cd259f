// SPDX-License-Identifier: GPL-3.0-or-later

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

    void aClickHitsStrictlyInsideTheChosenRadius() {
        // (wide selected, middle selected, distance x, distance y, hit)
        for (auto [wide, middle, dx, dy, hit] : {std::tuple{false, false, 349.9, 0.0, true},
                                                 {false, false, 0.0, 350.0, false},
                                                 {false, false, 240.0, 250.0, true},
                                                 {false, false, 250.0, 250.0, false},
                                                 {false, true, 499.9, 0.0, true},
                                                 {false, true, 500.0, 0.0, false},
                                                 {true, false, 699.9, 0.0, true},
                                                 {true, false, 0.0, 700.0, false}})
            QCOMPARE(
                engine::isHit(3000, 2000, 3000 + dx, 2000 - dy, engine::hitRadius(wide, middle)),
                hit);
    }

    void theAlertColourIsWhiteOnReddishBackgroundsOnly() {
        using design::Red;
        using design::White;
        // clang-format off
        const std::pair<ui::Colour, ui::Colour> rows[] = {
            {200, Red}, {201, White}, {255, White}, {256, Red}, {design::Pale, Red},
            {ui::RGB(255, 0, 128), White}, {ui::RGB(255, 128, 128), White},
            {ui::RGB(255, 128, 64), White}, {ui::RGB(255, 128, 0), White}, {ui::RGB(255, 128, 65), Red}};
        // clang-format on
        for (auto [background, expected] : rows)
            QCOMPARE(engine::alertColour(background), expected);
    }

    void aPlacementPassKeepsItsGapsAndMargins() {
        struct Row {
            const char* name;
            int first, last;
            QPoint clickPoint;
            QList<QPoint> candidates;
            int maxDraws;
            QPoint lastPlaced;
            int boundReached;
        };
        const QPoint click(5000, 3000);
        // clang-format off
        const Row rows[] = {
            {"499 on both axes is too near", 0, 0, click, {{5499, 3499}, {8000, 5000}}, 100, {8000, 5000}, 0},
            {"500 on one axis is far enough", 7, 7, click, {{5500, 3000}}, 100, {5500, 3000}, 0},
            {"the first of the pass is tested", 3, 4, {9000, 5000}, {{2000, 2000}, {2100, 2400}, {8000, 1000}}, 100, {8000, 1000}, 0},
            {"centres reach the margins", 0, 1, click, {{750, 750}, {10250, 5250}}, 100, {10250, 5250}, 0},
            {"past the bound the farthest is taken", 0, 0, click, {{5100, 3000}, {5300, 3100}, {5200, 3000}}, 3, {5300, 3100}, 1},
        };
        // clang-format on
        for (const Row& r : rows) {
            // An 11000 x 6000 window: x = 750 + 9500 u, y = 750 + 4500 v.
            std::deque<double> draws;
            for (const QPoint& p : r.candidates)
                draws.insert(draws.end(), {(p.x() - 750) / 9500.0, (p.y() - 750) / 4500.0});
            const auto next = [&draws] {
                const double v = draws.empty() ? 0.5 : draws.front();
                if (!draws.empty())
                    draws.pop_front();
                return v;
            };
            std::array<int, 101> x{}, y{};
            const auto stats =
                engine::placementPass(x, y, r.first, r.last, 11000, 6000, r.clickPoint.x(),
                                      r.clickPoint.y(), next, r.maxDraws);
            QVERIFY2(QPoint(x[r.last], y[r.last]) == r.lastPlaced && draws.empty(), r.name);
            QVERIFY2(stats.boundReached == r.boundReached, r.name);
        }
    }

    void twoDigitNumbersStartFurtherLeft() {
        QCOMPARE(engine::textLeftOfCentre(9), 250);
        QCOMPARE(engine::textLeftOfCentre(10), 380);
        QCOMPARE(engine::textLeftOfCentre(12), 380);
    }

    void timeTexts() {
        // (seconds, elapsed-time label, summary and results line)
        for (auto [seconds, label, summary] : {std::tuple{0, u"0:00:00"_s, u"00 秒"_s},
                                               {59, u"0:00:59"_s, u"59 秒"_s},
                                               {60, u"0:01:00"_s, u"1分 00秒"_s},
                                               {3599, u"0:59:59"_s, u"59分 59秒"_s},
                                               {3723, u"1:02:03"_s, u"62分 03秒"_s}}) {
            QCOMPARE(results::elapsedText(seconds), label);
            QCOMPARE(results::summaryTimeText(seconds), summary);
        }
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
