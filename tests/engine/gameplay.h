#pragma once

// Helpers shared by the game tests: a board of known size and colours, exact
// placement through the fake random source, and whole games played by clicks.

#include "support/board.h"

#include <QCoreApplication>

#include <vector>

namespace gameplay {

using ui::DrawItem;

constexpr ui::Colour Blue = ui::RGB(0, 0, 192);
constexpr ui::Colour Red = ui::RGB(255, 0, 0);
constexpr ui::Colour White = ui::RGB(255, 255, 255);

// A board of about the minimum outer size (11010 x 6000 twips), drawing in
// blue, next-number colour red, sound on: the state a start-up leaves.
struct Board : testing::TestBoard {
    Board() {
        frm->form().setWindowStateCode(0);
        frm->form().resize(734, 400);
        QCoreApplication::processEvents();
        frm->board().setForeColor(Blue);
        frm->Tugicolr = Red;
        frm->swthOto = true;
    }
};

// Queues the two draws that make the next candidate of a pass in an outer
// size of w x h land at (x, y).
inline void queueCentre(testing::FakeRandom& r, double w, double h, int x, int y) {
    r.queued.push_back((x - 750.0) / (w - 1500.0));
    r.queued.push_back((y - 750.0) / (h - 1500.0));
}
inline void queueCentre(testing::TestBoard& t, int x, int y) {
    queueCentre(t.fakes.random, t->form().outerWidth(), t->form().outerHeight(), x, y);
}

inline std::vector<DrawItem> itemsOf(testing::TestBoard& t, DrawItem::Kind kind) {
    std::vector<DrawItem> out;
    for (const DrawItem& i : t->board().items())
        if (i.kind == kind)
            out.push_back(i);
    return out;
}

// A figure as one line of text, so that a test compares it whole and a
// failure shows every field.
inline QString shape(DrawItem::Kind kind, double x1, double y1, double x2, double y2, int width,
                     ui::Colour colour) {
    return QString::asprintf("kind %d (%g, %g) (%g, %g) width %d colour %06x", int(kind), x1, y1,
                             x2, y2, width, unsigned(colour));
}
inline QString shape(const DrawItem& i) {
    return shape(i.kind, i.x1, i.y1, i.x2, i.y2, i.width, i.colour);
}

// The start click, far from the middle of the board where tests put numbers.
inline void clickStart(testing::TestBoard& t) {
    t.clickBoard(1200, 1500);
}

// Plays a game from the start click: `missesBefore[h]` misses before hit h,
// `seconds` on the clock before the final hit.
inline void playGame(testing::TestBoard& t, double seconds,
                     const std::vector<int>& missesBefore = {}) {
    clickStart(t);
    const int count = t->s2 + 1;
    for (int h = 0; h < count; ++h) {
        for (int m = 0; h < int(missesBefore.size()) && m < missesBefore[h]; ++m)
            t.clickMiss();
        if (h == count - 1)
            t.fakes.clock.advanceSeconds(seconds);
        t.clickDue();
    }
}

} // namespace gameplay
