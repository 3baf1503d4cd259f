// SPDX-License-Identifier: GPL-3.0-or-later

// The history window as a player reaches it (成績, then 記録), on games played on the
// board or kept through a store of the test's own, in a scratch home.

#include "history/gamesmodel.h"
#include "history/historywindow.h"
#include "history/progresschart.h"
#include "history/store.h"
#include "history/trend.h"
#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QValueAxis>

using namespace Qt::Literals::StringLiterals;
using history::HistoryWindow;
using testing::TestBoard;

namespace {

// The window's controls, found by their names as tools outside it find them.
struct Controls {
    HistoryWindow& w;
    template <class T> T* get(const QString& name) const { return w.findChild<T*>(name); }
    QComboBox* playerBox = get<QComboBox>(u"playerBox"_s);
    QComboBox* countBox = get<QComboBox>(u"countBox"_s);
    QLabel* notice = get<QLabel>(u"notice"_s);
    QTableView* table = get<QTableView>(u"table"_s);
    history::GamesModel* rows = static_cast<history::GamesModel*>(table->model());
    QPushButton* cmdCsv = get<QPushButton>(u"cmdCsv"_s);
    QPushButton* cmdSakujo = get<QPushButton>(u"cmdSakujo"_s);
    QLabel* status = get<QLabel>(u"status"_s);
};

// 成績, then 記録 on the results window.
Controls openHistory(TestBoard& t) {
    QTest::mouseClick(t->cmdHyou.button(), Qt::LeftButton);
    QTest::mouseClick(t->frm2()->cmdKiroku.button(), Qt::LeftButton);
    return {*t->historyWindow()};
}

// Presses `b`, answers its message box with the button `answer`; returns the box's text.
QString pressAndAnswer(QPushButton* b, const QString& answer) {
    QString text;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer.stop();
            text = box->text();
            for (QAbstractButton* a : box->buttons())
                if (a->text() == answer)
                    a->click();
        }
    });
    timer.start(0);
    QTest::mouseClick(b, Qt::LeftButton);
    return text;
}

QStringList row(const Controls& h, int r) {
    QStringList cells;
    for (int c = 0; c < history::GamesModel::Columns; ++c)
        cells << h.rows->index(r, c).data().toString();
    return cells;
}

void clickRow(const Controls& h, int r, Qt::KeyboardModifiers keys = {}) {
    const QRect cell = h.table->visualRect(h.rows->index(r, 0));
    QTest::mouseClick(h.table->viewport(), Qt::LeftButton, keys, cell.center());
}

// The chart draws trendOf() of the games in the table, its axes holding them all.
void drawsTheTableGames(const Controls& h) {
    const history::Trend t = history::trendOf(h.rows->games());
    const auto& c = *static_cast<history::ProgressChart*>(h.get<QChartView>(u"chart"_s));
    for (int i = 0; i < t.Counts; ++i)
        QVERIFY(c.times[i]->points() == t.times[i] && c.medians[i]->points() == t.medians[i]);
    QVERIFY(c.best->points() == t.best && c.rate->points() == t.rate);
    const auto* x = static_cast<QValueAxis*>(c.best->attachedAxes()[0]);
    const auto* y = static_cast<QValueAxis*>(c.best->attachedAxes()[1]);
    QVERIFY(x->max() == t.lastX && x->tickInterval() == t.xTick && y->max() >= t.timeTop);
}

