// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/placement.h"

#include "ui/values.h"

#include <algorithm>
#include <cstdlib>

namespace engine {

namespace {

int chebyshev(int x1, int y1, int x2, int y2) {
    return std::max(std::abs(x1 - x2), std::abs(y1 - y2));
}

} // namespace

PlacementStats placementPass(std::span<int> posX, std::span<int> posY, int first, int last,
                             double outerWidth, double outerHeight, int clickX, int clickY,
                             const RandomSource& random, int maxDraws) {
    PlacementStats stats;
    maxDraws = std::max(1, maxDraws);
    const double rangeX = outerWidth - 2 * PlacementMargin;
    const double rangeY = outerHeight - 2 * PlacementMargin;
    for (int i = first; i <= last; ++i) {
        // The best rejected candidate so far and the distance of its nearest
        // tested point; any accepted candidate is at least MinimumGap away.
        int bestX = 0, bestY = 0;
        int bestNearest = -1;
        int drawsForNumber = 0;
        bool placed = false;
        while (!placed && drawsForNumber < maxDraws) {
            const int x = ui::toInteger(rangeX * random() + PlacementMargin);
            const int y = ui::toInteger(rangeY * random() + PlacementMargin);
            ++drawsForNumber;
            // Nearest tested point, stopping as soon as this candidate can
            // neither be accepted nor beat the best one.
            int nearest = chebyshev(x, y, clickX, clickY);
            for (int j = i - 1; j >= first && nearest > bestNearest; --j)
                nearest = std::min(nearest, chebyshev(x, y, posX[j], posY[j]));
            if (nearest >= MinimumGap) {
                posX[i] = x;
                posY[i] = y;
                placed = true;
            } else if (nearest > bestNearest) {
                bestNearest = nearest;
                bestX = x;
                bestY = y;
            }
        }
        if (!placed) {
            posX[i] = bestX;
            posY[i] = bestY;
            ++stats.boundReached;
        }
        stats.draws += drawsForNumber;
    }
    return stats;
}

} // namespace engine
