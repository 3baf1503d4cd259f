// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/breakdown.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace history {

namespace {

void count(MissCounts& misses, engine::ClickOutcome outcome) {
    switch (outcome) {
    case engine::ClickOutcome::Early:
        ++misses.early;
        break;
    case engine::ClickOutcome::Again:
        ++misses.again;
        break;
    case engine::ClickOutcome::Empty:
        ++misses.empty;
        break;
    case engine::ClickOutcome::Hit:
        break;
    }
}

} // namespace

std::optional<double> median(QList<qint64> values) {
    if (values.isEmpty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const qsizetype mid = values.size() / 2;
    if (values.size() % 2 == 1)
        return double(values[mid]);
    return (double(values[mid - 1]) + double(values[mid])) / 2;
}

Breakdown breakDown(const QList<engine::ClickRecord>& clicks) {
    Breakdown b;
    std::array<QList<qint64>, 2> sideTimes;
    std::array<QList<qint64>, 4> quadrantTimes;
    qint64 previousClick = 0; // the start click is at 0
    qint64 previousHit = 0;
    MissCounts sinceHit;
    for (const engine::ClickRecord& c : clicks) {
        const bool hit = c.outcome == engine::ClickOutcome::Hit;
        const qint64 search = c.tMs - previousClick;
        previousClick = c.tMs;
        if (hit) {
            b.numbers.append({c.due, c.tMs - previousHit, sinceHit});
            previousHit = c.tMs;
            sinceHit = {};
        } else {
            count(sinceHit, c.outcome);
            count(b.misses, c.outcome);
        }
        if (c.boardWidth <= 0 || c.boardHeight <= 0)
            continue;
        const Side side = 2 * c.dueX < c.boardWidth ? Left : Right;
        const bool top = 2 * c.dueY < c.boardHeight;
        const Quadrant quadrant =
            top ? (side == Left ? TopLeft : TopRight) : (side == Left ? BottomLeft : BottomRight);
        for (Region* r : {&b.sides[side], &b.quadrants[quadrant]}) {
            if (hit)
                ++r->hits;
            else
                ++r->misses;
        }
        if (hit) {
            sideTimes[side].append(search);
            quadrantTimes[quadrant].append(search);
        }
    }
    for (int i = 0; i < 2; ++i)
        b.sides[i].medianMs = median(sideTimes[i]);
    for (int i = 0; i < 4; ++i)
        b.quadrants[i].medianMs = median(quadrantTimes[i]);
    const std::optional<double> left = b.sides[Left].medianMs;
    const std::optional<double> right = b.sides[Right].medianMs;
    if (left && right && *right > 0)
        b.leftRightPercent = 100 * (*left - *right) / *right;

    QList<NumberTime> bySpeed = b.numbers;
    std::stable_sort(bySpeed.begin(), bySpeed.end(), [](const NumberTime& a, const NumberTime& c) {
        return a.ms != c.ms ? a.ms > c.ms : a.number < c.number;
    });
    for (qsizetype i = 0; i < std::min<qsizetype>(3, bySpeed.size()); ++i)
        b.slowest.append(bySpeed[i].number);
    return b;
}

QString secondsText(std::optional<double> ms) {
    return ms ? QString::number(*ms / 1000, 'f', 2) + u" 秒"_s : u"—"_s;
}

QString percentText(std::optional<double> percent) {
    if (!percent)
        return u"—"_s;
    return (*percent > 0 ? u"+"_s : QString()) + QString::number(*percent, 'f', 1) + u" %"_s;
}

QString leftRightDefinition() {
    return u"左右の差 = 100 × (左半分の中央値 − 右半分の中央値) ÷ 右半分の中央値。"
           u"正なら左側の数字を探すのに時間がかかっています。"
           u"中央値は、その側に次の数字があった正解クリックの、直前のクリックからの時間です。"_s;
}

} // namespace history
