// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/game.h"

#include <QString>

namespace bench {

// Writes a history file of `games` generated games at `path` (a new file, or
// one the store has made): eight players, every count, a game every few hours
// from the start of 2025, times and misses that vary as a player's do. One
// transaction, so that 10 000 games take well under a second.
void writeGeneratedHistory(const QString& path, int games = 10000);

// As writeGeneratedHistory, but every game has `count` numbers (range 20 ..)
// and keeps its clicks and boards as the store writes them: every hit and a
// few misses of each kind, a board of 12 000 x 8 000 twips per click. The
// file for the benchmarks of the detail window and the click export: 10 000
// games of 30 numbers take a few seconds and about 140 MB.
void writeGeneratedHistoryWithClicks(const QString& path, int games = 10000, int count = 30);

// One finished game of `count` numbers and `misses` misses with every click
// and board, as the board hands it to the recorder; `seed` chooses the places.
history::Game generatedGame(int count, int misses, unsigned seed);

} // namespace bench
