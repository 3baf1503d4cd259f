// The layout of the board window on resize, minimise and restore.
//
// This executable runs at 72 DPI, where one pixel is exactly 20 twips, so the
// layout limits (11000 x 6000 twips, a screen margin of 1000) are whole pixels
// and a window can be made exactly as wide as a boundary case needs.

#include "shell/layout.h"
#include "support/board.h"
#include "support/testmain.h"

using testing::TestBoard;
using ui::DrawItem;

namespace {

// Set before main() creates the application.
[[maybe_unused]] const bool fontDpiSet = qputenv("QT_FONT_DPI", "72");

const QString StartPrompt = QStringLiteral("クリックでスタート！");
const QString WidenPrompt = QStringLiteral("大きく広げてください。");
const QString RangeLine = QStringLiteral("20から21・22‥と順にクリックしてください");

// Restores the window and drags it to an outer size in twips, as a player
// does with the window's border. Without `settle`, returns before the
// platform's own echo of the change is processed.
void dragTo(TestBoard& t, double widthTwips, double heightTwips, bool settle = true) {
    ui::FormWindow& w = t->form();
    if (w.windowStateCode() != 0) {
        w.setWindowStateCode(0);
        QTRY_COMPARE(w.windowStateCode(), 0);
    }
    const QSize extra = w.frameGeometry().size() - w.geometry().size();
    w.resize(qRound(ui::twipsToPixels(widthTwips)) - extra.width(),
             qRound(ui::twipsToPixels(heightTwips)) - extra.height());
    if (settle)
        QCoreApplication::processEvents();
}

// Checks that the board shows the start screen alone, laid out for the
// window's outer width: the given prompt and the range instruction line.
void expectStartScreen(TestBoard& t, const QString& prompt) {
    const double half = t->form().outerWidth() / 2;
    const std::vector<DrawItem>& items = t->board().items();
    QCOMPARE(items.size(), std::size_t(2));
    QCOMPARE(items[0].text, prompt);
    QCOMPARE(QPointF(items[0].x1, items[0].y1),
             prompt == StartPrompt ? QPointF(half - 1600, 3700) : QPointF(half - 1900, 1800));
    QCOMPARE(items[0].font.size, 24.0);
    QCOMPARE(items[1].text, RangeLine);
    QCOMPARE(QPointF(items[1].x1, items[1].y1), QPointF(half - 2400, 4300));
    QCOMPARE(items[1].font.size, 16.0);
}

void setStateCode(TestBoard& t, int code) {
    t->form().setWindowStateCode(code);
    QTRY_COMPARE(t->form().windowStateCode(), code);
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(ui::twipsPerPixel(), 20.0); }

    void startUpShowsTheStartScreenMaximised() {
        TestBoard t;
        ui::FormWindow& w = t->form();
        QTRY_COMPARE(w.outerWidth(), w.screenWidth());
        QCOMPARE(w.windowStateCode(), 2);
        expectStartScreen(t, StartPrompt);
        QCOMPARE(t->board().items()[0].colour, ui::RGB(0, 0, 192));
        QVERIFY(t->lbl5.visible());
        QCOMPARE(t->lbl5.caption(),
                 QStringLiteral("正解のときの音を止めるには、\r\n"
                                "上右の［音］ボタンをクリックして下さい。\r\n"
                                "的中の範囲は上の［狭・中・広］で調節できます。"));
        QVERIFY(!t->lbl4.visible());
    }

