// SPDX-License-Identifier: GPL-3.0-or-later

// What the board hands to the history: one row per finished game with the
// figures of its results line, nothing for an abandoned game, and a game
// that plays exactly as before when its history cannot be kept.

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

using namespace Qt::Literals::StringLiterals;
using testing::TestBoard;

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
