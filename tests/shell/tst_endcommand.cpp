// Ending the program: the end command and the board window's title-bar
// close. Each case runs the application's own event loop, as main() does,
// and reads the status that loop ends with.

#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using testing::TestBoard;

namespace {

// Runs the event loop as main() does, does `action` from inside it, and
// returns the loop's exit status. A loop that nobody ends stops after a
// generous while with status 99, so a fault fails the test instead of
// hanging it.
int runAndDo(const std::function<void()>& action) {
    QTimer::singleShot(0, qApp, action);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    guard.start(20000);
    return QApplication::exec();
}

bool anyWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return true;
    return false;
}

} // namespace

class EndCommandTest : public QObject {
    Q_OBJECT
private slots:
    void theEndCommandDuringAGameExitsWithoutAResultsLine() {
        TestBoard t;
        QVERIFY(t.playGame());
        const QString results = t->Itiran;
        const int games = t->gameNo;
        t.clickBoard(1200, 1500);
        t.clickDue();
        QVERIFY(t->swthT);
        const int status = runAndDo([&] { QTest::mouseClick(t->cmdEnd.button(), Qt::LeftButton); });
        QCOMPARE(status, 0);
        QCOMPARE(t->Itiran, results);
        QCOMPARE(t->gameNo, games);
        QVERIFY(!t->lbl4.visible()); // no summary either
        QVERIFY(!t->form().isVisible());
    }

    void theEndCommandClosesTheResultsWindowToo() {
        TestBoard t;
        QTest::mouseClick(t->cmdHyou.button(), Qt::LeftButton);
        QVERIFY(t->frm2());
        QTRY_VERIFY(t->frm2()->form().isVisible());
        const int status = runAndDo([&] { t->cmdEnd.click(); });
        QCOMPARE(status, 0);
        QCOMPARE(t->frm2(), nullptr);
        QVERIFY(!anyWindowVisible());
    }

    void closingTheBoardWindowEndsTheProgramTheSameWay() {
        TestBoard t;
        QTest::mouseClick(t->cmdHyou.button(), Qt::LeftButton);
        QVERIFY(t->frm2());
        const int status = runAndDo([&] { t->form().close(); });
        QCOMPARE(status, 0);
        QCOMPARE(t->frm2(), nullptr);
        QVERIFY(!anyWindowVisible());
    }
};

JUNBAN_TEST_MAIN(EndCommandTest)
#include "tst_endcommand.moc"
