// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/breakdown.h"

#include <QWidget>

namespace history {

// A small picture of the board split into quadrants, each with the median
// time to find a number whose centre stood there and the misses counted
// there, tinted the warmer the slower; under it the left and the right half
// with the same two figures.
class BoardMap final : public QWidget {
public:
    explicit BoardMap(QWidget* parent = nullptr);

    void setBreakdown(const Breakdown& breakdown);
    // The text of a part of the board: its median and its misses, on two lines.
    static QString regionText(const Region& region);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Breakdown breakdown_;
};

} // namespace history
