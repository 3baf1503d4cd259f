// SPDX-License-Identifier: GPL-3.0-or-later

// The detail window of one kept game, driven by the keys, the slider and the
// buttons, on a fixed game of ten numbers with three misses; and opened from
// the history table.

#include "history/detailwindow.h"
#include "history/historywindow.h"
#include "history/numberchart.h"
#include "history/replayview.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QBarSet>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;
using engine::ClickOutcome;
using history::DetailWindow;
using history::GameDetail;

namespace {

// Numbers 0 .. 9 on a board of 12 000 × 7 000 twips; number i stands at
// x = 1 000 + 1 100 i, its height changing with every click. Misses: an empty
// click while 1 is due, 5 while 2 is due, 1 again while 4 is due.
GameDetail fixedGame(GameDetail::Clicks kept = GameDetail::Clicks::Whole) {
    const int due[] = {0, 1, 1, 2, 2, 3, 4, 4, 5, 6, 7, 8, 9};
    const int tMs[] = {400, 700, 1000, 1400, 1600, 2000, 2500, 2700, 2900, 3100, 3400, 3600, 4000};
    GameDetail d;
    d.kept = kept;
    d.game.name = u"花子"_s;
    d.game.count = 10;
    d.game.radius = 500;
    d.game.hits = 10;
    d.game.clicks = 13;
    d.game.elapsedMs = 4000;
    for (int i = 0; i < 13; ++i) {
        engine::ClickRecord r;
        r.seq = i + 1;
        r.tMs = tMs[i];
        r.due = due[i];
        r.outcome = i == 1   ? ClickOutcome::Empty
                    : i == 3 ? ClickOutcome::Early
                    : i == 6 ? ClickOutcome::Again
                             : ClickOutcome::Hit;
        r.touched = i == 3 ? 5 : i == 6 ? 1 : -1;
        r.boardWidth = 12000;
        r.boardHeight = 7000;
        const auto at = [&](int n) {
            return QPoint(1000 + 1100 * n, 1000 + 500 * ((3 * n + r.seq) % 11));
        };
        if (kept == GameDetail::Clicks::Whole)
            for (int n = 0; n < 10; ++n)
                r.positions << at(n);
        r.dueX = at(r.due).x();
        r.dueY = at(r.due).y();
        const QPoint point = i == 1 ? QPoint(11500, 6500) : at(r.touched >= 0 ? r.touched : r.due);
        r.x = point.x();
        r.y = point.y();
        d.game.clickLog << r;
    }
    return d;
}

DetailWindow* openDetailWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = dynamic_cast<DetailWindow*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

} // namespace

class DetailTest : public QObject {
    Q_OBJECT

private slots:
    void aReplayStepsWithTheKeysAndTheSliderAndPlaysAtThePacePlayed() {
        DetailWindow w;
        w.open(fixedGame());
        QCOMPARE(w.windowTitle(), u"記録の詳細"_s);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.replayPart->isVisible() && w.chartsPart->isVisible() && !w.notice->isVisible());
        QCOMPARE(w.replay->click()->seq, 1);
        const auto key = [&](Qt::Key k) {
            QTest::keyClick(QApplication::focusWidget(), k);
            return w.replay->click()->seq;
        };
        QCOMPARE(key(Qt::Key_Right), 2);
        QCOMPARE(key(Qt::Key_End), 13);
        QCOMPARE(key(Qt::Key_Right), 13);
        QCOMPARE(key(Qt::Key_Left), 12);
        QCOMPARE(key(Qt::Key_Home), 1);
        QCOMPARE(key(Qt::Key_Left), 1);
        w.slider->setValue(3);
        QCOMPARE(w.step(), 3);
        QCOMPARE(w.replay->click(), &w.detail().game.clickLog[3]);
        QCOMPARE(w.stepLabel->text(), u"クリック 4 / 13　1.40 秒　次の数字 2　早すぎ（5）"_s);

        // The early click's cross lies on 5 in its colour; 2 is ringed in red.
        const QImage image = w.replay->grab().toImage();
        const QTransform t = w.replay->boardToView();
        QCOMPARE(image.pixelColor(t.map(QPointF(6500, 5000)).toPoint()),
                 history::outcomeColour(ClickOutcome::Early));
        const QPointF ringLeft = t.map(QPointF(3200 - 500, 6000)) - QPointF(2, 0);
        QCOMPARE(image.pixelColor(ringLeft.toPoint()), QColor(255, 0, 0));