    // The bar is 11568 twips wide, the hint 7212: both centred on the outer
    // width, the bar 50 twips further left.
    void aResizedWindowKeepsTheMinimumAndIsLaidOutForItsSize_data() {
        QTest::addColumn<QSizeF>("dragged");
        QTest::addColumn<QSizeF>("final");
        QTest::newRow("too narrow and too low") << QSizeF(9000, 5000) << QSizeF(11000, 6000);
        QTest::newRow("too low only") << QSizeF(12000, 5000) << QSizeF(12000, 6000);
        QTest::newRow("too narrow only") << QSizeF(9000, 7000) << QSizeF(11000, 7000);
        QTest::newRow("a pixel under") << QSizeF(10980, 5980) << QSizeF(11000, 6000);
        QTest::newRow("12340 wide") << QSizeF(12340, 7000) << QSizeF(12340, 7000);
    }
    void aResizedWindowKeepsTheMinimumAndIsLaidOutForItsSize() {
        QFETCH(QSizeF, dragged);
        QFETCH(QSizeF, final);
        TestBoard t;
        ui::FormWindow& w = t->form();
        // The further runs that the corrections cause are nested inside the
        // size change, so the size is right as soon as the change returns.
        dragTo(t, dragged.width(), dragged.height(), false);
        QCOMPARE(QSizeF(w.outerWidth(), w.outerHeight()), final);
        QCoreApplication::processEvents();
        QCOMPARE(QSizeF(w.outerWidth(), w.outerHeight()), final);
        const double half = final.width() / 2;
        QCOMPARE(QPointF(t->fra0.left(), t->fra0.top()), QPointF(half - 5784 - 50, 0));
        QCOMPARE(QPointF(t->lbl5.left(), t->lbl5.top()), QPointF(half - 3606, 1000));
        QCOMPARE(QPointF(t->lbl4.left(), t->lbl4.top()), QPointF(half - 2400, 960));
        QCOMPARE(t->board().items().size(), std::size_t(2));
        QCOMPARE(t->board().items()[1].x1, half - 2400);
    }

    void theStartPromptNeedsAWindowWithinAThousandTwipsOfTheScreen_data() {
        QTest::addColumn<double>("narrowerThanScreen");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("exactly 1000") << 1000.0 << StartPrompt;
        QTest::newRow("1020") << 1020.0 << WidenPrompt;
    }
    void theStartPromptNeedsAWindowWithinAThousandTwipsOfTheScreen() {
        QFETCH(double, narrowerThanScreen);
        QFETCH(QString, prompt);
        TestBoard t;
        const double W = t->form().screenWidth() - narrowerThanScreen;
        dragTo(t, W, 7000);
        QCOMPARE(t->form().outerWidth(), W);
        expectStartScreen(t, prompt);
        // Either prompt lets the player start.
        t.clickBoard(6000, 1900);
        QVERIFY(t->swthT);
    }

    void theScreenMarginIsStrictToTheHalfTwip() {
        QCOMPARE(shell::startPrompt(20000, 19000).text, StartPrompt);
        QCOMPARE(shell::startPrompt(20000, 18999.5).text, WidenPrompt);
        QCOMPARE(shell::startPrompt(20000, 18999.5).x, 18999.5f / 2 - 1900);
        // Centres are kept to the half twip, not rounded.
        QCOMPARE(shell::commandBarLeft(11025, 11568), -321.5);
    }

    void aWindowStateChangeAbandonsTheGameAndKeepsTheHintHidden_data() {
        QTest::addColumn<int>("state");
        QTest::newRow("minimise") << 1;
        QTest::newRow("maximise") << 2;
    }
    void aWindowStateChangeAbandonsTheGameAndKeepsTheHintHidden() {
        QFETCH(int, state);
        TestBoard t;
        dragTo(t, 12000, 7000);
        t.clickBoard(1200, 1500);
        t.clickDue();
        QVERIFY(t->tmr1.running());
        setStateCode(t, state);
        QVERIFY(!t->tmr1.running());
        QVERIFY(!t->swthT);
        QCOMPARE(t->c, 0);
        QCOMPARE(t->k, 0);
        if (state == 2) {
            QTRY_COMPARE(t->form().outerWidth(), t->form().screenWidth());
            expectStartScreen(t, StartPrompt);
        }
        setStateCode(t, 0);
        QTRY_COMPARE(t->form().outerWidth(), 12000.0);
        expectStartScreen(t, WidenPrompt);
        // The hidden hint is still laid out for the new width.
        QVERIFY(!t->lbl5.visible());
        QCOMPARE(t->lbl5.left(), 6000.0 - 3606);
    }
};

JUNBAN_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
