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
inline void prepare(testing::TestBoard& t, int widthPx = 734, int heightPx = 400) {
    Frm1& f = *t;
    f.form().setWindowStateCode(0);
    f.form().resize(widthPx, heightPx);
    QCoreApplication::processEvents();
    f.board().setForeColor(Blue);
    f.Tugicolr = Red;
    f.swthOto = true;
}

// Queues the two draws that make the next candidate land at (x, y).
inline void queueCentre(testing::TestBoard& t, int x, int y) {
    const double w = t->form().outerWidth(), h = t->form().outerHeight();
    t.fakes.random.queued.push_back((x - 750.0) / (w - 1500.0));
    t.fakes.random.queued.push_back((y - 750.0) / (h - 1500.0));
}

inline std::vector<DrawItem> itemsOf(testing::TestBoard& t, DrawItem::Kind kind) {
    std::vector<DrawItem> out;
    for (const DrawItem& i : t->board().items())
        if (i.kind == kind)
            out.push_back(i);
    return out;
}

inline int countTexts(testing::TestBoard& t, const QString& text) {
    int n = 0;
    for (const DrawItem& i : itemsOf(t, DrawItem::Kind::Text))
        n += i.text == text;
    return n;
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
