// SPDX-License-Identifier: GPL-3.0-or-later

// The results window as a player uses it after games: open, reload, copy,
// clear, edit, close, resize; and names that could break a results line.

#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

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

        // Reopening an open window keeps what the player typed.
        w.txt2.setText(u"edited"_s);
        QCOMPARE(&open(t), &w);
        QCOMPARE(w.txt2.text(), u"edited"_s);

        press(w.cmdCler);
        QVERIFY(w.txt2.text().isEmpty() && t->Itiran.isEmpty() && w.cmdTojir.hasFocus());
        press(w.cmdTxet);
        QCOMPARE(w.txt2.text(), u"\r\n\r\n"_s + Instruction);

        QPointer<QWidget> window = &w.form();
        press(w.cmdTojir);
        QCOMPARE(t->frm2(), nullptr);
        QTRY_VERIFY(window.isNull());
    }

    void theTextBoxFollowsTheWindowSize() {
        TestBoard t;
        results::Frm2& w = open(t);
        w.form().resize(600, 500);
        QCOMPARE(QPointF(w.txt2.width(), w.txt2.height()),
                 QPointF(w.form().outerWidth() - 750, w.form().outerHeight() - 1500));
        const QSize frame = w.form().frameGeometry().size() - w.form().size();
        w.form().resize(QSize(50, 120) - frame); // exactly the side margin: no room left
        QCOMPARE(w.txt2.width(), 0.0);
        w.form().resize(QSize(40, 90) - frame); // too small: the last size stays
        QCOMPARE(w.txt2.width(), 0.0);
        QCOMPARE(w.txt2.height(), 1800 - 1500.0);
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
