// Ending the program: the end command and the board window's title-bar
// close. Each case runs the application's own event loop, as main() does,
// and reads the status that loop ends with.

#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

using testing::TestBoard;

class EndCommandTest : public QObject {
    Q_OBJECT
private slots:
    void endingDuringAGameClosesEveryWindowWithoutAResultsLine_data() {
        QTest::addColumn<bool>("endCommand");
        QTest::newRow("end command") << true;
        QTest::newRow("title-bar close") << false;
    }
    void endingDuringAGameClosesEveryWindowWithoutAResultsLine() {
        QFETCH(bool, endCommand);
        TestBoard t;
        QVERIFY(t.playGame());
        const QString results = t->Itiran;
        QTest::mouseClick(t->cmdHyou.button(), Qt::LeftButton);
        QTRY_VERIFY(t->frm2() && t->frm2()->form().isVisible());
        t.clickBoard(1200, 1500);
        t.clickDue();
        QVERIFY(t->swthT);
        QTimer::singleShot(0, qApp, [&] {
            if (endCommand)
                QTest::mouseClick(t->cmdEnd.button(), Qt::LeftButton);
            else
                t->form().close();
        });
        // A loop that nobody ends stops after a generous while with status
        // 99, so a fault fails the test instead of hanging it.
        QTimer guard;
        guard.callOnTimeout(qApp, [] { QCoreApplication::exit(99); });
        guard.start(20000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(t->Itiran, results);
        QCOMPARE(t->gameNo, 1);
        QVERIFY(!t->lbl4.visible()); // no summary either
        QCOMPARE(t->frm2(), nullptr);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!w->isVisible());
    }
};

JUNBAN_TEST_MAIN(EndCommandTest)
#include "tst_endcommand.moc"
