// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/boardmap.h"

#include "design.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QPainter>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace history {

namespace {

constexpr int HalvesHeight = 44; // pixels under the board for the two halves

// White for the quickest part (and one without a hit), a light orange for
// the slowest, between them in proportion.
QColor tint(const Region& region, double quickest, double slowest) {
    const double f = region.medianMs && slowest > quickest
                         ? (*region.medianMs - quickest) / (slowest - quickest)
                         : 0;
    return QColor(255, int(255 - 70 * f), int(255 - 150 * f));
}

} // namespace

BoardMap::BoardMap(QWidget* parent) : QWidget(parent) {
    setFont(ui::makeFont(design::pGothic(9)));
}

QSize BoardMap::sizeHint() const {
    return {360, 240 + HalvesHeight};
}

QSize BoardMap::minimumSizeHint() const {
    return {260, 150 + HalvesHeight};
}

void BoardMap::setBreakdown(const Breakdown& breakdown) {
    breakdown_ = breakdown;
    update();
}

QString BoardMap::regionText(const Region& region) {
    return u"中央値 "_s + secondsText(region.medianMs) + u"\nミス "_s +
           QString::number(region.misses);
}

void BoardMap::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The board at 16:10, as large as the widget allows above the halves.
    const double h = std::min<double>(height() - HalvesHeight - 2, (width() - 2) * 10.0 / 16);
    const double w = h * 16 / 10;
    const QRectF board((width() - w) / 2, 1, w, h);
    double quickest = 0, slowest = 0;
    bool any = false;
    for (const Region& r : breakdown_.quadrants) {
        if (!r.medianMs)
            continue;
        quickest = any ? std::min(quickest, *r.medianMs) : *r.medianMs;
        slowest = std::max(slowest, *r.medianMs);
        any = true;
    }
    const QColor ink = ui::toQColor(design::Ink);
    for (int q = 0; q < 4; ++q) {
        const QRectF part(board.left() + (q % 2) * w / 2, board.top() + (q / 2) * h / 2, w / 2,
                          h / 2);
        const Region& region = breakdown_.quadrants[q];
        p.fillRect(part, tint(region, quickest, slowest));
        p.setPen(ink);
        p.drawText(part, Qt::AlignCenter, regionText(region));
    }
    p.setPen(QPen(ink, 1, Qt::DashLine));
    p.drawLine(QPointF(board.center().x(), board.top()),
               QPointF(board.center().x(), board.bottom()));
    p.drawLine(QPointF(board.left(), board.center().y()),
               QPointF(board.right(), board.center().y()));
    p.setPen(QPen(ink, 1.5));
    p.drawRect(board);

    // The halves under the board, each under its own side.
    QFont bold = font();
    bold.setBold(true);
    for (int s = 0; s < 2; ++s) {
        const QRectF half(board.left() + s * w / 2, board.bottom() + 2, w / 2, HalvesHeight - 2);
        p.setFont(bold);
        p.drawText(half, Qt::AlignHCenter | Qt::AlignTop, s == Left ? u"左半分"_s : u"右半分"_s);
        p.setFont(font());
        const Region& region = breakdown_.sides[s];
        p.drawText(half, Qt::AlignHCenter | Qt::AlignBottom,
                   u"中央値 "_s + secondsText(region.medianMs) + u"　ミス "_s +
                       QString::number(region.misses));
    }
}

} // namespace history
