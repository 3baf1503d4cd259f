#include "support/testmain.h"
#include "ui/fonts.h"
#include "ui/formwindow.h"
#include "ui/surface.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QTest>

using ui::DrawItem;
using ui::RGB;

class SurfaceTest : public QObject {
    Q_OBJECT
private slots:
    void eachPrimitiveLandsAtItsTwipsWithColourWidthAndFont() {
        ui::Surface s;
        s.setForeColor(RGB(0, 0, 192));
        s.setFont({ui::UiGothic, 24, true, false});
        s.setCurrentX(4750);
        s.setCurrentY(2760);
        s.print(7);
        s.setDrawWidth(2);
        s.line(5000, 2860, 5000, 3150);
        s.circle(5000, 3000, 320, RGB(255, 0, 0));
        s.setDrawWidth(1);
        s.circle(5000, 3000, 330);

        QCOMPARE(s.items().size(), std::size_t(4));
        const DrawItem& text = s.items()[0];
        QCOMPARE(text.kind, DrawItem::Kind::Text);
        QCOMPARE(text.x1, 4750.0);
        QCOMPARE(text.y1, 2760.0);
        QCOMPARE(text.text, QStringLiteral(" 7 "));
        QCOMPARE(text.colour, RGB(0, 0, 192));
        QCOMPARE(text.font, (ui::FontSpec{ui::UiGothic, 24, true, false}));

        const DrawItem& line = s.items()[1];
        QCOMPARE(line.kind, DrawItem::Kind::Line);
        QCOMPARE(line.x1, 5000.0);
        QCOMPARE(line.y1, 2860.0);
        QCOMPARE(line.x2, 5000.0);
        QCOMPARE(line.y2, 3150.0);
        QCOMPARE(line.width, 2);
        QCOMPARE(line.colour, RGB(0, 0, 192));

        const DrawItem& red = s.items()[2];
        QCOMPARE(red.kind, DrawItem::Kind::Ellipse);
        QCOMPARE(red.colour, RGB(255, 0, 0));
        QCOMPARE(red.x2, 320.0);
        QCOMPARE(red.y2, 320.0);
        QCOMPARE(red.width, 2);

        const DrawItem& plain = s.items()[3];
        QCOMPARE(plain.colour, RGB(0, 0, 192));
        QCOMPARE(plain.width, 1);
    }