        // Played at ×2: each wait is half the player's; it stops at the last click.
        w.speedButtons[1]->click();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(w.playing());
        QCOMPARE(w.cmdPlay.button()->text(), u"停止"_s);
        QCOMPARE(w.playTimer().interval(), (1600 - 1400) / 2);
        QTRY_COMPARE(w.step(), 5);
        QCOMPARE(w.playTimer().interval(), (2500 - 2000) / 2);
        QTRY_VERIFY(!w.playing());
        QCOMPARE(w.step(), 12);
        QCOMPARE(w.cmdPlay.button()->text(), u"再生"_s);
        // From the last click it plays from the first; Space stops it there.
        QTest::mouseClick(w.cmdPlay.button(), Qt::LeftButton);
        QCOMPARE(w.step(), 0);
        QCOMPARE(w.playTimer().interval(), (700 - 400) / 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!w.playing() && !w.playTimer().isActive());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    void theWindowShowsOnlyWhatWasKept_data() {
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("replay");
        QTest::addColumn<bool>("charts");
        QTest::addColumn<QString>("notice");
        QTest::newRow("a game without clicks says so")
            << int(GameDetail::Clicks::None) << false << false << u"クリックの記録がありません"_s;
        QTest::newRow("a game without boards shows its charts but no replay")
            << int(GameDetail::Clicks::NoBoards) << false << true
            << u"盤面の配置を読み込めなかった"_s;
    }
    void theWindowShowsOnlyWhatWasKept() {
        QFETCH(int, kept);
        QFETCH(bool, replay);
        QFETCH(bool, charts);
        QFETCH(QString, notice);
        DetailWindow w;
        w.open(fixedGame(GameDetail::Clicks(kept)));
        QCOMPARE(w.replayPart->isVisible(), replay);
        QCOMPARE(w.chartsPart->isVisible(), charts);
        QVERIFY(w.notice->isVisible() && w.notice->text().contains(notice));
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_Right);
        QTest::keyClick(&w, Qt::Key_Space);
        QVERIFY(w.step() == -1 && !w.playing());
        // The same window then shows a whole game in its place.
        w.open(fixedGame());
        QVERIFY(w.replayPart->isVisible() && !w.notice->isVisible());
        QCOMPARE(w.replay->click()->seq, 1);
    }

    void theChartsShowTheSlowestNumbersAndTheMissesByClass() {
        DetailWindow w;
        w.open(fixedGame(GameDetail::Clicks::NoBoards));
        // 0.4, 0.6, 0.6, 0.4, 0.7, 0.2, 0.2, 0.3, 0.2, 0.4 s: 4, then 1 and 2.
        QCOMPARE(w.chart->slowest->at(4) + w.chart->times->at(4), 0.7);
        QCOMPARE(w.chart->times->at(4) + w.chart->slowest->at(3), 0.0);
        // 0 .. 4 stand on the left half: a median search of 0.3 s against 0.2 s.
        QCOMPARE(w.leftRight->text().section(u'（', 0, 0), u"左右の差：+50.0 %"_s);
    }

    void aDoubleClickOrEnterInTheHistoryOpensOneDetailWindow() {
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir home;
        const QString path = home.filePath(u"junban/history.sqlite"_s);
        testing::TestBoard t(true, path);
        {
            history::Store store(path);
            for (const QString& name : {u"A"_s, u"B"_s}) {
                history::Game g = fixedGame().game;
                g.name = name;
                QVERIFY(store.record(g));
            }
        }
        t->showHistory();
        history::HistoryWindow& h = *t->historyWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h));
        auto* table = h.findChild<QTableView*>(u"table"_s);
        const QRect row0 = table->visualRect(table->model()->index(0, 1));
        // A click chooses the game; the second click of a double click opens it.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row0.center());
        QVERIFY(!openDetailWindow());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row0.center());
        DetailWindow* d = openDetailWindow();
        QVERIFY(d && d->detail().game.name == u"B"_s);
        h.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h));
        table->setFocus();
        table->setCurrentIndex(table->model()->index(1, 1));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(openDetailWindow(), d);
        QCOMPARE(d->detail().game.name, u"A"_s);
        QVERIFY(d->title->text().contains(u"A　0–9　10　中"_s));
    }
};

JUNBAN_TEST_MAIN(DetailTest)
#include "tst_detail.moc"
