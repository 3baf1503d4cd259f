// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace bench {

// Writes a history file of `games` generated games at `path` (a new file, or
// one the store has made): eight players, every count, a game every few hours
// from the start of 2025, times and misses that vary as a player's do. One
// transaction, so that 10 000 games take well under a second.
void writeGeneratedHistory(const QString& path, int games = 10000);

} // namespace bench