    void printWritesNumbersWithSignPlaceAndTrailingBlank_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("7") << 7 << QStringLiteral(" 7 ");
        QTest::newRow("0") << 0 << QStringLiteral(" 0 ");
        QTest::newRow("12") << 12 << QStringLiteral(" 12 ");
        QTest::newRow("99") << 99 << QStringLiteral(" 99 ");
    }
    void printWritesNumbersWithSignPlaceAndTrailingBlank() {
        QFETCH(int, number);
        QFETCH(QString, text);
        ui::Surface s;
        s.print(number);
        QCOMPARE(s.items().back().text, text);
    }

    void circleAspectMakesTheRadiusTheVerticalHalfAxis_data() {
        QTest::addColumn<double>("aspect");
        QTest::addColumn<double>("rx");
        QTest::addColumn<double>("ry");
        QTest::newRow("round") << 1.0 << 150.0 << 150.0;
        QTest::newRow("tall, aspect 2") << 2.0 << 75.0 << 150.0;
        QTest::newRow("wide, aspect 0.5") << 0.5 << 150.0 << 75.0;
    }
    void circleAspectMakesTheRadiusTheVerticalHalfAxis() {
        QFETCH(double, aspect);
        QFETCH(double, rx);
        QFETCH(double, ry);
        ui::Surface s;
        s.circle(4860, 3000, 150, std::nullopt, aspect);
        QCOMPARE(s.items().back().x1, 4860.0);
        QCOMPARE(s.items().back().x2, rx);
        QCOMPARE(s.items().back().y2, ry);
    }

    void clsAndBackColorEmptyTheDisplayList() {
        ui::Surface s;
        int changes = 0;
        s.changed = [&changes] {
            ++changes;
        };
        s.setCurrentX(100);
        s.setCurrentY(200);
        s.print(QStringLiteral("はずれ"));
        s.line(0, 0, 10, 10);
        s.cls();
        QVERIFY(s.items().empty());
        QCOMPARE(s.currentX(), 0.0);
        QCOMPARE(s.currentY(), 0.0);

        s.print(3);
        s.setBackColor(RGB(255, 0, 0));
        QVERIFY(s.items().empty());
        QCOMPARE(s.backColor(), RGB(255, 0, 0));
        QCOMPARE(changes, 5);
    }

    void replayPaintsTheBackgroundAndTheFigures() {
        ui::FormWindow w;
        w.resize(400, 300);
        w.setBackColor(RGB(192, 255, 192));
        w.surface().setForeColor(RGB(0, 0, 192));
        w.surface().setDrawWidth(3);
        // A circle of radius 1500 twips (100 px) around (3000, 2250) twips.
        w.surface().circle(3000, 2250, 1500);
        w.surface().line(300, 300, 1500, 300);
        const QImage image = w.grab().toImage();

        QCOMPARE(QColor(image.pixel(10, 290)), QColor(192, 255, 192));
        QCOMPARE(QColor(image.pixel(200, 150)), QColor(192, 255, 192)); // inside the ring
        QCOMPARE(QColor(image.pixel(200, 50)), QColor(0, 0, 192));      // top of the ring
        QCOMPARE(QColor(image.pixel(300, 150)), QColor(0, 0, 192));     // right of the ring
        QCOMPARE(QColor(image.pixel(50, 20)), QColor(0, 0, 192));       // on the line
    }

    void replaySurvivesRepaintsAndStopsAfterCls() {
        ui::FormWindow w;
        w.resize(300, 200);
        w.setBackColor(RGB(255, 255, 255));
        w.surface().setForeColor(RGB(255, 0, 0));
        w.surface().setDrawWidth(5);
        w.surface().line(0, 1500, 4500, 1500);
        QCOMPARE(QColor(w.grab().toImage().pixel(150, 100)), QColor(255, 0, 0));
        QCOMPARE(QColor(w.grab().toImage().pixel(150, 100)), QColor(255, 0, 0));
        w.surface().cls();
        QCOMPARE(QColor(w.grab().toImage().pixel(150, 100)), QColor(255, 255, 255));
    }

    void printedTextIsDrawnBelowAndRightOfItsCorner() {
        ui::FormWindow w;
        w.resize(300, 200);
        w.setBackColor(RGB(255, 255, 255));
        w.surface().setForeColor(RGB(0, 0, 0));
        w.surface().setFont({ui::UiGothic, 24, true, false});
        w.surface().setCurrentX(1500);
        w.surface().setCurrentY(750);
        w.surface().print(QStringLiteral("■"));
        const QImage image = w.grab().toImage();
        int dark = 0, darkOutside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 100)
                    ++((x >= 100 && y >= 50) ? dark : darkOutside);
        QVERIFY(dark > 100);
        QCOMPARE(darkOutside, 0);
    }

    void everyDesignFontHasJapaneseGlyphs_data() {
        QTest::addColumn<QString>("family");
        QTest::newRow("MS UI Gothic") << ui::UiGothic;
        QTest::newRow("MS P Gothic") << ui::PGothic;
    }
    void everyDesignFontHasJapaneseGlyphs() {
        QFETCH(QString, family);
        QVERIFY2(!ui::japaneseFallbacks().isEmpty(), "no Japanese font is installed");
        const QFont font = ui::makeFont({family, 16.8, false, false});
        QCOMPARE(font.pointSizeF(), 16.8);
        const QFontMetricsF metrics(font);
        const QString text = QStringLiteral("クリックでスタート！大きく広げてください。はずれ");
        for (const QChar ch : text)
            QVERIFY2(metrics.inFontUcs4(ch.unicode()), qPrintable(QString(ch)));
        QVERIFY(ui::japaneseFallbacks().contains(QFontInfo(font).family()));
    }
};

JUNBAN_TEST_MAIN(SurfaceTest)
#include "tst_surface.moc"
