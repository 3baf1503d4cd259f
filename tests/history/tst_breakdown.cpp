// SPDX-License-Identifier: GPL-3.0-or-later

// The breakdown of a game's clicks on fixed boards of 10 000 × 6 000 twips,
// whose middle lines are x = 5 000 and y = 3 000.

#include "history/breakdown.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using engine::ClickOutcome;
using engine::ClickRecord;
using history::breakDown;

namespace {

// A click `gap` ms after the one before, with the number due centred at (x, y).
struct Click {
    int x, y;
    ClickOutcome outcome;
    int gap;
    int due = 0;
};

QList<ClickRecord> clicks(const QList<Click>& list) {
    QList<ClickRecord> out;
    qint64 t = 0;
    for (const Click& c : list) {
        ClickRecord r;
        r.seq = int(out.size()) + 1;
        r.tMs = t += c.gap;
        r.due = c.due;
        r.dueX = c.x;
        r.dueY = c.y;
        r.outcome = c.outcome;
        r.boardWidth = 10000;
        r.boardHeight = 6000;
        out << r;
    }
    return out;
}

// A part of the board as "median / misses".
QString part(const history::Region& r) {
    return history::secondsText(r.medianMs) + u" / "_s + QString::number(r.misses);
}

constexpr auto H = ClickOutcome::Hit, E = ClickOutcome::Early, A = ClickOutcome::Again,
               Y = ClickOutcome::Empty;

} // namespace

class BreakdownTest : public QObject {
    Q_OBJECT

private slots:
    void eachNumberTakesTheTimeFromTheHitBeforeWithItsMissesAndTheSlowestComeFirst() {
        const QList<ClickRecord> game = clicks({{1, 1, H, 2000, 0},
                                                {1, 1, Y, 300, 1},
                                                {1, 1, E, 200, 1},
                                                {1, 1, H, 500, 1},
                                                {1, 1, H, 2000, 2},
                                                {1, 1, A, 1000, 3},
                                                {1, 1, H, 2000, 3},
                                                {1, 1, H, 2000, 4}});
        const history::Breakdown b = breakDown(game);
        QCOMPARE(b.numbers.size(), 5);
        QList<qint64> ms;
        for (const history::NumberTime& n : b.numbers)
            ms << n.ms;
        QCOMPARE(ms, QList<qint64>({2000, 1000, 2000, 3000, 2000}));
        QCOMPARE(b.numbers[1].number, 1);
        QCOMPARE(b.numbers[1].misses.early + 10 * b.numbers[1].misses.empty, 11);
        QCOMPARE(b.numbers[3].misses.again, 1);
        QCOMPARE(b.numbers[2].misses.total(), 0);
        QCOMPARE(b.misses.early * 100 + b.misses.again * 10 + b.misses.empty, 111);
        // Of the three numbers of 2 s, the lower ones come first.
        QCOMPARE(b.slowest, QList<int>({3, 0, 2}));
        QCOMPARE(breakDown(game.mid(0, 4)).slowest, QList<int>({0, 1}));
    }

    void wherePartsOfTheBoard_data() {
        QTest::addColumn<QList<ClickRecord>>("game");
        QTest::addColumn<QStringList>("sides"); // left, right
        QTest::addColumn<QStringList>(
            "quadrants"); // top-left, top-right, bottom-left, bottom-right
        QTest::addColumn<QString>("leftRight");
        const QString none = u"— / 0"_s;
        QTest::newRow("a centre exactly on the middle lines lies right and bottom")
            << clicks({{5000, 3000, H, 1000}, {4999, 2999, H, 3000}})
            << QStringList{u"3.00 秒 / 0"_s, u"1.00 秒 / 0"_s}
            << QStringList{u"3.00 秒 / 0"_s, none, none, u"1.00 秒 / 0"_s} << u"+200.0 %"_s;
        QTest::newRow("an even number of hits takes the mean of the middle two, and a miss starts "
                      "the search anew")
            << clicks({{1000, 1000, H, 1000},
                       {1000, 5000, H, 3000},
                       {2000, 1000, E, 500},
                       {2000, 1000, H, 2000},
                       {3000, 5000, H, 9000},
                       {8000, 1000, H, 5000}})
            << QStringList{u"2.50 秒 / 1"_s, u"5.00 秒 / 0"_s}
            << QStringList{u"1.50 秒 / 1"_s, u"5.00 秒 / 0"_s, u"6.00 秒 / 0"_s, none}
            << u"-50.0 %"_s;
        QTest::newRow("an odd number of hits takes the middle one")
            << clicks({{1000, 1000, H, 4000},
                       {1000, 1000, H, 1000},
                       {1000, 1000, H, 2500},
                       {9000, 5000, H, 1000}})
            << QStringList{u"2.50 秒 / 0"_s, u"1.00 秒 / 0"_s}
            << QStringList{u"2.50 秒 / 0"_s, none, none, u"1.00 秒 / 0"_s} << u"+150.0 %"_s;
        QTest::newRow("with no hit on one side there is no median and no difference")
            << clicks({{1000, 1000, H, 2000}, {9000, 1000, A, 1000}, {9000, 5000, Y, 1000}})
            << QStringList{u"2.00 秒 / 0"_s, u"— / 2"_s}
            << QStringList{u"2.00 秒 / 0"_s, u"— / 1"_s, none, u"— / 1"_s} << u"—"_s;
    }
    void wherePartsOfTheBoard() {
        QFETCH(QList<ClickRecord>, game);
        QFETCH(QStringList, sides);
        QFETCH(QStringList, quadrants);
        QFETCH(QString, leftRight);
        const history::Breakdown b = breakDown(game);
        QCOMPARE(QStringList({part(b.sides[history::Left]), part(b.sides[history::Right])}), sides);
        QStringList parts;
        for (const history::Region& r : b.quadrants)
            parts << part(r);
        QCOMPARE(parts, quadrants);
        QCOMPARE(history::percentText(b.leftRightPercent), leftRight);
    }
};

QTEST_GUILESS_MAIN(BreakdownTest)
#include "tst_breakdown.moc"
