// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm1.h"

#include "design.h"
#include "engine/rules.h"

// The hit mark beside the centre (tyusinX, tyusinY): an O, a K and an
// exclamation mark drawn as strokes in the alert colour, with the current
// line width. It spans tX - 215 .. tX + 200 and tY - 150 .. tY + 150, inside
// the hit circle. The fore colour is left as it was.
void Frm1::DrawCenterMark() {
    const int tX = tyusinX;
    const int tY = tyusinY;
    ui::Surface& b = board();
    MJcolr = b.foreColor();
    SetAlertColor();
    b.circle(tX - 140, tY, 150, std::nullopt, 2);   // O: 75 wide, 150 high
    b.line(tX, tY - 140, tX, tY + 150);             // stem of the K
    b.line(tX, tY + 20, tX + 140, tY - 140);        // its upper arm
    b.line(tX + 50, tY - 20, tX + 150, tY + 150);   // its lower leg
    b.line(tX + 200, tY - 150, tX + 200, tY + 40);  // bar of the !
    b.line(tX + 200, tY + 100, tX + 200, tY + 150); // its dot
    b.setForeColor(MJcolr);
}

// The miss word at the click point, in the alert colour. The font it sets
// stays on the board: later numbers are drawn bold in the same face.
void Frm1::DrawMissText() {
    ui::Surface& b = board();
    MJcolr = b.foreColor();
    b.setCurrentX(ClikX - 290);
    b.setCurrentY(ClikY - 150);
    SetAlertColor();
    b.setFontName(design::UiGothic);
    b.setFontSize(14);
    b.setFontBold(true);
    b.print(QStringLiteral("はずれ"));
    b.setForeColor(MJcolr);
}

// The board's fore colour becomes the alert colour for the background the
// player chose (Haicolr), not for the actual background.
void Frm1::SetAlertColor() {
    board().setForeColor(engine::alertColour(Haicolr));
}
