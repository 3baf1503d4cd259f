// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm1.h"

#include "engine/placement.h"

// After every click that does not end the game: every number of the range s1 .. s1 + s2 at a fresh
// place, each with its circle, in the board's current fore colour and font
// (24 points). Places are drawn from the window's outer size.
void Frm1::PlaceNumbers() {
    const int last = s1 + s2;
    engine::placementPass(posX, posY, s1, last, form().outerWidth(), form().outerHeight(), ClikX,
                          ClikY, [this] { return services_.random->rnd(); });
    ui::Surface& b = board();
    for (int i = s1; i <= last; ++i) {
        b.setCurrentX(posX[i] - engine::textLeftOfCentre(i));
        b.setCurrentY(posY[i] - engine::TextAboveCentre);
        b.setFontSize(engine::NumberFontSize);
        b.print(i);
        b.setDrawWidth(1);
        b.circle(posX[i], posY[i], engine::NumberCircleRadius);
    }
}
