// SPDX-License-Identifier: GPL-3.0-or-later

// The history window as a player reaches it (成績, then 記録), on games played on the
// board or kept through a store of the test's own, in a scratch home.

#include "history/gamestable.h"
#include "history/historywindow.h"
#include "history/progresschart.h"
#include "history/store.h"
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

using namespace Qt::Literals::StringLiterals;
using history::HistoryWindow;
using testing::TestBoard;

namespace {

void press(ui::CommandButton& b) {
    QTest::mouseClick(b.button(), Qt::LeftButton);
}

// 成績, then 記録 on the results window.
HistoryWindow& openHistory(TestBoard& t) {
    press(t->cmdHyou);
    press(t->frm2()->cmdKiroku);
    HistoryWindow* w = t->historyWindow();
    Q_ASSERT(w && w->isVisible());
    return *w;
}

// Presses `b`, answers its message box with the button `answer`; returns the box's text.
QString pressAndAnswer(ui::CommandButton& b, const QString& answer) {
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
    press(b);
    return text;
}

QStringList row(const HistoryWindow& w, int r) {
    QStringList cells;
    for (int c = 0; c < history::GamesTable::Columns; ++c)
        cells << w.rows->index(r, c).data().toString();
    return cells;
}

history::Game game(const QString& name, int count, qint64 ms, int clicks = 0) {
    history::Game g;
    g.finished = QDateTime(QDate(2026, 12, 7), QTime(18, 3, 12));
    g.name = name;
    g.count = count;
    g.elapsedMs = ms;
    g.hits = count;
    g.clicks = clicks ? clicks : count;
    return g;
}

QList<double> ys(const QXYSeries* s) {
    QList<double> out;
    for (const QPointF& p : s->points())
        out << p.y();
    return out;
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
        press(t->cmdHyou);
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

        HistoryWindow& w = openHistory(t);
        QTRY_COMPARE(row(w, 0).mid(1), QStringList({u"花子"_s, u"20–29"_s, u"10"_s, u"狭"_s,
                                                    u"1分 05秒"_s, u"83 % (10/12)"_s}));
        // Another game while the window is open: it shows at the top.
        t->opt6[1].radio()->click();
        t.playGame(0, 9.5);
        QTRY_COMPARE(w.rows->rowCount(), 2);
        QCOMPARE(row(w, 0).mid(3), QStringList({u"10"_s, u"中"_s, u"09 秒"_s, u"100 % (10/10)"_s}));
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
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
        HistoryWindow& w = openHistory(t);
        QCOMPARE(w.playerBox->currentText(), u"A"_s);
        QCOMPARE(w.countBox->currentText(), u"20"_s); // the last game's count

        w.countBox->setCurrentIndex(w.countBox->findText(u"10"_s));
        QCOMPARE(w.rows->rowCount(), 5);
        QCOMPARE(ys(w.chart->medians[0]), QList<double>({30, 20, 20, 25, 30}));

        // すべて for both, kept after a game though one game has no name.
        w.countBox->setCurrentIndex(0);
        w.playerBox->setCurrentIndex(0);
        w.refresh();
        QCOMPARE(w.rows->rowCount(), 8);
        QCOMPARE(ys(w.chart->best), QList<double>({5, 50})); // each count's best
        QCOMPARE(ys(w.chart->rate).last(), 50.0);

        // Newest first: 50 s, 35 s, 40 s, 20 s, ...; the second and the fourth go.
        w.table->selectRow(1);
        w.table->selectionModel()->select(w.rows->index(3, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(pressAndAnswer(w.cmdSakujo, u"やめる"_s).contains(u"2 件"_s));
        QCOMPARE(w.rows->rowCount(), 8);
        pressAndAnswer(w.cmdSakujo, u"削除する"_s);
        QCOMPARE(store.games({}).size(), 6);

        QString suggested;
        w.chooseFile = [&](const QString& s) {
            suggested = s;
            return home_.filePath(u"out.csv"_s);
        };
        pressAndAnswer(w.cmdCsv, u"ゲーム"_s);
        QCOMPARE(suggested,
                 QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                     .filePath(u"junban-history.csv"_s));
        QFile file(home_.filePath(u"out.csv"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 8); // header, six games, the end of the last line
        QVERIFY(lines[1].contains(",\"名,\"\"前\"\"\",") && lines[1].contains(",50.000,"));
        QVERIFY(lines[2].contains(",40.000,")); // as the table shows them

        // A file that cannot be written: the player is told, in Japanese.
        w.chooseExport = [] {
            return history::ExportChoice::Games;
        };
        w.chooseFile = [&](const QString&) {
            return home_.filePath(u"no/such/folder.csv"_s);
        };
        QVERIFY(
            pressAndAnswer(w.cmdCsv, u"OK"_s).startsWith(u"CSVファイルを保存できませんでした。"_s));

        // クリック: every click of the games shown (none kept here), the sidecar beside them.
        w.chooseExport = {};
        w.chooseFile = [&](const QString& s) {
            suggested = s;
            return home_.filePath(u"clicks.csv"_s);
        };
        pressAndAnswer(w.cmdCsv, u"クリック"_s);
        QVERIFY(suggested.endsWith(u"/junban-clicks.csv"_s) &&
                QFile::exists(home_.filePath(u"clicks.json"_s)));
        QVERIFY(w.status->text().endsWith(
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
            HistoryWindow& w = openHistory(t);
            QVERIFY(w.notice->isVisible() && !w.notice->text().isEmpty());
            QTest::keyClick(&w, Qt::Key_Escape);
            QVERIFY(!openHistory(t).notice->isVisible()); // said once
        }
        { // Written by a newer version (user_version 99, at byte 60 of the header): shown, kept.
            QVERIFY(history::Store(path_).record(game(u"A"_s, 10, 1000)));
            QFile file(path_);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(60) &&
                    file.write(QByteArray("\0\0\0\x63", 4)) == 4);
            file.close();
            TestBoard t(true, path_);
            HistoryWindow& w = openHistory(t);
            w.table->selectRow(0);
            QVERIFY(w.notice->isVisible() && w.rows->rowCount() == 1 && !w.cmdSakujo.enabled());
        }
        // The data folder is a file: nothing can be kept there, yet the game goes on.
        QDir(folder).removeRecursively();
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TestBoard t(true, path_);
        t.playGame();
        HistoryWindow& w = openHistory(t);
        QVERIFY(w.notice->isVisible() && w.notice->text().contains(folder));
        QVERIFY(w.rows->rowCount() == 0 && !w.cmdCsv.enabled() && !w.cmdSakujo.enabled());
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(openHistory(t).notice->isVisible()); // said as long as it holds
    }
};

JUNBAN_TEST_MAIN(HistoryWindowTest)
#include "tst_historywindow.moc"
