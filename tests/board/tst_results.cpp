// SPDX-License-Identifier: GPL-3.0-or-later

// The results window as a player uses it after games: open, reload, copy,
// clear, edit, close, resize; and names that could break a results line.

#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;
using testing::TestBoard;

namespace {

const QString Instruction =
    u"メモ帳にコピーして、.txtファイルではなく.csvファイルで保存して、Excelな"
    u"どで開いて整えてください。"_s;

results::Frm2& open(TestBoard& t) {
    QTest::mouseClick(t->cmdHyou.button(), Qt::LeftButton);
    return *t->frm2();
}

void press(ui::CommandButton& b) {
    QTest::mouseClick(b.button(), Qt::LeftButton);
}

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowShowsCopiesAndClearsTheList() {
        TestBoard t;
        results::Frm2& w = open(t);
        QCOMPARE(w.txt2.text(), u"\r\n\r\n"_s + Instruction);
        QTRY_VERIFY(w.cmdTxet.hasFocus());

        t.playGame();
        press(w.cmdTxet);
        const QString text = t->Itiran + u"\r\n\r\n"_s + Instruction;
        QCOMPARE(w.txt2.text(), text);
        press(w.cmdCopy);
        QCOMPARE(t.fakes.clipboard.content, text);
        QCOMPARE(QList<int>({w.txt2.selStart(), w.txt2.selLength()}),
                 QList<int>({0, int(text.size())}));
        QVERIFY(w.cmdTxet.hasFocus());

        // Reopening an open window, even minimised, brings it back with what
        // the player typed; a long line wraps and scrolls only down.
        w.txt2.setText(QString(2000, u'x'));
        w.form().setWindowStateCode(1);
        QCOMPARE(&open(t), &w);
        QCOMPARE(w.form().windowStateCode(), 0);
        QCOMPARE(w.txt2.text(), QString(2000, u'x'));
        const auto* box = static_cast<QPlainTextEdit*>(w.txt2.widget());
        QTRY_VERIFY(box->verticalScrollBar()->maximum() > 0);
        QCOMPARE(box->horizontalScrollBar()->maximum(), 0);

        press(w.cmdCler);
        QVERIFY(w.txt2.text().isEmpty() && t->Itiran.isEmpty() && w.cmdTojir.hasFocus());
        press(w.cmdTxet);
        QCOMPARE(w.txt2.text(), u"\r\n\r\n"_s + Instruction);

        QPointer<QWidget> window = &w.form();
        press(w.cmdTojir);
        QCOMPARE(t->frm2(), nullptr);
        QTRY_VERIFY(window.isNull());
    }

    // From the first show on; narrower than the margins, the last size stays.
    void theTextBoxFollowsTheWindowSize() {
        TestBoard t;
        results::Frm2& w = open(t);
        QCOMPARE(w.txt2.widget()->pos(), QPoint(24, 56));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(QPointF(w.txt2.width(), w.txt2.height()),
                     QPointF(w.form().outerWidth() - 750, w.form().outerHeight() - 1500));
            w.form().resize(600, 500);
        }
        const QSize frame = w.form().frameGeometry().size() - w.form().size();
        w.form().resize(QSize(50, 120) - frame); // exactly the side margin: no room left
        QCOMPARE(w.txt2.width(), 0.0);
        w.form().resize(QSize(40, 90) - frame); // too small: the last size stays
        QCOMPARE(w.txt2.width(), 0.0);
        QCOMPARE(w.txt2.height(), 1800 - 1500.0);
    }

    // Enter anywhere but in the text box reloads; Esc does nothing; Tab goes
    // round the buttons in their row and then the text box.
    void theKeyboardReloadsWithEnterAndGoesRoundWithTab() {
        TestBoard t;
        t.playGame();
        results::Frm2& w = open(t);
        QVERIFY(QTest::qWaitForWindowActive(&w.form()));
        const QString loaded = w.txt2.text();
        const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
        QStringList order;
        for (int i = 0; i < 6; ++i) {
            press(Qt::Key_Tab);
            order << QApplication::focusWidget()->accessibleName();
        }
        QCOMPARE(order.join(u' '), u"コピー 消す 閉じる 成績・結果 記録 読込む"_s);
        for (auto [key, modifiers] :
             {std::pair{Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}}) {
            w.cmdCler.setFocus();
            w.txt2.setText(u"edited"_s);
            press(key, modifiers);
            QVERIFY(w.txt2.text() == loaded && !t->Itiran.isEmpty() && w.cmdCler.hasFocus());
        }
        press(Qt::Key_Escape);
        QVERIFY(w.form().isVisible() && t->frm2() == &w);
        w.txt2.setFocus();
        press(Qt::Key_Return);
        QCOMPARE(w.txt2.text(), u"\r\n"_s + loaded); // a new line at the cursor
    }

    void aNameGoesIntoTheLineAsTheBoxHoldsIt() {
        TestBoard t;
        t->txt1.lineEdit()->setText(u"a,\"b\"\r\nc\rd\ne 😀"_s); // pasted
        t.playGame(0, 3);
        QCOMPARE(t->Itiran,
                 u"\r\n1,(a,\"b\" c d e 😀),‥,10 個,／,03 秒,‥,正解率＝,100 %, (10/10)"_s);
    }
};

JUNBAN_TEST_MAIN(ResultsTest)
#include "tst_results.moc"
