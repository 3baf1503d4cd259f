#include "support/testmain.h"
#include "ui/twips.h"

#include <QColor>
#include <QTest>

class TwipsTest : public QObject {
    Q_OBJECT
private slots:
    void twipsFollowTheLogicalDpi() {
        QCOMPARE(ui::twipsPerPixelAt(96), 15.0);
        QCOMPARE(ui::twipsPerPixelAt(144), 10.0);
        // The test screen is at 96 DPI.
        QCOMPARE(ui::pixelsToTwips(10.5), 157.5);
        QCOMPARE(ui::twipsToPixels(750), 50.0);
        QCOMPARE(ui::twipsToPixel(8), 1);
    }

    void floatToIntegerRoundsHalfToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("2.5001") << 2.5001 << 3;
        QTest::newRow("past 16 bits") << 38400.5 << 38400;
    }
    void floatToIntegerRoundsHalfToEven() {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(ui::toInteger(value), expected);
    }

    void rgbPacksRedLowest() {
        QCOMPARE(ui::RGB(255, 0, 0), 255);
        QCOMPARE(ui::RGB(255, 128, 128), 8421631);
        QCOMPARE(ui::RGB(192, 255, 192), 12648384);
        QCOMPARE(ui::toQColor(ui::RGB(1, 2, 3)), QColor(1, 2, 3));
        QCOMPARE(ui::fromQColor(QColor(255, 128, 0)), 33023);
    }
};

JUNBAN_TEST_MAIN(TwipsTest)
#include "tst_twips.moc"
