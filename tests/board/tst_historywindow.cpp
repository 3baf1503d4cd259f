// SPDX-License-Identifier: GPL-3.0-or-later

// The history window as a player reaches it: 成績, then 記録. Games are played
// on the board or, where many are needed, kept through a store of the test's
// own; the files live in a scratch home, never the player's.

#include "history/gamestable.h"
#include "history/historywindow.h"
#include "history/progresschart.h"
#include "history/recorder.h"
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
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using history::GamesTable;
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

QStringList row(const HistoryWindow& w, int r) {
    QStringList cells;
    for (int c = 0; c < GamesTable::Columns; ++c)
        cells << w.rows->index(r, c).data().toString();
    return cells;
}

// Answers the next message box with the button captioned `answer` and
// returns the box's text.
class BoxAnswer : public QObject {
public:
    explicit BoxAnswer(const QString& answer) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, timer, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            timer->stop();
            text = box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == answer)
                    b->click();
        });
        timer->start(0);
    }
    QString text;
};

history::Game game(const QString& name, int count, qint64 ms, int clicks = 0) {
    history::Game g;
    g.finished = QDateTime(QDate(2026, 12, 7), QTime(18, 3, 12), QTimeZone(9 * 3600));
    g.name = name;
    g.firstNumber = 0;
    g.count = count;
    g.radius = 500;
    g.elapsedMs = ms;
    g.hits = count;
    g.clicks = clicks ? clicks : count;
    g.line = u"line"_s;
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
    QString path_;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        path_ = home_.filePath(u"junban/history.sqlite"_s);
    }

    void init() { QDir(QFileInfo(path_).path()).removeRecursively(); }

    void aGameShowsAsItsResultsLineSaysAndTheWindowFollowsNewGames() {
        TestBoard t(true, path_);
        t->txt1.lineEdit()->setText(u"花子"_s);
        t.playGame(2, 65);
        QCOMPARE(t->Itiran, u"\r\n1,(花子),‥,10 個,／,1分 05秒,‥,正解率＝,83 %, (10/12)"_s);
        t->recorder().flush();
        HistoryWindow& w = openHistory(t);
        QCOMPARE(w.windowTitle(), u"記録"_s);
        QCOMPARE(w.playerBox->currentText(), u"花子"_s);
        QCOMPARE(w.countBox->currentText(), u"10"_s);
        QCOMPARE(w.rows->rowCount(), 1);
        QCOMPARE(row(w, 0).mid(1), QStringList({u"花子"_s, u"20–29"_s, u"10"_s, u"狭"_s,
                                                u"1分 05秒"_s, u"83 % (10/12)"_s}));

        // Another game while the window is open: it shows at the top.
        t->opt6[1].radio()->click();
        t.playGame(0, 9.5);
        QTRY_COMPARE(w.rows->rowCount(), 2);
        QCOMPARE(row(w, 0).mid(3), QStringList({u"10"_s, u"中"_s, u"09 秒"_s, u"100 % (10/10)"_s}));
        QCOMPARE(ys(w.chart->times[0]), QList<double>({65, 9.5}));
        QCOMPARE(ys(w.chart->best), QList<double>({9.5}));

        // Closing hides it; 記録 brings the same window back.
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(&openHistory(t), &w);
    }

    void theFiltersChooseThePlayerAndTheCount() {
        {
            history::Store store(path_);
            for (const history::Game& g :
                 {game(u"A"_s, 10, 30'000), game(u""_s, 10, 5'000), game(u"A"_s, 10, 10'000),
                  game(u"A"_s, 20, 70'000), game(u"A"_s, 10, 20'000), game(u"A"_s, 10, 40'000),
                  game(u"A"_s, 10, 35'000), game(u"B"_s, 20, 50'000, 40)})
                QVERIFY(store.record(g));
        }
        TestBoard t(true, path_);
        t->txt1.lineEdit()->setText(u"A"_s);
        HistoryWindow& w = openHistory(t);
        QCOMPARE(w.playerBox->count(), 4); // すべて, no name, A, B
        QCOMPARE(w.playerBox->currentText(), u"A"_s);
        QCOMPARE(w.countBox->currentText(), u"20"_s); // the last game's count
        QCOMPARE(w.rows->rowCount(), 1);

        w.countBox->setCurrentIndex(w.countBox->findText(u"10"_s));
        QCOMPARE(ys(w.chart->times[0]), QList<double>({30, 10, 20, 40, 35}));
        QCOMPARE(ys(w.chart->medians[0]), QList<double>({30, 20, 20, 25, 30}));
        QCOMPARE(ys(w.chart->best), QList<double>({10}));
        QCOMPARE(row(w, 0)[GamesTable::Time], u"35 秒"_s); // newest first
        QVERIFY(!w.chart->times[1]->isVisible());

        // すべて for both: one series per count, each count's best marked.
        w.countBox->setCurrentIndex(0);
        w.playerBox->setCurrentIndex(0);
        QCOMPARE(w.rows->rowCount(), 8);
        w.refresh(); // as after a game: すべて stays, though a game has no name
        QCOMPARE(w.rows->rowCount(), 8);
        QCOMPARE(ys(w.chart->times[1]), QList<double>({70, 50}));
        QCOMPARE(ys(w.chart->best), QList<double>({5, 50}));
        QCOMPARE(ys(w.chart->rate).first(), 100.0);
        QCOMPARE(ys(w.chart->rate).last(), 50.0);
        QCOMPARE(row(w, 0)[GamesTable::Rate], u"50 % (20/40)"_s);

        // A name without a game shows everyone's.
        QTest::keyClick(&w, Qt::Key_Escape);
        t->txt1.lineEdit()->setText(u"C"_s);
        QCOMPARE(openHistory(t).playerBox->currentIndex(), 0);
    }

    void deletingAsksHowManyAndExportWritesTheRowsShown() {
        {
            history::Store store(path_);
            for (int i = 1; i <= 4; ++i)
                QVERIFY(store.record(game(u"名,\"前\""_s, 10, i * 1000)));
        }
        TestBoard t(true, path_);
        HistoryWindow& w = openHistory(t);
        QVERIFY(!w.cmdSakujo.enabled());
        w.table->selectRow(0);
        w.table->selectionModel()->select(w.rows->index(2, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        {
            BoxAnswer no(u"やめる"_s);
            press(w.cmdSakujo);
            QVERIFY(no.text.contains(u"2 件"_s));
        }
        QCOMPARE(w.rows->rowCount(), 4);
        {
            BoxAnswer yes(u"削除する"_s);
            press(w.cmdSakujo);
        }
        QCOMPARE(ys(w.chart->times[0]), QList<double>({1, 3}));
        QCOMPARE(history::Store(path_).games({}).size(), 2);

        QTemporaryDir dir;
        QString suggested;
        w.chooseFile = [&](const QString& s) {
            suggested = s;
            return dir.filePath(u"out.csv"_s);
        };
        press(w.cmdCsv);
        QCOMPARE(suggested,
                 QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                     .filePath(u"junban-history.csv"_s));
        QFile file(dir.filePath(u"out.csv"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 4); // header, two games, the end of the last line
        QVERIFY(lines[1].contains(",\"名,\"\"前\"\"\",") && lines[1].contains(",3.000,"));
        QVERIFY(lines[2].contains(",1.000,")); // as the table shows them, newest first

        // A file that cannot be written: the player is told, in Japanese.
        w.chooseFile = [&](const QString&) {
            return dir.filePath(u"no/such/folder.csv"_s);
        };
        BoxAnswer ok(u"OK"_s);
        press(w.cmdCsv);
        QVERIFY(ok.text.startsWith(u"CSVファイルを保存できませんでした。"_s));
    }

    void theWindowSaysWhatBecameOfTheFile() {
        QDir().mkpath(QFileInfo(path_).path());
        QFile broken(path_);
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write(QByteArray(4096, 'x')) > 0);
        broken.close();
        {
            TestBoard t(true, path_);
            HistoryWindow& w = openHistory(t);
            QVERIFY(w.notice->isVisible() && !w.notice->text().isEmpty());
            QTest::keyClick(&w, Qt::Key_Escape);
            QVERIFY(!openHistory(t).notice->isVisible());
        }
        { // Written by a newer version: shown, never changed.
            QVERIFY(history::Store(path_).record(game(u"A"_s, 10, 1000)));
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"newer"_s);
                db.setDatabaseName(path_);
                QVERIFY(db.open());
                db.exec(u"PRAGMA user_version = 99"_s);
            }
            QSqlDatabase::removeDatabase(u"newer"_s);
            TestBoard t(true, path_);
            HistoryWindow& w = openHistory(t);
            w.table->selectRow(0);
            QVERIFY(w.notice->isVisible() && w.rows->rowCount() == 1 && !w.cmdSakujo.enabled());
        }
        // The data folder is a file: nothing can be kept there.
        const QString folder = QFileInfo(path_).path();
        QDir(folder).removeRecursively();
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TestBoard t(true, path_);
        t.playGame();
        QCOMPARE(t->gameNo, 1);
        HistoryWindow& w = openHistory(t);
        QVERIFY(w.notice->isVisible() && w.notice->text().contains(folder));
        QCOMPARE(w.rows->rowCount(), 0);
        QVERIFY(!w.cmdCsv.enabled() && !w.cmdSakujo.enabled());
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(openHistory(t).notice->isVisible()); // said as long as it holds
        QFile::remove(folder);
    }

    void theResultsWindowGainsAFifthButtonLastInTheKeyboardOrder() {
        TestBoard t(true, path_);
        press(t->cmdHyou);
        results::Frm2& r = *t->frm2();
        QCOMPARE(r.fra3.width(), 4932.0);
        ui::CommandButton* buttons[] = {&r.cmdTxet, &r.cmdCopy, &r.cmdCler, &r.cmdTojir,
                                        &r.cmdKiroku};
        QStringList captions;
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(QRectF(buttons[i]->left(), buttons[i]->top(), buttons[i]->width(),
                            buttons[i]->height()),
                     QRectF(120 + 960 * i, 150, 850, 372));
            QCOMPARE(buttons[i]->button()->geometry().left(), ui::twipsToPixels(120 + 960 * i));
            captions << buttons[i]->button()->text();
        }
        QCOMPARE(captions,
                 QStringList({u"読込む"_s, u"コピー"_s, u"消す"_s, u"閉じる"_s, u"記録"_s}));
        QCOMPARE(r.cmdKiroku.toolTipText(), u"これまでの記録を表示します"_s);
        QWidget* order[] = {r.cmdTxet.button(),  r.cmdCopy.button(), r.cmdCler.button(),
                            r.cmdTojir.button(), r.txt2.widget(),    r.cmdKiroku.button(),
                            r.cmdTxet.button()};
        QTRY_VERIFY(r.cmdTxet.hasFocus());
        for (std::size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(order[i]->hasFocus() || order[i]->isAncestorOf(QApplication::focusWidget()),
                     qPrintable(QString::number(i)));
        }
    }
};

JUNBAN_TEST_MAIN(HistoryWindowTest)
#include "tst_historywindow.moc"
