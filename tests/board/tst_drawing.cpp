// SPDX-License-Identifier: GPL-3.0-or-later

// What the board shows of its retained drawing, read back as pixels.

#include "design.h"
#include "support/testmain.h"
#include "ui/formwindow.h"

#include <QImage>

namespace {

// The bounds of the pixels in `area` lighter than `lightest`, and the darkest one.
std::pair<QRect, QRgb> inkIn(const QImage& image, QRect area, int lightest = 254) {
    QRect ink;
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (const QRgb p = image.pixel(x, y); qGray(p) <= lightest) {
                ink |= QRect(x, y, 1, 1);
                if (qGray(p) < qGray(darkest))
                    darkest = p;
            }
    return {ink, darkest};
}

} // namespace

class DrawingTest : public QObject {
    Q_OBJECT
private slots:
    void clsErasesAndReturnsToTheOrigin() {
        ui::Surface s;
        s.setCurrentX(100);
        s.setCurrentY(200);
        s.print(7);
        s.cls();
        QVERIFY(s.items().empty() && s.currentX() == 0 && s.currentY() == 0);
    }

    // A number printed at (1500, 1500) twips after a miss word in another font:
    // drawn below and right of its top-left corner, in its own font and colour.
    void aTextIsDrawnFromItsTopLeftInItsOwnFontAndColour() {
        ui::FormWindow w;
        w.resize(300, 200);
        ui::Surface& s = w.surface();
        s.setBackColor(design::White);
        s.setFont(design::uiGothic(14, true));
        s.setForeColor(design::Red);
        s.print(QStringLiteral("はずれ"));
        s.setFont(design::uiGothic(24));
        s.setForeColor(ui::RGB(0, 0, 192));
        s.setCurrentX(1500);
        s.setCurrentY(1500);
        s.print(5);
        const QImage both = w.grab().toImage();
        s.cls();
        s.setCurrentX(1500);
        s.setCurrentY(1500);
        s.print(5);
        const QImage alone = w.grab().toImage();
        const QRect numberArea(90, 90, 210, 110);
        QCOMPARE(both.copy(numberArea), alone.copy(numberArea));
        const auto [ink, darkest] = inkIn(alone, numberArea);
        QVERIFY(ink.top() >= 100 && ink.left() >= 100 && ink.height() > 10);
        QVERIFY(qBlue(darkest) > 150 && qRed(darkest) < 60);
    }

    // A stroke 2 pixels wide covers exactly its pixels, ends cut square at
    // its end points; the O of the hit mark stands upright.
    void strokesLandOnTheirPixels() {
        ui::FormWindow w;
        w.resize(300, 200);
        ui::Surface& s = w.surface();
        s.setBackColor(design::White);
        s.setForeColor(0);
        s.setDrawWidth(2);
        s.line(1500, 1500, 1500, 2250);
        s.circle(3000, 1500, 300, std::nullopt, 2);
        const QImage image = w.grab().toImage();
        QCOMPARE(inkIn(image, QRect(80, 80, 40, 90), 63).first, QRect(99, 100, 2, 50));
        const QRect o = inkIn(image, QRect(150, 50, 100, 100), 63).first;
        QVERIFY2(o.width() >= 20 && o.width() <= 22 && o.height() >= 40 && o.height() <= 42,
                 qPrintable(QString::asprintf("%d x %d", o.width(), o.height())));
    }

    // A handler that keeps resizing its window runs at most four deep, and
    // the next resize from outside runs it again.
    void resizesNestAtMostFourDeep() {
        ui::FormWindow w;
        w.resize(300, 200);
        w.show();
        int runs = 0;
        w.onResize = [&] {
            if (++runs < 20) // without a cap, fail rather than grow for ever
                w.setOuterWidth(w.outerWidth() + 15);
        };
        w.resize(310, 200);
        QCOMPARE(runs, 4);
        QCOMPARE(w.width(), 314);
        w.resize(400, 200);
        QCOMPARE(runs, 8);
    }
};

JUNBAN_TEST_MAIN(DrawingTest)
#include "tst_drawing.moc"
