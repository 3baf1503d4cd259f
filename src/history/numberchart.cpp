// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/numberchart.h"

#include "design.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace history {

// The view owns the chart given to its constructor.
NumberChart::NumberChart(QWidget* parent) : QChartView(new QChart, parent) {
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    c->setBackgroundBrush(ui::toQColor(design::Pale));
    c->setPlotAreaBackgroundBrush(Qt::white);
    c->setPlotAreaBackgroundVisible(true);
    c->setMargins(QMargins(4, 4, 4, 4));
    c->legend()->setAlignment(Qt::AlignBottom);
    const QFont font = ui::makeFont(design::pGothic(9));
    c->legend()->setFont(font);

    times = new QBarSet(u"数字を見つけるまでの時間"_s);
    times->setColor(ui::toQColor(design::Ink));
    times->setBorderColor(ui::toQColor(design::Ink));
    slowest = new QBarSet(u"遅かった3つ"_s);
    slowest->setColor(QColor(230, 0, 0));
    slowest->setBorderColor(QColor(160, 0, 0));
    auto* series = new QStackedBarSeries;
    series->append(times);
    series->append(slowest);
    series->setBarWidth(0.7);
    c->addSeries(series);

    axisNumbers_ = new QBarCategoryAxis;
    axisNumbers_->setTitleText(u"数字"_s);
    axisTime_ = new QValueAxis;
    axisTime_->setTitleText(u"時間 (秒)"_s);
    axisTime_->setLabelFormat(u"%g"_s);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(axisNumbers_), static_cast<QAbstractAxis*>(axisTime_)}) {
        axis->setTitleFont(font);
        axis->setLabelsFont(font);
    }
    c->addAxis(axisNumbers_, Qt::AlignBottom);
    c->addAxis(axisTime_, Qt::AlignLeft);
    series->attachAxis(axisNumbers_);
    series->attachAxis(axisTime_);
}

void NumberChart::setBreakdown(const Breakdown& breakdown) {
    QStringList numbers;
    QList<qreal> plain, slow;
    double longest = 0;
    for (const NumberTime& n : breakdown.numbers) {
        const double seconds = double(n.ms) / 1000;
        const bool marked = breakdown.isSlowest(n.number);
        numbers << QString::number(n.number);
        plain << (marked ? 0 : seconds);
        slow << (marked ? seconds : 0);
        longest = std::max(longest, seconds);
    }
    times->remove(0, times->count());
    slowest->remove(0, slowest->count());
    times->append(plain);
    slowest->append(slow);
    axisNumbers_->setCategories(numbers);
    // Round ticks from 0 to a little above the longest bar.
    axisTime_->setRange(0, std::max(1.0, longest * 1.05));
    axisTime_->applyNiceNumbers();
}

} // namespace history
