// The layout of the board window on resize, minimise and restore.
//
// This executable runs at 72 DPI, where one pixel is exactly 20 twips, so the
// layout limits (11000 x 6000 twips, a screen margin of 1000) are whole pixels
// and a window can be made exactly as wide as a boundary case needs.

#include "shell/layout.h"
#include "support/board.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTest>

using testing::TestBoard;
using ui::DrawItem;

namespace {

const QString StartPrompt = QStringLiteral("クリックでスタート！");
const QString WidenPrompt = QStringLiteral("大きく広げてください。");

QSize frameExtra(const ui::FormWindow& w) {
    return w.frameGeometry().size() - w.geometry().size();
}

// Restores the window and drags it to an outer size in twips, as a player
// does with the window's border. Without `settle`, returns before the
// platform's own echo of the change is processed.
void dragTo(TestBoard& t, double widthTwips, double heightTwips, bool settle = true) {
    ui::FormWindow& w = t->form();
    if (w.windowStateCode() != 0) {
        w.setWindowStateCode(0);
        QTRY_COMPARE(w.windowStateCode(), 0);
    }
    const QSize extra = frameExtra(w);
    w.resize(qRound(ui::twipsToPixels(widthTwips)) - extra.width(),
             qRound(ui::twipsToPixels(heightTwips)) - extra.height());
    if (settle)
        QCoreApplication::processEvents();
}

std::vector<DrawItem> texts(TestBoard& t) {
    std::vector<DrawItem> out;
    for (const DrawItem& i : t->board().items())
        if (i.kind == DrawItem::Kind::Text)
            out.push_back(i);
    return out;
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
        QCOMPARE(w.backColor(), ui::RGB(192, 255, 192));
        QCOMPARE(w.foreColor(), ui::RGB(0, 0, 192));
        QCOMPARE(t->Tugicolr, ui::RGB(255, 0, 0));
        QVERIFY(t->swthOto);
        QCOMPARE(t->s1, 20);
        QCOMPARE(t->s2, 9);
        QVERIFY(!t->tmr1.running());

        const double W = w.outerWidth();
        const std::vector<DrawItem> shown = texts(t);
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[0].text, StartPrompt);
        QCOMPARE(shown[0].x1, W / 2 - 1600);
        QCOMPARE(shown[0].y1, 3700.0);
        QCOMPARE(shown[0].font.size, 24.0);
        QCOMPARE(shown[0].colour, ui::RGB(0, 0, 192));
        QCOMPARE(shown[1].text, QStringLiteral("20から21・22‥と順にクリックしてください"));
        QCOMPARE(shown[1].x1, W / 2 - 2400);
        QCOMPARE(shown[1].y1, 4300.0);
        QCOMPARE(shown[1].font.size, 16.0);
        QCOMPARE(t->board().fontSize(), 16.0);

