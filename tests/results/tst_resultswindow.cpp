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

using testing::TestBoard;

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString Instruction = QStringLiteral("メモ帳にコピーして、.txtファイルではなく.csvファイルで"
                                           "保存して、Excelなどで開いて整えてください。");

void playGames(TestBoard& board, int games) {
    for (int i = 0; i < games; ++i)
        QVERIFY(board.playGame());
}

results::Frm2& openResults(TestBoard& board) {
    board->cmdHyou.click();
    // The focus checks need the window active.
    static_cast<void>(QTest::qWaitForWindowActive(&board->frm2()->form()));
    return *board->frm2();
}

int resultsWindowCount() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->windowTitle() == QStringLiteral("成績・結果");
    return n;
}

} // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Modeless and without owner: the board takes clicks while it is open.
    void openingBeforeAnyGameShowsTwoEmptyLinesAndTheInstruction() {
        TestBoard board;
        results::Frm2& frm2 = openResults(board);
        QCOMPARE(frm2.txt2.text(), CrLf + CrLf + Instruction);
        QCOMPARE(frm2.txt2.textEdit()->toPlainText().split('\n'),
                 QStringList({"", "", Instruction}));
        QTRY_VERIFY(frm2.cmdTxet.hasFocus());
        QVERIFY(!frm2.form().isModal() && !frm2.form().parentWidget());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void buttonsFormOneRowInTheOrderReloadCopyClearClose() {
        TestBoard board;
        results::Frm2& frm2 = openResults(board);
        const ui::CommandButton* row[] = {&frm2.cmdTxet, &frm2.cmdCopy, &frm2.cmdCler,
                                          &frm2.cmdTojir};
        const QStringList captions = {"読込む", "コピー", "消す", "閉じる"};
        const QStringList tips = {"保存してある一覧を表示します", "クリップボードに送ります",
                                  "保存されてる一覧も消えます", "この一覧だけ閉じます"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(row[i]->caption(), captions[i]);
            QCOMPARE(row[i]->toolTipText(), tips[i]);
            QCOMPARE(row[i]->left(), 120 + 960 * i);
            QCOMPARE(row[i]->widget()->palette().color(QPalette::Button), QColor(128, 255, 128));
        }
    }

    // Tab leaves the text box too; Return there starts a line, on a button
    // it presses 読込む and not the button.
    void theKeyboardWalksTheRowThenTheTextBoxAndEnterReloads() {
        TestBoard board;
        results::Frm2& frm2 = openResults(board);
        QTRY_VERIFY(frm2.cmdTxet.hasFocus());
        const std::initializer_list<ui::Control*> order = {
            &frm2.cmdCopy, &frm2.cmdCler, &frm2.cmdTojir, &frm2.txt2, &frm2.cmdTxet};
        for (ui::Control* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(next->hasFocus());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        frm2.txt2.setText(QStringLiteral("edited"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(frm2.txt2.text().count(CrLf), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(frm2.cmdTojir.hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(board->frm2(), &frm2);
        QCOMPARE(frm2.txt2.text(), CrLf + CrLf + Instruction);
    }

    // Read back from the system clipboard, as a player pastes it elsewhere.
    void afterTwoGamesTheListIsShownAndCopiedExactly() {
        TestBoard board(true, true);
        QGuiApplication::clipboard()->setText(QStringLiteral("left over"));
        playGames(board, 2);
        results::Frm2& frm2 = openResults(board);
        const QString expected = board->Itiran + CrLf + CrLf + Instruction;
        QCOMPARE(frm2.txt2.text(), expected);
        QCOMPARE(expected.split(CrLf).size(), 5); // an empty line, two games, an empty line
        QVERIFY(expected.contains(CrLf + QStringLiteral("2,(無名),")));
        QTest::mouseClick(frm2.cmdCopy.button(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        QCOMPARE(frm2.txt2.selStart(), 0);
        QCOMPARE(frm2.txt2.selLength(), expected.size());
        QCOMPARE(frm2.txt2.textEdit()->textCursor().selectedText().size(),
                 frm2.txt2.textEdit()->toPlainText().size());
    }

    // Closed with 閉じる or the title-bar button, the window is destroyed;
    // opened again it loads anew.
    void aGameFinishedWhileOpenShowsOnlyAfterReloadOrReopening_data() {
        QTest::addColumn<bool>("titleBar");
        QTest::newRow("閉じる") << false;
        QTest::newRow("title-bar button") << true;
    }
    void aGameFinishedWhileOpenShowsOnlyAfterReloadOrReopening() {
        QFETCH(bool, titleBar);
        TestBoard board;
        playGames(board, 1);
        results::Frm2& frm2 = openResults(board);
        const QString before = frm2.txt2.text();
        playGames(board, 1);
        QCOMPARE(frm2.txt2.text(), before);
        QTest::mouseClick(frm2.cmdTxet.button(), Qt::LeftButton);
        QCOMPARE(frm2.txt2.text(), board->Itiran + CrLf + CrLf + Instruction);
        QVERIFY(frm2.txt2.text().contains(CrLf + QStringLiteral("2,(")));

        QPointer<QWidget> window = &frm2.form();
        if (titleBar)
            window->close();
        else
            QTest::mouseClick(frm2.cmdTojir.button(), Qt::LeftButton);
        QCOMPARE(board->frm2(), nullptr);
        QTRY_VERIFY(window.isNull());
        playGames(board, 1);
        QCOMPARE(openResults(board).txt2.text(), board->Itiran + CrLf + CrLf + Instruction);
        QVERIFY(board->Itiran.contains(CrLf + QStringLiteral("3,(")));
        QCOMPARE(resultsWindowCount(), 1);
    }

    void clearEmptiesTheListButTheNumberingGoesOn() {
        TestBoard board;
        playGames(board, 3);
        results::Frm2& frm2 = openResults(board);
        QTest::mouseClick(frm2.cmdCler.button(), Qt::LeftButton);
        QCOMPARE(frm2.txt2.text(), QString());
        QCOMPARE(board->Itiran, QString());
        QTRY_VERIFY(frm2.cmdTojir.hasFocus());
        QCOMPARE(board->frm2(), &frm2);
        QTest::mouseClick(frm2.cmdTxet.button(), Qt::LeftButton);
        QCOMPARE(frm2.txt2.text(), CrLf + CrLf + Instruction);
        playGames(board, 1);
        QVERIFY2(board->Itiran.startsWith(CrLf + QStringLiteral("4,(無名),")),
                 qPrintable(board->Itiran));
        QCOMPARE(board->Itiran.count(CrLf), 1);
    }

    // The player types a header line at the top of the box; a reload throws
    // the edits away.
    void copyAfterEditingCopiesTheEditsAndLeavesTheListAlone() {
        TestBoard board;
        playGames(board, 1);
        const QString list = board->Itiran;
        results::Frm2& frm2 = openResults(board);
        QPlainTextEdit* edit = frm2.txt2.textEdit();
        edit->setFocus();
        edit->moveCursor(QTextCursor::Start);
        QTest::keyClicks(edit, QStringLiteral("No,Name"));
        const QString edited = QStringLiteral("No,Name") + list + CrLf + CrLf + Instruction;
        QTest::mouseClick(frm2.cmdCopy.button(), Qt::LeftButton);
        QCOMPARE(board.fakes.clipboard.content, edited);
        QCOMPARE(frm2.txt2.selLength(), edited.size());
        QCOMPARE(board->Itiran, list);
        QTest::mouseClick(frm2.cmdTxet.button(), Qt::LeftButton);
        QCOMPARE(frm2.txt2.text(), list + CrLf + CrLf + Instruction);
    }

    void aWindowSmallerThanTheMarginsKeepsTheTextBoxSize_data() {
        QTest::addColumn<double>("outerWidth");
        QTest::addColumn<double>("outerHeight");
        QTest::newRow("narrower than 750") << 600.0 << 4005.0;
        QTest::newRow("lower than 1500") << 4995.0 << 1200.0;
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
        QTRY_COMPARE(frm2.txt2.width(), 8010 - 750);
        QTRY_COMPARE(frm2.txt2.height(), 7005 - 1500);
        w.setOuterWidth(outerWidth);
        w.setOuterHeight(outerHeight);
        QTRY_COMPARE(w.outerHeight(), outerHeight);
        QCOMPARE(w.outerWidth(), outerWidth);
        QCOMPARE(frm2.txt2.width(), outerWidth < 750 ? 8010 - 750 : outerWidth - 750);
        QCOMPARE(frm2.txt2.height(), outerHeight < 1500 ? 7005 - 1500 : outerHeight - 1500);
    }

    void longTextWrapsAndScrollsOnlyVertically() {
        TestBoard board;
        board->Itiran = CrLf + QString(5000, u'名');
        QPlainTextEdit* edit = openResults(board).txt2.textEdit();
        QTRY_VERIFY(edit->verticalScrollBar()->maximum() > 0);
        QVERIFY(edit->verticalScrollBar()->isVisible());
        QCOMPARE(edit->horizontalScrollBar()->maximum(), 0);
        QVERIFY(!edit->horizontalScrollBar()->isVisible());
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
};

JUNBAN_TEST_MAIN(ResultsWindowTest)
#include "tst_resultswindow.moc"
