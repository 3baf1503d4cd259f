// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/replayview.h"

#include "design.h"
#include "engine/placement.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace history {

namespace {

constexpr int Margin = 8;            // pixels around the board
constexpr double TwipsPerPoint = 20; // a font's size in points to board twips

} // namespace

QString outcomeWord(engine::ClickOutcome outcome) {
    switch (outcome) {
    case engine::ClickOutcome::Hit:
        return u"正解"_s;
    case engine::ClickOutcome::Early:
        return u"早すぎ"_s;
    case engine::ClickOutcome::Again:
        return u"もう見つけた"_s;
    case engine::ClickOutcome::Empty:
        break;
    }
    return u"空振り"_s;
}

QColor outcomeColour(engine::ClickOutcome outcome) {
    switch (outcome) {
    case engine::ClickOutcome::Hit:
        return QColor(0, 128, 0);
    case engine::ClickOutcome::Early:
        return QColor(224, 96, 0);
    case engine::ClickOutcome::Again:
        return QColor(144, 0, 176);
    case engine::ClickOutcome::Empty:
        break;
    }
    return QColor(230, 0, 0);
}

ReplayView::ReplayView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 200);
}

QSize ReplayView::sizeHint() const {
    return {800, 480};
}

void ReplayView::setClick(const engine::ClickRecord* click, int firstNumber, int radius) {
    click_ = click;
    firstNumber_ = firstNumber;
    radius_ = radius;
    update();
}

QTransform ReplayView::boardToView() const {
    if (!click_ || click_->boardWidth <= 0 || click_->boardHeight <= 0)
        return {};
    const double w = click_->boardWidth;
    const double h = click_->boardHeight;
    const double scale =
        std::max(0.0, std::min((width() - 2.0 * Margin) / w, (height() - 2.0 * Margin) / h));
    QTransform t;
    t.translate((width() - w * scale) / 2, (height() - h * scale) / 2);
    t.scale(scale, scale);
    return t;
}

void ReplayView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QTransform t = boardToView();
    if (!click_ || t.isIdentity())
        return;
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = t.m11();
    const QColor ink = ui::toQColor(design::Ink);
    const QRectF board = t.mapRect(QRectF(0, 0, click_->boardWidth, click_->boardHeight));
    p.fillRect(board, ui::toQColor(design::Pale));
    p.setPen(QPen(QColor(96, 160, 96), 1));
    p.drawRect(board);

    // The numbers as the board draws them: the digits centred in a thin circle.
    QFont font = ui::makeFont(design::uiGothic(engine::NumberFontSize));
    font.setPixelSize(std::max(1, int(engine::NumberFontSize * TwipsPerPoint * scale)));
    p.setFont(font);
    const double r = engine::NumberCircleRadius * scale;
    for (qsizetype i = 0; i < click_->positions.size(); ++i) {
        const QPointF c = t.map(QPointF(click_->positions[i]));
        p.setPen(QPen(ink, 1));
        p.drawEllipse(c, r, r);
        p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
                   QString::number(firstNumber_ + int(i)));
    }

    // The number due, ringed at the hit radius.
    const QPointF due = t.map(QPointF(click_->dueX, click_->dueY));
    const double ring = std::max(radius_, engine::NumberCircleRadius) * scale + 2;
    p.setPen(QPen(ui::toQColor(design::Red), 3));
    p.drawEllipse(due, ring, ring);

    // The click: for a miss a dashed line from the ring of the number due, a
    // cross, the word.
    const QColor colour = outcomeColour(click_->outcome);
    const QPointF at = t.map(QPointF(click_->x, click_->y));
    const QLineF toDue(at, due);
    if (click_->outcome != engine::ClickOutcome::Hit && toDue.length() > ring) {
        p.setPen(QPen(colour, 1.5, Qt::DashLine));
        p.drawLine(toDue.pointAt(1 - ring / toDue.length()), at); // up to the ring
    }
    constexpr double Arm = 9;
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at + QPointF(-Arm, -Arm), at + QPointF(Arm, Arm));
    p.drawLine(at + QPointF(-Arm, Arm), at + QPointF(Arm, -Arm));

    QFont wordFont = ui::makeFont(design::pGothic(12));
    wordFont.setBold(true);
    p.setFont(wordFont);
    const QString word = outcomeWord(click_->outcome);
    const QFontMetricsF fm(wordFont);
    QRectF box(0, 0, fm.horizontalAdvance(word) + 8, fm.height() + 2);
    box.moveBottomLeft(at + QPointF(Arm + 2, -Arm));
    // Kept inside the board, on the other side of the cross where it would leave it.
    if (box.right() > board.right())
        box.moveRight(at.x() - Arm - 2);
    if (box.top() < board.top())
        box.moveTop(at.y() + Arm);
    QPainterPath back;
    back.addRoundedRect(box, 4, 4);
    p.fillPath(back, QColor(255, 255, 255, 220));
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, word);
}

} // namespace history