        QVERIFY(t->lbl5.visible());
        QCOMPARE(t->lbl5.caption(),
                 QStringLiteral("正解のときの音を止めるには、\r\n"
                                "上右の［音］ボタンをクリックして下さい。\r\n"
                                "的中の範囲は上の［狭・中・広］で調節できます。"));
        QVERIFY(!t->lbl4.visible());
    }

    void aWindowBelowTheMinimumGrowsToIt_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("finalWidth");
        QTest::addColumn<double>("finalHeight");
        QTest::newRow("too narrow and too low") << 9000.0 << 5000.0 << 11000.0 << 6000.0;
        QTest::newRow("too low only") << 12000.0 << 5000.0 << 12000.0 << 6000.0;
        QTest::newRow("too narrow only") << 9000.0 << 7000.0 << 11000.0 << 7000.0;
        QTest::newRow("exactly the minimum") << 11000.0 << 6000.0 << 11000.0 << 6000.0;
        QTest::newRow("a pixel under the minimum") << 10980.0 << 5980.0 << 11000.0 << 6000.0;
    }
    void aWindowBelowTheMinimumGrowsToIt() {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, finalWidth);
        QFETCH(double, finalHeight);
        TestBoard t;
        // The further runs that the corrections cause are nested inside the
        // size change, so the size is right as soon as the change returns.
        dragTo(t, width, height, false);
        ui::FormWindow& w = t->form();
        QCOMPARE(w.outerWidth(), finalWidth);
        QCOMPARE(w.outerHeight(), finalHeight);
        QCoreApplication::processEvents();
        QCOMPARE(w.outerWidth(), finalWidth);
        QCOMPARE(w.outerHeight(), finalHeight);
        // The last run laid the screen out for the corrected size.
        QCOMPARE(t->fra0.left(), finalWidth / 2 - t->fra0.width() / 2 - 50);
        const std::vector<DrawItem> shown = texts(t);
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[1].x1, finalWidth / 2 - 2400);
    }

    void theStartPromptNeedsAWindowWithinAThousandTwipsOfTheScreen_data() {
        QTest::addColumn<double>("narrowerThanScreen");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<double>("promptXFromCentre");
        QTest::addColumn<double>("promptY");
        QTest::newRow("exactly 1000 narrower") << 1000.0 << StartPrompt << -1600.0 << 3700.0;
        QTest::newRow("980 narrower") << 980.0 << StartPrompt << -1600.0 << 3700.0;
        QTest::newRow("1020 narrower") << 1020.0 << WidenPrompt << -1900.0 << 1800.0;
        QTest::newRow("5000 narrower") << 5000.0 << WidenPrompt << -1900.0 << 1800.0;
    }
    void theStartPromptNeedsAWindowWithinAThousandTwipsOfTheScreen() {
        QFETCH(double, narrowerThanScreen);
        QFETCH(QString, prompt);
        QFETCH(double, promptXFromCentre);
        QFETCH(double, promptY);
        TestBoard t;
        const double S = t->form().screenWidth();
        dragTo(t, S - narrowerThanScreen, 7000);
        const double W = t->form().outerWidth();
        QCOMPARE(W, S - narrowerThanScreen);
        const std::vector<DrawItem> shown = texts(t);
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[0].text, prompt);
        QCOMPARE(shown[0].x1, W / 2 + promptXFromCentre);
        QCOMPARE(shown[0].y1, promptY);
        QCOMPARE(shown[0].font.size, 24.0);
        QCOMPARE(shown[1].text, QStringLiteral("20から21・22‥と順にクリックしてください"));
    }

    void theCommandBarAndTheLabelsAreCentredOnTheOuterWidth_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("barLeft");
        QTest::addColumn<double>("hintLeft");
        QTest::addColumn<double>("noticeLeft");
        // The bar is 11568 twips wide, the hint 7212.
        QTest::newRow("11000") << 11000.0 << -334.0 << 1894.0 << 3100.0;
        QTest::newRow("12340") << 12340.0 << 336.0 << 2564.0 << 3770.0;
        QTest::newRow("15000") << 15000.0 << 1666.0 << 3894.0 << 5100.0;
    }
    void theCommandBarAndTheLabelsAreCentredOnTheOuterWidth() {
        QFETCH(double, width);
        QFETCH(double, barLeft);
        QFETCH(double, hintLeft);
        QFETCH(double, noticeLeft);
        TestBoard t;
        dragTo(t, width, 7000);
        QCOMPARE(t->form().outerWidth(), width);
        QCOMPARE(t->fra0.left(), barLeft);
        QCOMPARE(t->fra0.top(), 0.0);
        QCOMPARE(t->fra0.width(), 11568.0);
        QCOMPARE(t->lbl5.left(), hintLeft);
        QCOMPARE(t->lbl5.top(), 1000.0);
        QCOMPARE(t->lbl4.left(), noticeLeft);
        QCOMPARE(t->lbl4.top(), 960.0);
    }

    void minimisingDuringAGameAbandonsIt() {
        TestBoard t;
        dragTo(t, 13000, 8000);
        t.clickBoard(1200, 1500);
        t.clickDue();
        QVERIFY(t->tmr1.running());
        QVERIFY(t->swthT);
        QCOMPARE(t->c, 1);
        t->form().setWindowStateCode(1);
        QTRY_COMPARE(t->form().windowStateCode(), 1);
        QVERIFY(!t->tmr1.running());
        QVERIFY(!t->swthT);
        QCOMPARE(t->c, 0);
        QCOMPARE(t->k, 0);
        QCOMPARE(t->atari, 350);

        t->form().setWindowStateCode(0);
        QTRY_COMPARE(t->form().windowStateCode(), 0);
        const std::vector<DrawItem> shown = texts(t);
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[0].text, WidenPrompt);
        QCOMPARE(t->board().items().size(), std::size_t(2)); // no number left on the board
        // The next click starts a new game from the first number.
        t.clickBoard(1200, 1500);
        QVERIFY(t->swthT);
        QCOMPARE(t->lbl1[1].caption(), QStringLiteral("20"));
    }

    void maximisingAndRestoringRedrawTheStartScreen() {
        TestBoard t;
        dragTo(t, 12000, 7000);
        t.clickBoard(1200, 1500);
        QVERIFY(t->board().items().size() > 2);
        t->form().setWindowStateCode(2);
        QTRY_COMPARE(t->form().outerWidth(), t->form().screenWidth());
        QVERIFY(!t->swthT);
        std::vector<DrawItem> shown = texts(t);
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[0].text, StartPrompt);
        QCOMPARE(shown[0].x1, t->form().outerWidth() / 2 - 1600);

        t->form().setWindowStateCode(0);
        QTRY_COMPARE(t->form().outerWidth(), 12000.0);
        shown = texts(t);
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[0].text, WidenPrompt);
        QCOMPARE(shown[0].x1, 6000.0 - 1900);
    }

    void afterTheFirstBoardClickAResizeLeavesTheUsageHintHidden() {
        TestBoard t;
        dragTo(t, 12000, 7000);
        QVERIFY(t->lbl5.visible());
        t.clickBoard(1200, 1500);
        QVERIFY(!t->lbl5.visible());
        dragTo(t, 14000, 8000);
        t->form().setWindowStateCode(2);
        QTRY_COMPARE(t->form().windowStateCode(), 2);
        QVERIFY(!t->lbl5.visible());
        // The hidden hint is still laid out for the new width.
        QTRY_COMPARE(t->lbl5.left(), t->form().outerWidth() / 2 - 3606);
    }

    void theWidenPromptDoesNotBlockPlay() {
        TestBoard t;
        dragTo(t, 12000, 7000);
        QCOMPARE(texts(t)[0].text, WidenPrompt);
        t.clickBoard(6000, 1900);
        QVERIFY(t->swthT);
        QVERIFY(t->tmr1.running());
    }

    void theScreenMarginIsStrictToTheHalfTwip() {
        QCOMPARE(shell::startPrompt(20000, 19000).text, StartPrompt);
        QCOMPARE(shell::startPrompt(20000, 18999.5).text, WidenPrompt);
        QCOMPARE(shell::startPrompt(20000, 18999.5).x, 18999.5f / 2 - 1900);
        // Centres are kept to the half twip, not rounded.
        QCOMPARE(shell::commandBarLeft(11025, 11568), -321.5);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_FONT_DPI", "72");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ui::installFontSubstitutions();
    LayoutTest tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_layout.moc"
