// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design.h"
#include "fakes.h"
#include "frm1.h"

#include <memory>
#include <vector>

namespace testing {

// A board window on fake services, shown offscreen at about the minimum outer
// size (11010 x 6000 twips at 96 DPI), as a player finds it after start-up.
struct TestBoard {
    FakeServices fakes;
    std::unique_ptr<Frm1> frm;

    // `historyFile`: where the board keeps its finished games (none if empty).
    explicit TestBoard(bool showWindow = true, const QString& historyFile = {});
    Frm1& operator*() { return *frm; }
    Frm1* operator->() { return frm.get(); }

    // Presses and releases a mouse button at a point of the board window in
    // twips, on whichever control Qt finds there (the board itself where none).
    void click(double xTwips, double yTwips, Qt::MouseButton button = Qt::LeftButton);
    void clickNumber(int n) { click(frm->posX[n], frm->posY[n]); }
    void clickDue() { clickNumber(frm->s1 + frm->c); }
    // Clicks the board far from every number of the last pass: a sure miss.
    void clickMiss() { click(missPoint()); }
    QPointF missPoint() const;
    void click(QPointF twips) { click(twips.x(), twips.y()); }
    // The start click, low on the board, away from where tests put numbers.
    void clickStart() { click(1200, 5000); }
    // A whole game: the start click, `misses` misses before the first hit,
    // then every number due; `seconds` pass before the final hit.
    void playGame(int misses = 0, double seconds = 5);
    // Makes the next candidate of a placement pass land at (x, y).
    void queueCentre(int x, int y);
    std::vector<ui::DrawItem> items(ui::DrawItem::Kind kind) const;
};

} // namespace testing
