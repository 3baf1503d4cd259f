// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/values.h"

namespace engine {

// Hit radii in twips, chosen with the option buttons opt6.
constexpr int NarrowRadius = 350;
constexpr int MiddleRadius = 500;
constexpr int WideRadius = 700;

// Radius of the circle drawn around a number that was hit, in twips.
constexpr int HitCircleRadius = 320;

// The hit radius for the state of the hit-radius buttons: wide wins over
// middle, and with neither selected the radius is the narrow one.
constexpr int hitRadius(bool wideSelected, bool middleSelected) {
    return wideSelected ? WideRadius : middleSelected ? MiddleRadius : NarrowRadius;
}

// True when the click (x, y) lies strictly closer than `radius` to the centre
// (cx, cy). The distance is Euclidean, computed in floating point from the
// exact click position; a click exactly `radius` away is a miss.
bool isHit(int cx, int cy, double x, double y, int radius);

// The colour of the hit mark and the miss word for the background colour the
// player chose: white on the reddish backgrounds where red would not stand
// out (packed values 201 .. 255 and four listed reds), red on every other.
ui::Colour alertColour(ui::Colour chosenBackground);

} // namespace engine
