// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/clicks.h"

#include "engine/rules.h"

#include <cmath>

namespace engine {

QString outcomeName(ClickOutcome outcome) {
    switch (outcome) {
    case ClickOutcome::Hit:
        return QStringLiteral("hit");
    case ClickOutcome::Early:
        return QStringLiteral("early");
    case ClickOutcome::Again:
        return QStringLiteral("again");
    case ClickOutcome::Empty:
        break;
    }
    return QStringLiteral("empty");
}

ClickClass classifyClick(std::span<const int> posX, std::span<const int> posY, int first, int last,
                         int due, double x, double y, int radius) {
    if (isHit(posX[due], posY[due], x, y, radius))
        return {ClickOutcome::Hit, -1};
    int nearest = -1;
    double nearestDistance = 0;
    for (int n = first; n <= last; ++n) {
        if (n == due || !isHit(posX[n], posY[n], x, y, radius))
            continue;
        const double distance = std::hypot(posX[n] - x, posY[n] - y);
        if (nearest < 0 || distance < nearestDistance) {
            nearest = n;
            nearestDistance = distance;
        }
    }
    if (nearest < 0)
        return {};
    return {nearest > due ? ClickOutcome::Early : ClickOutcome::Again, nearest};
}

} // namespace engine
