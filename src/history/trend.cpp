// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/trend.h"

#include "results/gametext.h"

#include <algorithm>
#include <cmath>

namespace history {

namespace {

int countSlot(int count) {
    return std::clamp(count / 10 - 1, 0, Trend::Counts - 1);
}

// `v` rounded up to a half or a whole power of ten (2.3 to 2.5, 6 to 10).
double niceCeiling(double v) {
    if (v <= 0)
        return 10;
    const double step = std::pow(10.0, std::floor(std::log10(v)));
    return std::ceil(v / step * 2) * step / 2;
}

} // namespace

QList<QPointF> runningMedian(const QList<QPointF>& points) {
    QList<QPointF> out;
    out.reserve(points.size());
    for (qsizetype i = 0; i < points.size(); ++i) {
        // The last five values, kept sorted as they go in.
        std::array<double, 5> window{};
        int n = 0;
        for (qsizetype j = std::max<qsizetype>(0, i - 4); j <= i; ++j) {
            int at = n++;
            for (; at > 0 && window[at - 1] > points[j].y(); --at)
                window[at] = window[at - 1];
            window[at] = points[j].y();
        }
        const double median = n % 2 ? window[n / 2] : (window[n / 2 - 1] + window[n / 2]) / 2;
        out.append(QPointF(points[i].x(), median));
    }
    return out;
}

QList<QPointF> thinned(const QList<QPointF>& points) {
    if (points.size() <= 2 * MaxRuns)
        return points;
    QList<QPointF> out;
    out.reserve(2 * MaxRuns);
    for (int run = 0; run < MaxRuns; ++run) {
        const qsizetype from = points.size() * run / MaxRuns;
        const qsizetype to = points.size() * (run + 1) / MaxRuns;
        qsizetype low = from, high = from;
        for (qsizetype i = from + 1; i < to; ++i) {
            if (points[i].y() < points[low].y())
                low = i;
            if (points[i].y() > points[high].y())
                high = i;
        }
        out.append(points[std::min(low, high)]);
        if (low != high)
            out.append(points[std::max(low, high)]);
    }
    return out;
}

Trend trendOf(const QList<Game>& games) {
    std::array<QList<QPointF>, Trend::Counts> timePoints;
    std::array<int, Trend::Counts> bestAt;
    bestAt.fill(-1);
    QList<QPointF> ratePoints;
    ratePoints.reserve(games.size());
    double slowest = 0;
    for (qsizetype i = 0; i < games.size(); ++i) {
        const Game& g = games[i];
        const double x = static_cast<double>(i + 1);
        const double seconds = static_cast<double>(g.elapsedMs) / 1000.0;
        const int slot = countSlot(g.count);
        QList<QPointF>& points = timePoints[slot];
        if (bestAt[slot] < 0 || seconds < points[bestAt[slot]].y())
            bestAt[slot] = static_cast<int>(points.size());
        points.append(QPointF(x, seconds));
        ratePoints.append(QPointF(x, results::correctRate(g.hits, g.clicks)));
        slowest = std::max(slowest, seconds);
    }

    Trend t;
    for (int i = 0; i < Trend::Counts; ++i) {
        t.times[i] = thinned(timePoints[i]);
        t.medians[i] = thinned(runningMedian(timePoints[i]));
        if (bestAt[i] >= 0)
            t.best.append(timePoints[i][bestAt[i]]);
    }
    t.rate = thinned(ratePoints);
    t.lastX = std::max<double>(static_cast<double>(games.size()), 5);
    t.xTick = std::max(1.0, std::ceil(niceCeiling(t.lastX / 10)));
    t.timeTop = std::max(slowest * 1.05, 1.0);
    return t;
}

} // namespace history
