// SPDX-License-Identifier: GPL-3.0-or-later

// What the board shows of its retained drawing, read back as pixels.

#include "design.h"
#include "support/testmain.h"
#include "ui/formwindow.h"

#include <QImage>

namespace {

// The bounds of the pixels in `area` that are not white, and the darkest one.
std::pair<QRect, QRgb> inkIn(const QImage& image, QRect area) {
    QRect ink;
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (const QRgb p = image.pixel(x, y); p != qRgb(255, 255, 255)) {
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
};

JUNBAN_TEST_MAIN(DrawingTest)
#include "tst_drawing.moc"
