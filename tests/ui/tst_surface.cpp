#include "design.h"
#include "support/testmain.h"
#include "ui/fonts.h"
#include "ui/formwindow.h"
#include "ui/surface.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QTest>

using ui::DrawItem;
using ui::RGB;

namespace {

QColor pixel(ui::FormWindow& w, int x, int y) {
    return w.grab().toImage().pixelColor(x, y);
}

} // namespace

class SurfaceTest : public QObject {
    Q_OBJECT
private slots:
    void eachPrimitiveLandsAtItsTwipsWithColourWidthAndFont() {
        ui::Surface s;
        s.setForeColor(RGB(0, 0, 192));
        s.setFont({design::UiGothic, 24, true, false});
        s.setCurrentX(4750);
        s.setCurrentY(2760);
        s.print(7);
        s.print(12);
        s.setDrawWidth(2);
        s.line(5000, 2860, 5000, 3150);
        s.circle(5000, 3000, 320, RGB(255, 0, 0));
        s.setDrawWidth(1);
        s.circle(4860, 3000, 150, std::nullopt, 2);
        s.circle(0, 0, 150, std::nullopt, 0.5);

        const std::vector<DrawItem>& items = s.items();
        QCOMPARE(items.size(), std::size_t(6));
        QCOMPARE(items[0].text, QStringLiteral(" 7 "));
        QCOMPARE(items[1].text, QStringLiteral(" 12 "));
        QCOMPARE(QPointF(items[0].x1, items[0].y1), QPointF(4750, 2760));
        QCOMPARE(items[0].font, (ui::FontSpec{design::UiGothic, 24, true, false}));
        QCOMPARE(items[0].colour, RGB(0, 0, 192));
        QCOMPARE(QLineF(items[2].x1, items[2].y1, items[2].x2, items[2].y2),
                 QLineF(5000, 2860, 5000, 3150));
        QCOMPARE(items[2].width, 2);
        QCOMPARE(items[3].colour, RGB(255, 0, 0));
        QCOMPARE(QSizeF(items[3].x2, items[3].y2), QSizeF(320, 320));
        // Aspect 2: the radius is the vertical half-axis; 0.5: the horizontal one.
        QCOMPARE(QPointF(items[4].x1, items[4].y1), QPointF(4860, 3000));
        QCOMPARE(QSizeF(items[4].x2, items[4].y2), QSizeF(75, 150));
        QCOMPARE(QSizeF(items[5].x2, items[5].y2), QSizeF(150, 75));
        QCOMPARE(items[4].colour, RGB(0, 0, 192));
        QCOMPARE(items[4].width, 1);
    }

    void clsAndBackColorEmptyTheDisplayList() {
        ui::Surface s;
        s.setCurrentX(100);
        s.print(QStringLiteral("はずれ"));
        s.cls();
        QVERIFY(s.items().empty());
        QCOMPARE(s.currentX(), 0.0);
        s.print(3);
        s.setBackColor(RGB(255, 0, 0));
        QVERIFY(s.items().empty());
    }

    void replayPaintsFiguresAndTextUntilCls() {
        ui::FormWindow w;
        w.resize(400, 300);
        w.setBackColor(RGB(192, 255, 192));
        w.surface().setForeColor(RGB(0, 0, 192));
        w.surface().setDrawWidth(3);
        w.surface().circle(3000, 2250, 1500); // 100 px around (200, 150)
        w.surface().setCurrentX(4800);
        w.surface().setCurrentY(3750);
        w.surface().setFont({design::UiGothic, 24, true, false});
        w.surface().print(QStringLiteral("■"));

        QCOMPARE(pixel(w, 200, 150), QColor(192, 255, 192)); // inside the ring
        QCOMPARE(pixel(w, 200, 50), QColor(0, 0, 192));      // on it, top and right
        QCOMPARE(pixel(w, 300, 150), QColor(0, 0, 192));
        const QImage image = w.grab().toImage();
        int inside = 0, outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == QColor(0, 0, 192))
                    ++((x >= 320 && y >= 250) ? inside : outside);
        QVERIFY(inside > 100); // the text lies below and right of its corner
        w.surface().cls();
        QCOMPARE(pixel(w, 200, 50), QColor(192, 255, 192));
    }

    void everyDesignFontHasJapaneseGlyphs() {
        QVERIFY2(!ui::japaneseFallbacks().isEmpty(), "no Japanese font is installed");
        for (const QString& family : {design::UiGothic, design::PGothic}) {
            const QFont font = ui::makeFont({family, 16.8, false, false});
            QCOMPARE(font.pointSizeF(), 16.8);
            QVERIFY(ui::japaneseFallbacks().contains(QFontInfo(font).family()));
            const QFontMetricsF metrics(font);
            for (const QChar ch :
                 QStringLiteral("クリックでスタート！大きく広げてください。はずれ"))
                QVERIFY2(metrics.inFontUcs4(ch.unicode()), qPrintable(QString(ch)));
        }
    }
};

JUNBAN_TEST_MAIN(SurfaceTest)
#include "tst_surface.moc"
