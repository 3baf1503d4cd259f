// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/progresschart.h"

#include "design.h"
#include "results/gametext.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace history {

namespace {

// One colour per count, dark enough to read on the pale background.
const QColor CountColours[ProgressChart::Counts] = {QColor(0, 0, 192), QColor(0, 128, 0),
                                                    QColor(192, 0, 192), QColor(200, 100, 0),
                                                    QColor(0, 128, 160)};

// Markers on every game only while they stay apart.
constexpr int MaxMarkedGames = 100;
// Few plots are this many pixels wide: a longer series is thinned to this many
// runs of games, each drawn by its lowest and its highest point.
constexpr int MaxRuns = 250;

// `points` thinned to the lowest and the highest point of each of MaxRuns
// runs of consecutive points, in their order; the line drawn looks the same
// and ten thousand games draw as fast as two thousand.
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

int countSlot(int count) {
    return std::clamp(count / 10 - 1, 0, ProgressChart::Counts - 1);
}

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
    std::array<QList<QPointF>, Counts> timePoints;
    std::array<int, Counts> bestAt;
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

    QList<QPointF> bestPoints;
    bool medianNamed = false;
    for (int i = 0; i < Counts; ++i) {
        const bool shown = !timePoints[i].isEmpty();
        times[i]->setPointsVisible(games.size() <= MaxMarkedGames);
        times[i]->replace(thinned(timePoints[i]));
        medians[i]->replace(thinned(runningMedian(timePoints[i])));
        times[i]->setVisible(shown);
        medians[i]->setVisible(shown);
        // One legend entry stands for the medians of every count.
        for (QLegendMarker* marker : chart()->legend()->markers(medians[i]))
            marker->setVisible(shown && !medianNamed);
        medianNamed = medianNamed || shown;
        if (bestAt[i] >= 0)
            bestPoints.append(timePoints[i][bestAt[i]]);
    }
    // Smooth lines only while they are few: the raster engine draws thousands
    // of antialiased segments many times slower.
    setRenderHint(QPainter::Antialiasing, games.size() <= 2 * MaxRuns);
    best->replace(bestPoints);
    best->setVisible(!bestPoints.isEmpty());
    rate->replace(thinned(ratePoints));
    rate->setVisible(!ratePoints.isEmpty());

    // Whole-numbered ticks, about ten of them.
    const double last = std::max<double>(static_cast<double>(games.size()), 5);
    axisX_->setRange(0, last);
    axisX_->setTickInterval(std::max(1.0, std::ceil(niceCeiling(last / 10))));
    axisTime_->setRange(0, std::max(slowest * 1.05, 1.0));
    axisTime_->applyNiceNumbers(); // round ticks: 0, 20, 40 ... rather than 0, 23.8, 47.5 ...
}

} // namespace history
