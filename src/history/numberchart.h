// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/breakdown.h"

#include <QChartView>

class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

namespace history {

// The detail window's bar chart of the time to find each number of a game
// (seconds, from the hit before it), one bar per number in the order found;
// the three slowest stand out in the second set's colour.
class NumberChart final : public QChartView {
public:
    explicit NumberChart(QWidget* parent = nullptr);

    void setBreakdown(const Breakdown& breakdown);

    // One value per number found, in seconds: the bar of every number in
    // `times`, except those of the slowest, which are in `slowest` (the other
    // set holds 0 there).
    QBarSet* times = nullptr;
    QBarSet* slowest = nullptr;

private:
    QBarCategoryAxis* axisNumbers_ = nullptr;
    QValueAxis* axisTime_ = nullptr;
};

} // namespace history
