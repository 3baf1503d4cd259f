// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <span>

namespace engine {

// What one click of a running game met, judged at the radius in force.
enum class ClickOutcome {
    Hit,   // within the radius of the number due
    Early, // not a hit, but within the radius of a number still to come
    Again, // not a hit, but within the radius of a number already found
    Empty, // within the radius of no number of the range
};

// The word a click's outcome is stored and exported as: "hit", "early",
// "again", "empty".
QString outcomeName(ClickOutcome outcome);

struct ClickClass {
    ClickOutcome outcome = ClickOutcome::Empty;
    int touched = -1; // the number an early or again click lay on; -1 otherwise
};

// Judges the click (x, y), exact twips, against the centres posX[n], posY[n]
// of the numbers first .. last when `due` is the number due. A hit is judged
// exactly as isHit does, and wins over every other number. Otherwise the
// nearest other number strictly within `radius` (the lower one of two at the
// same distance) decides early or again; with none, the click is empty.
// Requires first <= due <= last < size of both spans.
ClickClass classifyClick(std::span<const int> posX, std::span<const int> posY, int first, int last,
                         int due, double x, double y, int radius);

// One click of a game after its start click, with the board as it stood when
// the click was made (before the numbers moved again). Twips of the board's
// client area throughout.
struct ClickRecord {
    int seq = 0;          // 1, 2, ... in the order of the game
    std::int64_t tMs = 0; // since the start click, on the monotonic clock
    int x = 0;            // the click point, rounded half to even
    int y = 0;
    int due = 0; // the number due
    int dueX = 0;
    int dueY = 0;
    int distance = 0; // from the exact click point to the due centre, rounded half to even
    ClickOutcome outcome = ClickOutcome::Empty;
    int touched = -1; // see ClickClass
    int boardWidth = 0;
    int boardHeight = 0;
    // The centres of every number of the range in ascending order:
    // positions[i] is the centre of number first + i. Empty when the board
    // was not kept or not read.
    QList<QPoint> positions;
};

} // namespace engine
