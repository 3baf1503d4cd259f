// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/gametext.h"

#include "engine/rules.h"
#include "ui/values.h"

#include <algorithm>
#include <limits>

namespace results {

namespace {

QString twoDigits(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

} // namespace

int elapsedSeconds(std::int64_t startMs, std::int64_t nowMs) {
    const std::int64_t s = (nowMs - startMs) / 1000;
    return static_cast<int>(std::clamp<std::int64_t>(s, 0, std::numeric_limits<int>::max()));
}

QString elapsedText(int seconds) {
    return QString::number(seconds / 3600) + QLatin1Char(':') + twoDigits(seconds / 60 % 60) +
           QLatin1Char(':') + twoDigits(seconds % 60);
}

QString summaryTimeText(int seconds) {
    const int minutes = seconds / 60;
    if (minutes == 0)
        return twoDigits(seconds % 60) + QStringLiteral(" 秒");
    return QString::number(minutes) + QStringLiteral("分 ") + twoDigits(seconds % 60) +
           QStringLiteral("秒");
}

int correctRate(int hits, int clicks) {
    if (clicks <= 0)
        return 0;
    const std::int64_t h = hits;
    const std::int64_t k = clicks;
    return static_cast<int>((200 * h + k) / (2 * k));
}

QString radiusWord(int radius) {
    switch (radius) {
    case engine::NarrowRadius:
        return QStringLiteral("狭");
    case engine::MiddleRadius:
        return QStringLiteral("中");
    case engine::WideRadius:
        return QStringLiteral("広");
    default:
        return QString::number(radius);
    }
}

QString rangeText(int first, int count) {
    return QString::number(first) + QStringLiteral("–") + QString::number(first + count - 1);
}

QString finishedText(const QDateTime& finished) {
    return finished.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString gameTimeText(std::int64_t elapsedMs) {
    return summaryTimeText(elapsedSeconds(0, elapsedMs));
}

QString summaryCaption(const GameFigures& g) {
    using ui::CrLf;
    return QStringLiteral("数字 ＝ ") + QString::number(g.count) + QStringLiteral(" 個") + CrLf +
           QStringLiteral("所要時間 ＝ ") + summaryTimeText(g.seconds) + CrLf +
           QStringLiteral("正解率 ＝ ") + QString::number(correctRate(g.hits, g.clicks)) +
           QStringLiteral(" ％ (") + QString::number(g.hits) + QLatin1Char('/') +
           QString::number(g.clicks) + QLatin1Char(')');
}

QString resultsLine(int gameNo, const QString& name, const GameFigures& g) {
    return QString::number(gameNo) + QStringLiteral(",(") + name + QStringLiteral("),‥,") +
           QString::number(g.count) + QStringLiteral(" 個,／,") + summaryTimeText(g.seconds) +
           QStringLiteral(",‥,正解率＝,") + QString::number(correctRate(g.hits, g.clicks)) +
           QStringLiteral(" %, (") + QString::number(g.hits) + QLatin1Char('/') +
           QString::number(g.clicks) + QLatin1Char(')');
}

} // namespace results
