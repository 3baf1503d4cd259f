// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/game.h"

#include <QList>
#include <QPointF>

#include <array>

namespace history {

// A longer series is thinned to this many runs of consecutive points, each
// kept by its lowest and its highest point: few plots are this many pixels
// wide, so the line drawn looks the same and ten thousand games draw as fast
// as two thousand.
constexpr int MaxRuns = 250;

// What the history window's chart shows of one filter's games, in the order
// they were played: game i (from 0) at x = i + 1.
struct Trend {
    static constexpr int Counts = 5; // 10, 20, 30, 40, 50 numbers

    // Per count, from 10 to 50 numbers: the time of each game in seconds and
    // its running median, both thinned.
    std::array<QList<QPointF>, Counts> times;
    std::array<QList<QPointF>, Counts> medians;
    // The fastest game of each count played (the first of equal times), in
    // the order of the counts.
    QList<QPointF> best;
    // The rate of correct clicks of each game in percent, thinned.
    QList<QPointF> rate;
    // The x axis runs from 0 to lastX (the last game, at least 5) with whole
    // ticks every xTick games, about ten of them.
    double lastX = 5;
    double xTick = 1;
    // The time axis runs from 0 to at least timeTop seconds: a twentieth
    // above the slowest game, at least one second.
    double timeTop = 1;
};

// The chart's series and axes for `games`, in the order they were played.
Trend trendOf(const QList<Game>& games);

// Each value of `points` replaced by the median of its y and the y of up to
// four points before it (the mean of the two middle ones for an even number),
// so that a trend shows through the noise of single games.
QList<QPointF> runningMedian(const QList<QPointF>& points);

// `points` as they are when there are at most 2 * MaxRuns of them; else the
// lowest and the highest point of each of MaxRuns runs of consecutive points,
// in their order (one point for a run whose lowest is its highest).
QList<QPointF> thinned(const QList<QPointF>& points);

} // namespace history
