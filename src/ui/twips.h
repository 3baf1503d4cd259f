// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/values.h"

class QColor;

namespace ui {

QColor toQColor(Colour c);
Colour fromQColor(const QColor& c);

// Twips per logical pixel of the primary screen. Every conversion of the
// program goes through this one figure, read once from the screen's logical
// DPI.
double twipsPerPixel();

inline double pixelsToTwips(double px) {
    return px * twipsPerPixel();
}
inline double twipsToPixels(double tw) {
    return tw / twipsPerPixel();
}
// Nearest whole pixel of a twips value, for geometry that Qt takes in pixels.
int twipsToPixel(double tw);

} // namespace ui
