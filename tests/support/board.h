#pragma once

#include "fakes.h"
#include "frm1.h"

#include <QPoint>

#include <memory>

namespace testing {

// A board window on fake services, shown and ready for clicks.
struct TestBoard {
    FakeServices fakes;
    std::unique_ptr<Frm1> frm;

    // With `systemClipboard` the window copies to the real clipboard, so that
    // a test can read back what a player would paste elsewhere.
    explicit TestBoard(bool showWindow = true, bool systemClipboard = false);
    Frm1& operator*() { return *frm; }
    Frm1* operator->() { return frm.get(); }

    // The pixel of the client area nearest to a point in twips.
    static QPoint pixelAt(double xTwips, double yTwips);
    // Presses and releases the left (or given) mouse button on the board at a
    // point in twips, as a player does.
    void clickBoard(double xTwips, double yTwips, Qt::MouseButton button = Qt::LeftButton);
    // Clicks the centre of number n as last placed.
    void clickNumber(int n);
    // Clicks the number that is due now.
    void clickDue();
    // Clicks far from every number of the last pass: a sure miss.
    void clickMiss();
    // Plays one whole game of the chosen range without a miss: a start click
    // away from the numbers, then the number due until the game is recorded.
    // Returns false when no game was recorded.
    bool playGame();
};

} // namespace testing
