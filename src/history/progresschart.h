// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/game.h"
#include "history/trend.h"

#include <QChartView>
#include <QList>

#include <array>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace history {

// The history window's chart of one filter's games in the order they were
// played (x = 1, 2, ...): the time of each game in seconds, one series per
// count, with its running median dashed in the same colour; the best time of
// each count marked; the rate of correct clicks on a second axis (0-100 %).
// It draws what trendOf() makes of the games; every series is filled in one
// go, so that ten thousand games redraw at once.
class ProgressChart final : public QChartView {
public:
    explicit ProgressChart(QWidget* parent = nullptr);

    // `games` in the order they were played.
    void setGames(const QList<Game>& games);

    static constexpr int Counts = Trend::Counts;
    // What is drawn, series by series.
    std::array<QLineSeries*, Counts> times{};
    std::array<QLineSeries*, Counts> medians{};
    QScatterSeries* best = nullptr;
    QLineSeries* rate = nullptr;

private:
    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisTime_ = nullptr;
    QValueAxis* axisRate_ = nullptr;
};

} // namespace history
