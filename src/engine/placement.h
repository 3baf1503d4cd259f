// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace engine {

// A source of values uniform in [0, 1).
using RandomSource = std::function<double()>;

// Constants of a placement pass, in twips.
constexpr int PlacementMargin = 750; // a centre keeps this far from every edge
constexpr int MinimumGap = 500;      // per axis, between a centre and a tested point
constexpr int NumberCircleRadius = 330;
constexpr int TextAboveCentre = 240;
constexpr double NumberFontSize = 24.0;

// Draws for one number before the pass gives up looking for a free place.
constexpr int MaxDrawsPerNumber = 10000;

// How far left of its centre the text of number n starts: two digits need more.
constexpr int textLeftOfCentre(int n) {
    return n < 10 ? 250 : 380;
}

struct PlacementStats {
    std::int64_t draws = 0; // candidates drawn in the whole pass
    int boundReached = 0;   // numbers placed at their best candidate
};

// One placement pass: gives numbers first .. last, in ascending order, fresh
// random centres and writes them to posX[n], posY[n]; no other entry changes.
// A centre lies in [margin, size - margin] of the outer width and height.
// A candidate is accepted when it lies at least MinimumGap away on at least
// one axis from every centre already placed in this pass and from the click
// point; entries of earlier passes are not looked at. Each candidate takes
// two successive values of `random` (x first), scaled and rounded half to
// even. After `maxDraws` rejected candidates for one number, the number takes
// the candidate whose nearest tested point is farthest away (distance is the
// larger of |dx| and |dy|), so a pass always ends, whatever the window size.
// Requires 0 <= first <= last < size of both spans.
PlacementStats placementPass(std::span<int> posX, std::span<int> posY, int first, int last,
                             double outerWidth, double outerHeight, int clickX, int clickY,
                             const RandomSource& random, int maxDraws = MaxDrawsPerNumber);

} // namespace engine
