// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/rules.h"

#include "design.h"

#include <cmath>

namespace engine {

bool isHit(int cx, int cy, double x, double y, int radius) {
    const double dx = cx - x;
    const double dy = cy - y;
    return std::sqrt(dx * dx + dy * dy) < radius;
}

ui::Colour alertColour(ui::Colour chosenBackground) {
    using design::Red;
    using design::White;
    if (chosenBackground > 200 && chosenBackground <= 255)
        return White;
    switch (chosenBackground) {
    case ui::RGB(255, 0, 128):
    case ui::RGB(255, 128, 128):
    case ui::RGB(255, 128, 64):
    case ui::RGB(255, 128, 0):
        return White;
    default:
        return Red;
    }
}

} // namespace engine
