// SPDX-License-Identifier: GPL-3.0-or-later

#include "board.h"

#include <QApplication>
#include <QMouseEvent>

#include <cmath>
#include <tuple>

namespace testing {

TestBoard::TestBoard(bool showWindow, const QString& historyFile) {
    fakes.historyFile = historyFile;
    frm = std::make_unique<Frm1>(fakes.services());
    if (!showWindow)
        return;
    frm->show();
    frm->form().setWindowStateCode(0);
    frm->form().resize(734, 400);
    QCoreApplication::processEvents();
}

void TestBoard::click(double xTwips, double yTwips, Qt::MouseButton button) {
    // Real mouse events at the exact sub-pixel point, so the board receives
    // the twips the test means.
    QWidget* window = &frm->form();
    const QPointF at(ui::twipsToPixels(xTwips), ui::twipsToPixels(yTwips));
    QWidget* target = window->childAt(at.toPoint());
    if (!target)
        target = window;
    const QPointF local = target->mapFrom(window, at);
    const QPointF global = window->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

QPointF TestBoard::missPoint() const {
    double bestX = 0, bestY = 0, bestD = -1;
    for (double y = 1000; y < frm->form().outerHeight() - 900; y += 150)
        for (double x = 800; x < frm->form().outerWidth() - 800; x += 150) {
            double nearest = 1e18;
            for (int n = frm->s1; n <= frm->s1 + frm->s2; ++n)
                nearest = std::min(nearest, std::hypot(frm->posX[n] - x, frm->posY[n] - y));
            if (nearest > bestD)
                std::tie(bestD, bestX, bestY) = std::tuple(nearest, x, y);
        }
    return {bestX, bestY};
}

void TestBoard::playGame(int misses, double seconds) {
    clickStart();
    for (int m = 0; m < misses; ++m)
        clickMiss();
    for (int hit = 0; hit <= frm->s2; ++hit) {
        if (hit == frm->s2)
            fakes.clock.advanceSeconds(seconds);
        clickDue();
    }
}

void TestBoard::queueCentre(int x, int y) {
    const double w = frm->form().outerWidth(), h = frm->form().outerHeight();
    fakes.random.queued.push_back((x - 750.0) / (w - 1500.0));
    fakes.random.queued.push_back((y - 750.0) / (h - 1500.0));
}

std::vector<ui::DrawItem> TestBoard::items(ui::DrawItem::Kind kind) const {
    std::vector<ui::DrawItem> out;
    for (const ui::DrawItem& i : frm->board().items())
        if (i.kind == kind)
            out.push_back(i);
    return out;
}

} // namespace testing
