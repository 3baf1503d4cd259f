// SPDX-License-Identifier: GPL-3.0-or-later

// What the board hands to the history: one row per finished game with the
// figures of its results line and every click after the start click,
// nothing for an abandoned game, and a game that plays exactly as before
// when its history cannot be kept.

#include "history/recorder.h"
#include "history/store.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using testing::TestBoard;
using Outcome = engine::ClickOutcome;

namespace {
// A kept click as one line, so that a comparison shows every field.
QString text(const QList<qint64>& figures, Outcome outcome, const QList<QPoint>& board) {
    QStringList f{engine::outcomeName(outcome)};
    for (qint64 v : figures)
        f << QString::number(v);
    for (QPoint p : board)
        f << u"%1,%2"_s.arg(p.x()).arg(p.y());
    return f.join(u' ');
}
QStringList texts(const QList<engine::ClickRecord>& log) {
    QStringList out;
    for (const engine::ClickRecord& r : log)
        out << text({r.seq, r.tMs, r.x, r.y, r.due, r.dueX, r.dueY, r.distance, r.touched,
                     r.boardWidth, r.boardHeight},
                    r.outcome, r.positions);
    return out;
}
} // namespace

class HistoryTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyFinishedGameIsKeptOnceAnAbandonedOneNever() {
        const QString path = dir.filePath(u"history.sqlite"_s);
        TestBoard t(true, path);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        t.playGame(2, 65);

        QTest::mouseClick(t->opt1[5].radio(), Qt::LeftButton);  // from 50
        QTest::mouseClick(t->opt1[10].radio(), Qt::LeftButton); // 20 numbers
        QTest::mouseClick(t->opt6[2].radio(), Qt::LeftButton);  // wide
        t->txt1.lineEdit()->setText(u"花,\"子\""_s);
        t.clickStart();
        t.clickDue();
        QTest::mouseClick(t->cmdStp.button(), Qt::LeftButton); // abandoned
        t.playGame(0, 9);
        t->recorder().flush();

        const QList<history::Game> games = history::Store(path).games({});
        QList<QVariantList> rows;
        for (const history::Game& g : games)
            rows.append(
                {g.name, g.firstNumber, g.count, g.radius, g.elapsedMs, g.hits, g.clicks, g.line});
        QCOMPARE(rows, (QList<QVariantList>{
                           {u"無名"_s, 20, 10, 350, 65000, 10, 12,
                            u"1,(無名),‥,10 個,／,1分 05秒,‥,正解率＝,83 %, (10/12)"_s},
                           {u"花,\"子\""_s, 50, 20, 700, 9000, 20, 20,
                            u"2,(花,\"子\"),‥,20 個,／,09 秒,‥,正解率＝,100 %, (20/20)"_s}}));
        QVERIFY(games[0].finished >= before && games[1].finished <= QDateTime::currentDateTime());
        QCOMPARE(t->recorder().notice(), QString());
    }

    // Misses of each kind, each click at a time of its own: every click after
    // the start click goes with the game, with the board as it stood.
    void everyClickAfterTheStartGoesWithTheGameAnAbandonedOneLeavesNone() {
        const QString path = dir.filePath(u"clicks.sqlite"_s);
        TestBoard t(true, path);
        t.clickStart();
        t.clickDue();
        QCOMPARE(t->clickLog.size(), 1);
        QTest::mouseClick(t->cmdStp.button(), Qt::LeftButton); // abandoned
        t.clickStart();
        QVERIFY(t->clickLog.isEmpty());
        QTest::mouseClick(t->opt6[1].radio(), Qt::LeftButton); // middle: 500 twips
        const std::int64_t startMs = t.fakes.clock.ms;
        QStringList expected;
        const auto step = [&](int aimedAt, Outcome outcome, int touched = -1, int dx = 0) {
            const int due = t->s1 + t->c;
            const QPointF p =
                aimedAt < 0 ? t.missPoint() : QPointF(t->posX[aimedAt] + dx, t->posY[aimedAt]);
            QList<QPoint> board;
            for (int n = t->s1; n <= t->s1 + t->s2; ++n)
                board << QPoint(t->posX[n], t->posY[n]);
            const QPoint centre = board[due - t->s1];
            t.fakes.clock.ms += 300 + 7 * expected.size();
            const qint64 distance =
                ui::toInteger(std::hypot(p.x() - centre.x(), p.y() - centre.y()));
            expected << text({expected.size() + 1, t.fakes.clock.ms - startMs, ui::toInteger(p.x()),
                              ui::toInteger(p.y()), due, centre.x(), centre.y(), distance, touched,
                              11010, 6000},
                             outcome, board);
            t.click(p);
        };
        const int s1 = t->s1;
        step(s1 + 1, Outcome::Early, s1 + 1);
        step(s1, Outcome::Hit, -1, 400);
        step(s1, Outcome::Again, s1);
        step(-1, Outcome::Empty);
        for (int n = s1 + 1; n < s1 + t->s2; ++n)
            step(n, Outcome::Hit);
        QCOMPARE(texts(t->clickLog), expected);
        step(s1 + t->s2, Outcome::Hit);
        QVERIFY(t->clickLog.isEmpty());
        t->recorder().flush();

        const history::Store store(path);
        const history::Game game = store.games({}).value(0);
        QCOMPARE(game.clicks, expected.size());
        QCOMPARE(game.hits, t->s2 + 1);
        const std::optional<history::GameDetail> detail = store.detail(game.id);
        QVERIFY(detail);
        // What the store read back: the final hit too, at the game's elapsed time.
        QCOMPARE(detail->kept, history::GameDetail::Clicks::Whole);
        QCOMPARE(texts(detail->game.clickLog), expected);
        QCOMPARE(detail->game.clickLog.last().tMs, game.elapsedMs);
    }

    void aHistoryThatCannotBeKeptLeavesTheGameAsItWas() {
        QFile plain(dir.filePath(u"plain"_s)); // a file where the folder should be
        QVERIFY(plain.open(QIODevice::WriteOnly));
        const QString path = dir.filePath(u"plain/junban/history.sqlite"_s);
        TestBoard t(true, path);
        QSignalSpy recorded(&t->recorder(), &history::Recorder::recorded);
        t.playGame(0, 3);
        QCOMPARE(t->Itiran, u"\r\n1,(無名),‥,10 個,／,03 秒,‥,正解率＝,100 %, (10/10)"_s);
        QCOMPARE(t->lbl4.caption(),
                 u"数字 ＝ 10 個\r\n所要時間 ＝ 03 秒\r\n正解率 ＝ 100 ％ (10/10)"_s);
        t.playGame(0, 4);
        QCOMPARE(t->Itiran.count(u"\r\n"_s), 2);
        QTRY_COMPARE(recorded.count(), 2);
        QVERIFY(t->recorder().notice().startsWith(u"記録を保存できません"_s));
        QVERIFY(t->recorder().notice().contains(dir.filePath(u"plain/junban"_s)));
        QCOMPARE(history::Store(path).state(), history::Store::State::Unavailable);
    }
};

JUNBAN_TEST_MAIN(HistoryTest)
#include "tst_history.moc"
