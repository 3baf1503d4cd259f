#include "board.h"

#include "ui/twips.h"

#include <QApplication>
#include <QMouseEvent>

#include <cmath>

namespace testing {

namespace {

ui::Services servicesOf(FakeServices& fakes, bool systemClipboard) {
    ui::Services services = fakes.services();
    if (systemClipboard)
        services.clipboard = ui::Services::system().clipboard;
    return services;
}

} // namespace

TestBoard::TestBoard(bool showWindow, bool systemClipboard)
    : frm(std::make_unique<Frm1>(servicesOf(fakes, systemClipboard))) {
    if (showWindow) {
        frm->show();
        QCoreApplication::processEvents();
    }
}

QPoint TestBoard::pixelAt(double xTwips, double yTwips) {
    return {static_cast<int>(std::lround(ui::twipsToPixels(xTwips))),
            static_cast<int>(std::lround(ui::twipsToPixels(yTwips)))};
}

void TestBoard::clickBoard(double xTwips, double yTwips, Qt::MouseButton button) {
    // Sent as a real mouse event at the exact sub-pixel position, so that the
    // board receives the same twips that the test means.
    QWidget* target = &frm->form();
    const QPointF local(ui::twipsToPixels(xTwips), ui::twipsToPixels(yTwips));
    const QPointF global = target->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

void TestBoard::clickNumber(int n) {
    clickBoard(frm->posX[n], frm->posY[n]);
}

void TestBoard::clickDue() {
    clickNumber(frm->s1 + frm->c);
}

void TestBoard::clickMiss() {
    // Scan a grid of the board for the point farthest from every centre.
    double bestX = 0, bestY = 0, bestD = -1;
    const double w = frm->form().outerWidth(), h = frm->form().outerHeight();
    for (double y = 1000; y < h - 900; y += 150) {
        for (double x = 800; x < w - 800; x += 150) {
            double nearest = 1e18;
            for (int n = frm->s1; n <= frm->s1 + frm->s2; ++n)
                nearest = std::min(nearest, std::hypot(frm->posX[n] - x, frm->posY[n] - y));
            if (nearest > bestD) {
                bestD = nearest;
                bestX = x;
                bestY = y;
            }
        }
    }
    clickBoard(bestX, bestY);
}

bool TestBoard::playGame() {
    const int before = frm->gameNo;
    clickBoard(3000, 3000);
    for (int i = 0; i < 200 && frm->gameNo == before; ++i)
        clickDue();
    return frm->gameNo == before + 1;
}

} // namespace testing