history::Game game(const QString& name, int count, qint64 ms, int clicks = 0) {
    const QDateTime finished(QDate(2026, 12, 7), QTime(18, 3, 12));
    return {0, finished, name, 0, count, 0, ms, count, clicks ? clicks : count, {}, {}};
}

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_; // the data folder lies in it
    QString path_ = home_.filePath(u"junban/history.sqlite"_s);

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() { QDir(QFileInfo(path_).path()).removeRecursively(); }

    void aGameReachedByTheFifthButtonShowsAndNewGamesFollow() {
        TestBoard t(true, path_);
        t->txt1.lineEdit()->setText(u"花子"_s);
        t.playGame(2, 65);
        QTest::mouseClick(t->cmdHyou.button(), Qt::LeftButton);
        // 記録 comes fifth, on a frame widened for it, and last in the keyboard order.
        results::Frm2& r = *t->frm2();
        ui::CommandButton& k = r.cmdKiroku;
        QCOMPARE(r.fra3.width(), 4932.0);
        QCOMPARE(QRectF(k.left(), k.top(), k.width(), k.height()), QRectF(3960, 150, 850, 372));
        QCOMPARE(k.button()->text(), u"記録"_s);
        QCOMPARE(k.toolTipText(), u"これまでの記録を表示します"_s);
        QTRY_VERIFY(r.cmdTxet.hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(k.hasFocus());

        Controls h = openHistory(t);
        QTRY_COMPARE(row(h, 0).mid(1), QStringList({u"花子"_s, u"20–29"_s, u"10"_s, u"狭"_s,
                                                    u"1分 05秒"_s, u"83 % (10/12)"_s}));
        // Another game while the window is open: it shows at the top.
        t->opt6[1].radio()->click();
        t.playGame(0, 9.5);
        QTRY_COMPARE(h.rows->rowCount(), 2);
        QCOMPARE(row(h, 0).mid(3), QStringList({u"10"_s, u"中"_s, u"09 秒"_s, u"100 % (10/10)"_s}));
        // Asked for again, behind another window or minimised, it comes to the front.
        t->form().activateWindow();
        QTRY_VERIFY(!h.w.isActiveWindow());
        openHistory(t);
        QTRY_VERIFY(h.w.isActiveWindow());
        h.w.showMinimized();
        openHistory(t);
        QTRY_VERIFY(!h.w.isMinimized() && h.w.isActiveWindow());
        QTest::keyClick(&h.w, Qt::Key_Escape);
        QVERIFY(!h.w.isVisible());
    }

    void theFiltersChooseAndDeletingAndExportTakeTheRowsShown() {
        history::Store store(path_); // the test's own, open beside the window's
        for (const history::Game& g :
             {game(u"A"_s, 10, 30'000), game(u""_s, 10, 5'000), game(u"A"_s, 10, 10'000),
              game(u"A"_s, 20, 70'000), game(u"A"_s, 10, 20'000), game(u"A"_s, 10, 40'000),
              game(u"A"_s, 10, 35'000), game(u"名,\"前\""_s, 20, 50'000, 40)})
            QVERIFY(store.record(g));
        TestBoard t(true, path_);
        t->txt1.lineEdit()->setText(u"A"_s);
        Controls h = openHistory(t);
        QCOMPARE(h.playerBox->currentText(), u"A"_s);
        QCOMPARE(h.countBox->currentText(), u"20"_s); // the last game's count

        h.countBox->setCurrentIndex(h.countBox->findText(u"10"_s));
        QCOMPARE(h.rows->rowCount(), 5);

        // すべて for both, kept after a game though one game has no name.
        h.countBox->setCurrentIndex(0);
        h.playerBox->setCurrentIndex(0);
        h.w.refresh();
        QCOMPARE(h.rows->rowCount(), 8);
        drawsTheTableGames(h);

        // Newest first: 50 s, 35 s, 40 s, 20 s, ...; the second and the fourth go.
        clickRow(h, 1);
        clickRow(h, 3, Qt::ControlModifier);
        QVERIFY(pressAndAnswer(h.cmdSakujo, u"やめる"_s).contains(u"2 件"_s));
        QCOMPARE(h.rows->rowCount(), 8);
        pressAndAnswer(h.cmdSakujo, u"削除する"_s);

        QString suggested;
        h.w.chooseFile = [&](const QString& s) {
            suggested = s;
            return home_.filePath(u"out.csv"_s);
        };
        pressAndAnswer(h.cmdCsv, u"ゲーム"_s);
        QCOMPARE(suggested,
                 QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                     .filePath(u"junban-history.csv"_s));
        QFile file(home_.filePath(u"out.csv"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 8); // header, six games, the end of the last line
        QVERIFY(lines[1].contains(",\"名,\"\"前\"\"\","));
        const QByteArray kept[] = {",50.000,", ",40.000,", ",70.000,",
                                   ",10.000,", ",5.000,",  ",30.000,"};
        for (int i = 0; i < 6; ++i) // as the table shows them, the two chosen gone
            QVERIFY(lines[i + 1].contains(kept[i]));

        // A file that cannot be written: the player is told, in Japanese.
        h.w.chooseExport = [] {
            return history::ExportChoice::Games;
        };
        h.w.chooseFile = [&](const QString&) {
            return home_.filePath(u"no/such/folder.csv"_s);
        };
        QVERIFY(
            pressAndAnswer(h.cmdCsv, u"OK"_s).startsWith(u"CSVファイルを保存できませんでした。"_s));

        // クリック: every click of the games shown (none kept here), the sidecar beside them.
        h.w.chooseExport = {};
        h.w.chooseFile = [&](const QString& s) {
            suggested = s;
            return home_.filePath(u"clicks.csv"_s);
        };
        pressAndAnswer(h.cmdCsv, u"クリック"_s);
        QVERIFY(suggested.endsWith(u"/junban-clicks.csv"_s) &&
                QFile::exists(home_.filePath(u"clicks.json"_s)));
        QVERIFY(h.status->text().endsWith(
            u" に保存しました。（クリックの記録がない 6 ゲームを除く）"_s));
    }

    void theWindowSaysWhatBecameOfTheFile() {
        const QString folder = QFileInfo(path_).path();
        QDir().mkpath(folder);
        QFile broken(path_);
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write(QByteArray(4096, 'x')) > 0);
        broken.close();
        {
            TestBoard t(true, path_);
            Controls h = openHistory(t);
            QVERIFY(h.notice->isVisible() && !h.notice->text().isEmpty());
            QTest::keyClick(&h.w, Qt::Key_Escape);
            QVERIFY(!openHistory(t).notice->isVisible()); // said once
        }
        { // Written by a newer version (user_version 99, at byte 60 of the header): shown, kept.
            QVERIFY(history::Store(path_).record(game(u"A"_s, 10, 1000)));
            QFile file(path_);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(60) &&
                    file.write(QByteArray("\0\0\0\x63", 4)) == 4);
            file.close();
            TestBoard t(true, path_);
            Controls h = openHistory(t);
            clickRow(h, 0);
            QVERIFY(h.notice->isVisible() && h.rows->rowCount() == 1 && !h.cmdSakujo->isEnabled());
        }
        // The data folder is a file: nothing can be kept there, yet the game goes on.
        QDir(folder).removeRecursively();
        QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
        TestBoard t(true, path_);
        Controls h = openHistory(t);
        QVERIFY(h.notice->isVisible() && h.notice->text().contains(folder));
        QTest::keyClick(&h.w, Qt::Key_Escape);
        QVERIFY(openHistory(t).notice->isVisible()); // said as long as it holds
        t.playGame();
        QVERIFY(openHistory(t).notice->text().contains(folder));
        QVERIFY(h.rows->rowCount() == 0 && !h.cmdCsv->isEnabled() && !h.cmdSakujo->isEnabled());
    }
};

JUNBAN_TEST_MAIN(HistoryWindowTest)
#include "tst_historywindow.moc"
