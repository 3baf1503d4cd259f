#include "support/testmain.h"
#include "ui/twips.h"

#include <QColor>
#include <QTest>

class TwipsTest : public QObject {
    Q_OBJECT
private slots:
    void twipsPerPixelFollowsTheLogicalDpi_data() {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<double>("pixels");
        QTest::addColumn<double>("twips");
        QTest::newRow("96 dpi") << 96.0 << 15.0 << 100.0 << 1500.0;
        QTest::newRow("144 dpi") << 144.0 << 10.0 << 100.0 << 1000.0;
        QTest::newRow("120 dpi") << 120.0 << 12.0 << 2.5 << 30.0;
    }
    void twipsPerPixelFollowsTheLogicalDpi() {
        QFETCH(double, dpi);
        QFETCH(double, twipsPerPixel);
        QFETCH(double, pixels);
        QFETCH(double, twips);
        QCOMPARE(ui::twipsPerPixelAt(dpi), twipsPerPixel);
        QCOMPARE(pixels * ui::twipsPerPixelAt(dpi), twips);
    }

    void theTestScreenIsAt96Dpi() {
        QCOMPARE(ui::twipsPerPixel(), 15.0);
        QCOMPARE(ui::pixelsToTwips(10.5), 157.5);
        QCOMPARE(ui::twipsToPixels(750), 50.0);
        QCOMPARE(ui::twipsToPixel(7), 0);
        QCOMPARE(ui::twipsToPixel(8), 1);
    }

    void floatToIntegerRoundsHalfToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("2.4999") << 2.4999 << 2;
        QTest::newRow("2.5001") << 2.5001 << 3;
        QTest::newRow("half twip of a centre") << 5624.5 << 5624;
        QTest::newRow("past 16 bits") << 38400.5 << 38400;
    }
    void floatToIntegerRoundsHalfToEven() {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(ui::toInteger(value), expected);
    }

    void rgbPacksRedLowest_data() {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("packed");
        QTest::newRow("red") << 255 << 0 << 0 << 255;
        QTest::newRow("pale green") << 192 << 255 << 192 << 12648384;
        QTest::newRow("board text") << 0 << 0 << 192 << 12582912;
        QTest::newRow("pink") << 255 << 128 << 128 << 8421631;
        QTest::newRow("orange") << 255 << 128 << 0 << 33023;
        QTest::newRow("white") << 255 << 255 << 255 << 16777215;
    }
    void rgbPacksRedLowest() {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(int, packed);
        QCOMPARE(ui::RGB(r, g, b), packed);
        const QColor q = ui::toQColor(packed);
        QCOMPARE(q, QColor(r, g, b));
        QCOMPARE(ui::fromQColor(q), packed);
    }
};

JUNBAN_TEST_MAIN(TwipsTest)
#include "tst_twips.moc"
