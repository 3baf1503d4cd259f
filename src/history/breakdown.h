// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/clicks.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace history {

// Misses counted by class.
struct MissCounts {
    int early = 0;
    int again = 0;
    int empty = 0;
    int total() const { return early + again + empty; }
};

// The search for one number: from the hit before it (the start click for the
// first) to its own hit.
struct NumberTime {
    int number = 0;
    qint64 ms = 0;
    MissCounts misses; // the misses made while it was due
};

// The clicks whose due number stood in one part of the board.
struct Region {
    // The median, over the hits in this part, of the time from the click
    // before the hit (the start click for the first) to the hit: the search of
    // that board. Of an even number of hits, the mean of the two middle ones;
    // nullopt when no hit lies here.
    std::optional<double> medianMs;
    int hits = 0;
    int misses = 0;
};

// Where the due number stood: its centre against the board of that click.
// A centre with 2·x < width lies in the left half (one exactly on the middle
// line is right), one with 2·y < height in the top half (one exactly on the
// middle line is bottom).
enum Side { Left, Right };
enum Quadrant { TopLeft, TopRight, BottomLeft, BottomRight };

// What a game's clicks say about where its time went.
struct Breakdown {
    QList<NumberTime> numbers; // every number hit, in the order found
    // The numbers that took longest, up to three, slowest first; of equal
    // times the lower number comes first.
    QList<int> slowest;
    MissCounts misses;
    std::array<Region, 2> sides{};     // by Side
    std::array<Region, 4> quadrants{}; // by Quadrant
    // 100·(median left − median right) / median right: positive when the left
    // half is slower. nullopt without a median on either side (or a right
    // median of 0).
    std::optional<double> leftRightPercent;

    bool isSlowest(int number) const { return slowest.contains(number); }
};

// The breakdown of the clicks of one game in order of seq. A click whose
// board size is not known counts in the time per number and the misses, but
// in no part of the board.
Breakdown breakDown(const QList<engine::ClickRecord>& clicks);

// The median of `values` (the mean of the two middle ones for an even
// number); nullopt for none.
std::optional<double> median(QList<qint64> values);

// A time in seconds with two decimals ("1.25 秒"), or "—" for none.
QString secondsText(std::optional<double> ms);
// The left/right difference signed with one decimal ("+12.5 %"), or "—".
QString percentText(std::optional<double> percent);
// How the left/right difference is defined, in the player's words.
QString leftRightDefinition();

} // namespace history
