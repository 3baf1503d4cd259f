// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/twips.h"

#include <QColor>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace ui {

QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

Colour fromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

double twipsPerPixel() {
    static const double tpp = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
        return twipsPerPixelAt(dpi > 0 ? dpi : 96.0);
    }();
    return tpp;
}

int twipsToPixel(double tw) {
    return static_cast<int>(std::lround(twipsToPixels(tw)));
}

} // namespace ui
