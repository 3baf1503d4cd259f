// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/progresschart.h"

#include "design.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

using namespace Qt::Literals::StringLiterals;

namespace history {

namespace {

// One colour per count, dark enough to read on the pale background.
const QColor CountColours[ProgressChart::Counts] = {QColor(0, 0, 192), QColor(0, 128, 0),
                                                    QColor(192, 0, 192), QColor(200, 100, 0),
                                                    QColor(0, 128, 160)};

// Markers on every game only while they stay apart.
constexpr int MaxMarkedGames = 100;

} // namespace

// The view owns the chart given to its constructor; setChart() would leave
// the view's default chart to the caller.
ProgressChart::ProgressChart(QWidget* parent) : QChartView(new QChart, parent) {
    setRenderHint(QPainter::Antialiasing);
    QChart* chart = this->chart();
    chart->setBackgroundBrush(ui::toQColor(design::Pale));
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    const QFont font = ui::makeFont(design::pGothic(9));
    chart->legend()->setFont(font);

    axisX_ = new QValueAxis;
    axisX_->setTitleText(u"回"_s);
    axisX_->setLabelFormat(u"%d"_s);
    axisX_->setTickType(QValueAxis::TicksDynamic);
    axisX_->setTickAnchor(0);
    axisTime_ = new QValueAxis;
    axisTime_->setTitleText(u"所要時間 (秒)"_s);
    axisTime_->setLabelFormat(u"%g"_s);
    axisRate_ = new QValueAxis;
    axisRate_->setTitleText(u"正解率 (%)"_s);
    axisRate_->setRange(0, 100);
    axisRate_->setLabelFormat(u"%d"_s);
    for (QValueAxis* axis : {axisX_, axisTime_, axisRate_}) {
        axis->setTitleFont(font);
        axis->setLabelsFont(font);
    }
    chart->addAxis(axisX_, Qt::AlignBottom);
    chart->addAxis(axisTime_, Qt::AlignLeft);
    chart->addAxis(axisRate_, Qt::AlignRight);

    const auto attach = [&](QXYSeries* series, QValueAxis* y) {
        chart->addSeries(series);
        series->attachAxis(axisX_);
        series->attachAxis(y);
    };
    rate = new QLineSeries;
    rate->setName(u"正解率"_s);
    rate->setPen(QPen(QColor(160, 160, 160), 1));
    attach(rate, axisRate_);
    for (int i = 0; i < Counts; ++i) {
        times[i] = new QLineSeries;
        times[i]->setName(QString::number((i + 1) * 10) + u"個"_s);
        times[i]->setPen(QPen(CountColours[i], 1.5));
        times[i]->setMarkerSize(6);
        attach(times[i], axisTime_);
        medians[i] = new QLineSeries;
        medians[i]->setName(u"中央値 (直近5回)"_s);
        medians[i]->setPen(QPen(CountColours[i].lighter(130), 2.5, Qt::DashLine));
        attach(medians[i], axisTime_);
    }
    best = new QScatterSeries;
    best->setName(u"最高記録"_s);
    best->setMarkerShape(QScatterSeries::MarkerShapeStar);
    best->setMarkerSize(18);
    best->setColor(QColor(230, 0, 0));
    best->setBorderColor(QColor(120, 0, 0));
    attach(best, axisTime_);
}

void ProgressChart::setGames(const QList<Game>& games) {
    const Trend trend = trendOf(games);
    bool medianNamed = false;
    for (int i = 0; i < Counts; ++i) {
        const bool shown = !trend.times[i].isEmpty();
        times[i]->setPointsVisible(games.size() <= MaxMarkedGames);
        times[i]->replace(trend.times[i]);
        medians[i]->replace(trend.medians[i]);
        times[i]->setVisible(shown);
        medians[i]->setVisible(shown);
        // One legend entry stands for the medians of every count.
        for (QLegendMarker* marker : chart()->legend()->markers(medians[i]))
            marker->setVisible(shown && !medianNamed);
        medianNamed = medianNamed || shown;
    }
    // Smooth lines only while they are few: the raster engine draws thousands
    // of antialiased segments many times slower.
    setRenderHint(QPainter::Antialiasing, games.size() <= 2 * MaxRuns);
    best->replace(trend.best);
    best->setVisible(!trend.best.isEmpty());
    rate->replace(trend.rate);
    rate->setVisible(!trend.rate.isEmpty());

    axisX_->setRange(0, trend.lastX);
    axisX_->setTickInterval(trend.xTick);
    axisTime_->setRange(0, trend.timeTop);
    axisTime_->applyNiceNumbers(); // round ticks: 0, 20, 40 ... rather than 0, 23.8, 47.5 ...
}

} // namespace history
