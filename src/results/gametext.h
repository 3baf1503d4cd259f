// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

namespace results {

// Whole seconds from startMs to nowMs of a monotonic clock, truncated; never
// negative.
int elapsedSeconds(std::int64_t startMs, std::int64_t nowMs);

// The elapsed-time label: hours without a leading zero, minutes and seconds
// with two digits ("0:00:00", "1:02:03"). Hours are not wrapped at 24.
QString elapsedText(int seconds);

// The time text of the summary and the results line: whole minutes without a
// leading zero, "分 ", two-digit seconds, "秒" ("1分 05秒", "62分 03秒");
// under a minute the two-digit seconds and " 秒" ("05 秒").
QString summaryTimeText(int seconds);

// The rate of correct clicks in whole percent, 100 * hits / clicks rounded
// to nearest with halves upward (23 of 40 gives 58). 0 when there were no
// clicks.
int correctRate(int hits, int clicks);

// The texts of a kept game, one for each figure, shown in the history table
// and written to its CSV export alike.

// The word of a hit radius: 狭, 中 or 広; any other radius as its twips.
QString radiusWord(int radius);
// The numbers of a game's range, first and last joined by an en dash
// ("20–69" for 50 numbers from 20).
QString rangeText(int first, int count);
// When a game finished, to the second in its own local time
// ("2026-12-07 18:03:12").
QString finishedText(const QDateTime& finished);
// The time of a game as its results line says it (summaryTimeText of the
// whole seconds of `elapsedMs`).
QString gameTimeText(std::int64_t elapsedMs);

// The figures of one finished game.
struct GameFigures {
    int count = 0;  // numbers in the game
    int hits = 0;   // always the count at the end of a game
    int clicks = 0; // clicks aimed at numbers: hits plus misses
    int seconds = 0;
};

// The three-line summary shown on the board, lines joined by CR LF.
QString summaryCaption(const GameFigures& g);

// One line of the results list, ten comma-separated fields; the name goes in
// exactly as typed.
QString resultsLine(int gameNo, const QString& name, const GameFigures& g);

} // namespace results
