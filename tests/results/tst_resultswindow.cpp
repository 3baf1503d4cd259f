#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include <memory>

using testing::TestBoard;

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString Instruction = QStringLiteral("メモ帳にコピーして、.txtファイルではなく.csvファイルで"
                                           "保存して、Excelなどで開いて整えてください。");

void playGame(TestBoard& board) {
    QVERIFY(board.playGame());
}

results::Frm2& openResults(TestBoard& board) {
    board->cmdHyou.click();
    results::Frm2* frm2 = board->frm2();
    Q_ASSERT(frm2);
    return *frm2;
}

// The results windows that exist as top-level windows.
int resultsWindowCount() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == QStringLiteral("成績・結果"))
            ++n;
    return n;
}

} // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void openingBeforeAnyGameShowsTwoEmptyLinesAndTheInstruction() {
        TestBoard board;
        results::Frm2& frm2 = openResults(board);
        QCOMPARE(frm2.txt2.text(), CrLf + CrLf + Instruction);
        QCOMPARE(frm2.txt2.textEdit()->toPlainText().split('\n'),
                 QStringList({"", "", Instruction}));
        QVERIFY(QTest::qWaitForWindowActive(&frm2.form()));
        QTRY_VERIFY(frm2.cmdTxet.hasFocus());
        QCOMPARE(frm2.form().caption(), QStringLiteral("成績・結果"));
        // Modeless and without owner: the board takes clicks while it is open.
        QVERIFY(!frm2.form().isModal());
        QCOMPARE(frm2.form().parentWidget(), nullptr);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void buttonsFormOneRowInTheOrderReloadCopyClearClose() {
        TestBoard board;
        results::Frm2& frm2 = openResults(board);
        const std::array<ui::CommandButton*, 4> row = {&frm2.cmdTxet, &frm2.cmdCopy, &frm2.cmdCler,
                                                       &frm2.cmdTojir};
        const QStringList captions = {"読込む", "コピー", "消す", "閉じる"};
        const QStringList tips = {"保存してある一覧を表示します", "クリップボードに送ります",
                                  "保存されてる一覧も消えます", "この一覧だけ閉じます"};
        const QWidget* window = &frm2.form();
        const int y = row[0]->widget()->mapTo(window, QPoint(0, 0)).y();
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(row[i]->caption(), captions[i]);
            QCOMPARE(row[i]->toolTipText(), tips[i]);
            QCOMPARE(row[i]->left(), 120 + 960 * i);
            QCOMPARE(row[i]->widget()->mapTo(window, QPoint(0, 0)).y(), y);
            QCOMPARE(row[i]->widget()->palette().color(QPalette::Button), QColor(128, 255, 128));
            if (i > 0)
                QVERIFY(row[i]->widget()->mapTo(window, QPoint(0, 0)).x() >
                        row[i - 1]->widget()->mapTo(window, QPoint(0, 0)).x() +
                            row[i - 1]->widget()->width());
        }
        // The text box lies under the row.
        QVERIFY(frm2.txt2.widget()->y() > frm2.fra3.widget()->geometry().bottom());
    }

    void tabMovesThroughTheButtonsLeftToRightThenTheTextBox() {
        TestBoard board;
        results::Frm2& frm2 = openResults(board);
        QVERIFY(QTest::qWaitForWindowActive(&frm2.form()));
        QTRY_VERIFY(frm2.cmdTxet.hasFocus());
        const std::array<ui::Control*, 5> order = {&frm2.cmdCopy, &frm2.cmdCler, &frm2.cmdTojir,
                                                   &frm2.txt2, &frm2.cmdTxet};
        for (ui::Control* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(next->hasFocus());
        }
    }

    void enterPressesReloadUnlessTheFocusIsInTheTextBox_data() {
        QTest::addColumn<int>("focused");
        QTest::addColumn<bool>("reloads");
        QTest::newRow("読込む") << 0 << true;
        QTest::newRow("コピー") << 1 << true;
        QTest::newRow("閉じる") << 3 << true;
        QTest::newRow("text box") << 4 << false;
    }
    void enterPressesReloadUnlessTheFocusIsInTheTextBox() {
        QFETCH(int, focused);
        QFETCH(bool, reloads);
        TestBoard board;
        results::Frm2& frm2 = openResults(board);
        QVERIFY(QTest::qWaitForWindowActive(&frm2.form()));
        frm2.txt2.setText(QStringLiteral("edited"));
        const std::array<ui::Control*, 5> controls = {&frm2.cmdTxet, &frm2.cmdCopy, &frm2.cmdCler,
                                                      &frm2.cmdTojir, &frm2.txt2};
        controls[focused]->setFocus();
        QTRY_VERIFY(controls[focused]->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(board->frm2(), &frm2);
        if (reloads)
            QCOMPARE(frm2.txt2.text(), CrLf + CrLf + Instruction);
        else
            QVERIFY(frm2.txt2.text().split(CrLf).size() == 2);
        QCOMPARE(board.fakes.clipboard.clears, 0);
    }

    void afterTwoGamesTheListIsShownAndCopiedExactly_data() {
        QTest::addColumn<bool>("systemClipboard");
        QTest::newRow("clipboard service") << false;
        QTest::newRow("system clipboard") << true;
    }
    void afterTwoGamesTheListIsShownAndCopiedExactly() {
        QFETCH(bool, systemClipboard);
        TestBoard board(true, systemClipboard);
        if (systemClipboard)
            QGuiApplication::clipboard()->setText(QStringLiteral("left over"));
        playGame(board);
        playGame(board);
        results::Frm2& frm2 = openResults(board);

        const QStringList lines = frm2.txt2.text().split(CrLf);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QString());
        QVERIFY2(lines[1].startsWith(QStringLiteral("1,(無名),‥,10 個,／,")), qPrintable(lines[1]));
        QVERIFY2(lines[2].startsWith(QStringLiteral("2,(無名),‥,10 個,／,")), qPrintable(lines[2]));
        QCOMPARE(lines[3], QString());
        QCOMPARE(lines[4], Instruction);
        const QString expected = CrLf + lines[1] + CrLf + lines[2] + CrLf + CrLf + Instruction;

        QVERIFY(QTest::qWaitForWindowActive(&frm2.form()));
        QTest::mouseClick(frm2.cmdCopy.button(), Qt::LeftButton);
        const QString copied =
            systemClipboard ? QGuiApplication::clipboard()->text() : board.fakes.clipboard.content;
        QCOMPARE(copied, expected);
        if (!systemClipboard)
            QCOMPARE(board.fakes.clipboard.clears, 1);
        QCOMPARE(frm2.txt2.selStart(), 0);
        QCOMPARE(frm2.txt2.selLength(), expected.size());
        QCOMPARE(frm2.txt2.textEdit()->textCursor().selectedText().size(),
                 frm2.txt2.textEdit()->toPlainText().size());
        QTRY_VERIFY(frm2.cmdTxet.hasFocus());
    }

    void aGameFinishedWhileOpenShowsOnlyAfterReloadOrReopening() {
        TestBoard board;
        playGame(board);
        results::Frm2& frm2 = openResults(board);
        const QString before = frm2.txt2.text();
        QCOMPARE(before.count(CrLf), 3);

        playGame(board);
        QCOMPARE(frm2.txt2.text(), before);
        board->cmdHyou.click(); // only brings it to the front
        QCOMPARE(frm2.txt2.text(), before);

        QTest::mouseClick(frm2.cmdTxet.button(), Qt::LeftButton);
        QCOMPARE(frm2.txt2.text(), board->Itiran + CrLf + CrLf + Instruction);
        QVERIFY(frm2.txt2.text().contains(CrLf + QStringLiteral("2,(")));

        // Closed before the second game, reopened after it.
        QTest::mouseClick(frm2.cmdTojir.button(), Qt::LeftButton);
        QCOMPARE(board->frm2(), nullptr);
        playGame(board);
        results::Frm2& reopened = openResults(board);
        QVERIFY(reopened.txt2.text().contains(CrLf + QStringLiteral("3,(")));
        QCOMPARE(reopened.txt2.text(), board->Itiran + CrLf + CrLf + Instruction);
    }

    void clearEmptiesTheListButTheNumberingGoesOn() {
        TestBoard board;
        for (int i = 0; i < 3; ++i)
            playGame(board);
        results::Frm2& frm2 = openResults(board);
        QVERIFY(QTest::qWaitForWindowActive(&frm2.form()));

        QTest::mouseClick(frm2.cmdCler.button(), Qt::LeftButton);
        QCOMPARE(frm2.txt2.text(), QString());
        QCOMPARE(board->Itiran, QString());
        QTRY_VERIFY(frm2.cmdTojir.hasFocus());
        QCOMPARE(board->frm2(), &frm2);

        QTest::mouseClick(frm2.cmdTxet.button(), Qt::LeftButton);
        QCOMPARE(frm2.txt2.text(), CrLf + CrLf + Instruction);

        playGame(board);
        QVERIFY2(board->Itiran.startsWith(CrLf + QStringLiteral("4,(無名),")),
                 qPrintable(board->Itiran));
        QCOMPARE(board->Itiran.count(CrLf), 1);
        QTest::mouseClick(frm2.cmdTxet.button(), Qt::LeftButton);
        QCOMPARE(frm2.txt2.text().split(CrLf).size(), 4);
        QVERIFY(frm2.txt2.text().split(CrLf)[1].startsWith(QStringLiteral("4,")));
    }

    void copyAfterEditingCopiesTheEditsAndLeavesTheListAlone() {
        TestBoard board;
        board->Itiran = CrLf + QStringLiteral("1,(無名),‥,10 個,／,05秒,‥,正解率＝,100 %, (10/10)");
        const QString list = board->Itiran;
        results::Frm2& frm2 = openResults(board);
        QVERIFY(QTest::qWaitForWindowActive(&frm2.form()));

        // The player types a header line at the top of the box.
        QPlainTextEdit* edit = frm2.txt2.textEdit();
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        edit->moveCursor(QTextCursor::Start);
        QTest::keyClicks(edit, QStringLiteral("No,Name"));
        const QString edited = QStringLiteral("No,Name") + list + CrLf + CrLf + Instruction;
        QCOMPARE(frm2.txt2.text(), edited);

        QTest::mouseClick(frm2.cmdCopy.button(), Qt::LeftButton);
        QCOMPARE(board.fakes.clipboard.content, edited);
        QCOMPARE(board->Itiran, list);
        QCOMPARE(frm2.txt2.selLength(), edited.size());

        // A reload throws the edits away.
        QTest::mouseClick(frm2.cmdTxet.button(), Qt::LeftButton);
        QCOMPARE(frm2.txt2.text(), list + CrLf + CrLf + Instruction);
    }

    void aWindowSmallerThanTheMarginsKeepsTheTextBoxSize_data() {
        QTest::addColumn<double>("outerWidth");
        QTest::addColumn<double>("outerHeight");
        QTest::newRow("narrower than 750") << 600.0 << 4005.0;
        QTest::newRow("lower than 1500") << 4995.0 << 1200.0;
        QTest::newRow("both") << 450.0 << 900.0;
        QTest::newRow("exactly the margins") << 750.0 << 1500.0;
    }
    void aWindowSmallerThanTheMarginsKeepsTheTextBoxSize() {
        QFETCH(double, outerWidth);
        QFETCH(double, outerHeight);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        TestBoard board;
        results::Frm2& frm2 = openResults(board);
        ui::FormWindow& w = frm2.form();
        w.setOuterWidth(8010);
        w.setOuterHeight(7005);
        QTRY_COMPARE(frm2.txt2.width(), w.outerWidth() - 750);
        QTRY_COMPARE(frm2.txt2.height(), w.outerHeight() - 1500);
        const double lastWidth = frm2.txt2.width();
        const double lastHeight = frm2.txt2.height();

        w.setOuterWidth(outerWidth);
        w.setOuterHeight(outerHeight);
        QTRY_COMPARE(w.outerHeight(), outerHeight);
        QCOMPARE(w.outerWidth(), outerWidth);
        QCOMPARE(frm2.txt2.width(), outerWidth < 750 ? lastWidth : outerWidth - 750);
        QCOMPARE(frm2.txt2.height(), outerHeight < 1500 ? lastHeight : outerHeight - 1500);
        QCOMPARE(frm2.txt2.left(), 360);
        QCOMPARE(frm2.txt2.top(), 840);
    }

    void longTextWrapsAndScrollsOnlyVertically() {
        TestBoard board;
        QString list;
        for (int i = 1; i <= 60; ++i)
            list += CrLf + QString::number(i) + QStringLiteral(",(") + QString(80, u'名') +
                    QStringLiteral("),‥,50 個,／,2分 03秒,‥,正解率＝,88 %, (50/57)");
        board->Itiran = list;
        results::Frm2& frm2 = openResults(board);
        QVERIFY(QTest::qWaitForWindowExposed(&frm2.form()));
        QTRY_VERIFY(frm2.txt2.textEdit()->verticalScrollBar()->maximum() > 0);
        QCOMPARE(frm2.txt2.textEdit()->horizontalScrollBar()->maximum(), 0);
        QVERIFY(frm2.txt2.textEdit()->verticalScrollBar()->isVisible());
        QVERIFY(!frm2.txt2.textEdit()->horizontalScrollBar()->isVisible());
    }

    void openingTwiceKeepsOneWindowAndItsText() {
        TestBoard board;
        results::Frm2& frm2 = openResults(board);
        frm2.txt2.setText(QStringLiteral("typed"));
        board->form().activateWindow();
        board->cmdHyou.click();
        QCOMPARE(board->frm2(), &frm2);
        QCOMPARE(frm2.txt2.text(), QStringLiteral("typed"));
        QCOMPARE(resultsWindowCount(), 1);
        QTRY_VERIFY(frm2.form().isActiveWindow());
    }

    void closingDestroysTheWindowAndReopeningLoadsAnew_data() {
        QTest::addColumn<bool>("titleBar");
        QTest::newRow("閉じる") << false;
        QTest::newRow("title-bar button") << true;
    }
    void closingDestroysTheWindowAndReopeningLoadsAnew() {
        QFETCH(bool, titleBar);
        TestBoard board;
        board->Itiran = CrLf + QStringLiteral("1,(a)");
        results::Frm2& frm2 = openResults(board);
        frm2.txt2.setText(QStringLiteral("typed"));
        QPointer<QWidget> window = &frm2.form();
        if (titleBar)
            window->close();
        else
            QTest::mouseClick(frm2.cmdTojir.button(), Qt::LeftButton);
        QCOMPARE(board->frm2(), nullptr);
        QTRY_VERIFY(window.isNull());
        QCOMPARE(resultsWindowCount(), 0);
        QCOMPARE(board->Itiran, CrLf + QStringLiteral("1,(a)"));

        results::Frm2& again = openResults(board);
        QCOMPARE(again.txt2.text(), board->Itiran + CrLf + CrLf + Instruction);
        QCOMPARE(resultsWindowCount(), 1);
    }

    void theBoardGoingAwayClosesTheResultsWindow() {
        TestBoard board;
        QPointer<QWidget> window = &openResults(board).form();
        QVERIFY(window->isVisible());
        board.frm.reset();
        QVERIFY(window.isNull());
        QCOMPARE(resultsWindowCount(), 0);
    }
};

JUNBAN_TEST_MAIN(ResultsWindowTest)
#include "tst_resultswindow.moc"
