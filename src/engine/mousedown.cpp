// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm1.h"

#include "design.h"
#include "engine/clicks.h"
#include "engine/rules.h"

#include <cmath>

using design::Red;
using design::White;

namespace {

// Keeps a click after the start click, judged at the radius in force, with
// the board as it stood when it was made (before the numbers move again):
// a copy of at most 50 centres, into a list reserved at the start click.
const engine::ClickRecord& keepClick(Frm1& f, double X, double Y) {
    engine::ClickRecord r;
    r.seq = int(f.clickLog.size()) + 1;
    r.tMs = f.services().clock->monotonicMs() - f.startMs;
    r.x = f.ClikX;
    r.y = f.ClikY;
    r.due = f.s1 + f.c;
    r.dueX = f.posX[r.due];
    r.dueY = f.posY[r.due];
    r.distance = ui::toInteger(std::hypot(r.dueX - X, r.dueY - Y));
    const int last = f.s1 + f.s2;
    const engine::ClickClass judged =
        engine::classifyClick(f.posX, f.posY, f.s1, last, r.due, X, Y, f.atari);
    r.outcome = judged.outcome;
    r.touched = judged.touched;
    r.boardWidth = ui::toInteger(f.form().clientWidth());
    r.boardHeight = ui::toInteger(f.form().clientHeight());
    r.positions.reserve(last - f.s1 + 1);
    for (int i = f.s1; i <= last; ++i)
        r.positions.append(QPoint(f.posX[i], f.posY[i]));
    f.clickLog.append(std::move(r));
    return f.clickLog.last();
}

// A hit of number n: the circle, the label colour, the hit mark and the beep;
// then either the end of the game (timer stopped, no game running) or the
// next number due. Returns true when the game has just ended.
bool reactToHit(Frm1& f, int n) {
    ui::Surface& board = f.board();
    f.MJcolr = board.foreColor();
    board.setDrawWidth(2);
    // A pure red board would swallow the red circle and labels.
    const bool redBoard = f.form().backColor() == Red;
    board.circle(f.posX[n], f.posY[n], engine::HitCircleRadius, redBoard ? White : Red);
    for (ui::Label& l : f.lbl1)
        l.setForeColor(redBoard ? White : f.Tugicolr);
    board.setForeColor(f.MJcolr);
    f.tyusinX = f.posX[n];
    f.tyusinY = f.posY[n];
    f.DrawCenterMark();
    if (f.swthOto)
        f.services().beeper->beep();
    if (f.c == f.s2) {
        f.tmr1.setInterval(0);
        f.swthT = false;
        return true;
    }
    ++f.c;
    return false;
}

} // namespace

// One click on the board, any button. Every click re-places all numbers of
// the range unless it ends the game; the steps run in this fixed order.
void Frm1::Form_MouseDown(int, int, double X, double Y) {
    // Fresh randomness, a blank board, the notices and the hint hidden.
    services_.random->randomize();
    board().cls();
    lbl4.setCaption(QString());
    lbl4.setVisible(false);
    lbl5.setVisible(false);
    // The range as selected now, and the click point.
    ReadRangeOptions();
    ClikX = ui::toInteger(X);
    ClikY = ui::toInteger(Y);
    // The first click of a game starts the clock. It is never a hit: the
    // stored centres are those of an earlier game and are not on the board.
    const bool startClick = !swthT;
    if (startClick) {
        tmr1.setInterval(100);
        swthT = true;
        tn = services_.clock->timeOfDay();
        startMs = services_.clock->monotonicMs();
        // Room for every hit and three misses each: no allocation of the list
        // on the clicks of an ordinary game.
        clickLog.reserve(4 * (s2 + 1));
    }
    // The radius as selected now, tested against the number due; every
    // click after the start click is kept, judged as the game judges it.
    atari = engine::hitRadius(opt6[2].value(), opt6[1].value());
    const int n = s1 + c;
    const bool hit = !startClick && keepClick(*this, X, Y).outcome == engine::ClickOutcome::Hit;
    // The marks; the final hit shows the summary instead of new places.
    bool ended = false;
    if (hit)
        ended = reactToHit(*this, n);
    else if (k > 0)
        DrawMissText();
    if (ended) {
        board().cls();
        ShowGameResult();
        ResetGame();
    } else {
        lbl1[0].setCaption(design::NextPrefix);
        lbl1[1].setCaption(QString::number(s1 + c));
        PlaceNumbers();
    }
    // The count of clicks of a running game.
    if (swthT)
        ++k;
}
