#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTest>

using testing::TestBoard;

// Whatever a player types or pastes as a name goes into the results line as
// the name box holds it, and reaches the clipboard intact.
class HostileNamesTest : public QObject {
    Q_OBJECT
private slots:
    void anyNameReachesTheResultsLineAndTheClipboardIntact_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("held");
        const auto same = [](const char* row, const QString& name) {
            QTest::newRow(row) << name << name;
        };
        same("comma", QStringLiteral("山田,太郎"));
        same("double quotes", QStringLiteral("\"a\",\"b\""));
        same("parentheses and field marks", QStringLiteral("),‥,正解率＝,( %"));
        same("empty", QString());
        same("blanks only", QStringLiteral("   "));
        same("10 000 characters", QString(10'000, QChar(u'名')));
        same("outside the BMP", QStringLiteral("😀🎌𠮷野家👨‍👩‍👧"));
        same("control characters", QStringLiteral("a\tb\x01\x07\x1b[31mc\x7f"));
        QTest::newRow("pasted CR LF")
            << QStringLiteral("太郎\r\n花子") << QStringLiteral("太郎 花子");
        QTest::newRow("pasted LF and CR") << QStringLiteral("a\nb\rc") << QStringLiteral("a b c");
    }
    void anyNameReachesTheResultsLineAndTheClipboardIntact() {
        QFETCH(QString, pasted);
        QFETCH(QString, held);
        TestBoard board(true, true);
        QGuiApplication::clipboard()->setText(pasted);
        QLineEdit* name = board->txt1.lineEdit();
        name->selectAll();
        name->paste();
        QCOMPARE(board->txt1.text(), held);

        QVERIFY(board.playGame());
        const QString line = board->Itiran.mid(2);
        QVERIFY(board->Itiran.startsWith(QStringLiteral("\r\n")));
        QCOMPARE(board->Itiran.count(QStringLiteral("\r\n")), 1);
        QVERIFY(line.startsWith(QStringLiteral("1,(") + held + QStringLiteral("),‥,10 個,／,")));
        QVERIFY(line.endsWith(QStringLiteral(",‥,正解率＝,100 %, (10/10)")));

        board->cmdHyou.click();
        results::Frm2* frm2 = board->frm2();
        QVERIFY(frm2);
        frm2->cmdCopy.click();
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, frm2->txt2.text());
        QCOMPARE(copied.split(QStringLiteral("\r\n")).at(1), line);
    }
};

JUNBAN_TEST_MAIN(HostileNamesTest)
#include "tst_hostilenames.moc"
