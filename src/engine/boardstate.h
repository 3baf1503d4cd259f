// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/clicks.h"
#include "ui/values.h"

#include <QList>

#include <QString>

#include <array>
#include <cstdint>

namespace engine {

// Size of the position arrays: an entry for each number 0 .. 99, and one spare.
constexpr int PositionCount = 101;

// Every variable of a board, with the value it has when the board window is
// created. Counters, coordinates and distances are 32-bit: a maximised window
// on a wide screen is well past 32767 twips, and no real run can overflow a
// 32-bit click or game count. Coordinates are twips of the board's client area.
struct BoardState {
    int s1 = 0;      // first number of the range: 0, 10, ... 80
    int s2 = 0;      // count of numbers minus one: 9, 19, 29, 39 or 49
    int c = 0;       // hits so far in this game; the number due is s1 + c
    int k = 0;       // clicks of this game that left it running (start click included)
    int p = 0;       // loop index of the option rules
    int tyusinX = 0; // centre of the number last hit
    int tyusinY = 0;
    int ClikX = 0; // last board mouse-down, rounded half to even
    int ClikY = 0;
    double tn = 0;           // time of day (fraction of a day) at the start click
    ui::Colour MJcolr = 0;   // saved fore colour of the board
    ui::Colour Mojicolr = 0; // text colour chosen by the player
    ui::Colour Haicolr = 0;  // background colour chosen by the player
    ui::Colour Tugicolr = 0; // colour of the next-number labels after a hit
    bool swthT = false;      // a game is running
    bool swthOto = false;    // the hit sound is on
    QString Itiran;          // the results list: CR LF before every line
    int atari = 0;           // hit radius: 350, 500 or 700
    int b = 0;               // loop indices of the colour commands
    int d = 0;

    // Centre of number n as last placed; entries outside the current range
    // keep the positions of earlier games.
    std::array<int, PositionCount> posX{};
    std::array<int, PositionCount> posY{};
    // Every click of the running game after its start click, in order, with
    // the board as it stood; kept in memory only. The final hit hands it to
    // the history with the game, and ResetGame drops it, so an abandoned game
    // leaves nothing.
    QList<engine::ClickRecord> clickLog;

    int gameNo = 0;        // games finished in this run
    bool swthTugi = false; // toggle of the next-number label colour

    // Monotonic milliseconds at the start click: the elapsed time is measured
    // from here, so that midnight and clock changes cannot corrupt it.
    std::int64_t startMs = 0;
};

} // namespace engine
