// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/clicks.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace history {

// One finished game as the history keeps it: the figures of its results line,
// the range and radius it was played with, and the line itself.
struct Game {
    qint64 id = 0;        // given by the store; 0 before the game is kept
    QDateTime finished;   // local date and time with its UTC offset
    QString name;         // the name box as typed
    int firstNumber = 0;  // first number of the range (0, 10, ... 80)
    int count = 0;        // numbers in the game (10 .. 50)
    int radius = 0;       // hit radius in twips (350, 500 or 700)
    qint64 elapsedMs = 0; // from the monotonic clock
    int hits = 0;
    int clicks = 0;
    QString line; // the results line as appended to the list, without its line break
    // Every click after the start click, with the board as it stood; filled
    // by the board for the store to write, never by the store's game queries.
    QList<engine::ClickRecord> clickLog;
};

} // namespace history
