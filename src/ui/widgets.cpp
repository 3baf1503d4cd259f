// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace ui {
namespace {

// The option buttons of one container, left to right.
QList<QRadioButton*> groupOf(const QRadioButton* button) {
    QList<QRadioButton*> group =
        button->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(group.begin(), group.end(), [](const QWidget* a, const QWidget* b) {
        return a->x() != b->x() ? a->x() < b->x() : a->y() < b->y();
    });
    return group;
}

} // namespace

void ClickLabel::mousePressEvent(QMouseEvent* e) {
    if (clickable && clickable())
        e->accept();
    else
        QLabel::mousePressEvent(e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (clickable && clickable() && rect().contains(e->position().toPoint())) {
        e->accept();
        clicked();
        return;
    }
    QLabel::mouseReleaseEvent(e);
}

void SolidFrame::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void FaceButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const QColor face = palette().color(QPalette::Button);
    p.fillRect(r, face);
    const bool sunken = isDown();
    const QColor light(255, 255, 255), dark(64, 64, 64), shadow = face.darker(200);
    // Outer edges one pixel, the inner shadow one pixel more.
    const auto edges = [&p](const QRect& e, const QColor& topLeft, const QColor& bottomRight) {
        p.fillRect(e.left(), e.top(), e.width(), 1, topLeft);
        p.fillRect(e.left(), e.top(), 1, e.height(), topLeft);
        p.fillRect(e.left(), e.bottom(), e.width(), 1, bottomRight);
        p.fillRect(e.right(), e.top(), 1, e.height(), bottomRight);
    };
    if (sunken) {
        edges(r, dark, light);
        edges(r.adjusted(1, 1, -1, -1), shadow, face);
    } else {
        edges(r, light, dark);
        edges(r.adjusted(1, 1, -1, -1), face, shadow);
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::ButtonText), 0, Qt::DotLine));
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
    p.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(128, 128, 128));
    p.drawText(sunken ? r.translated(1, 1) : r, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void setGroupTabStop(const QRadioButton* member) {
    const QList<QRadioButton*> group = groupOf(member);
    const bool anySelected = std::any_of(group.begin(), group.end(),
                                         [](const QRadioButton* b) { return b->isChecked(); });
    for (QRadioButton* b : group)
        b->setFocusPolicy(!anySelected || b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void OptionRadio::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const int shown = qBound(0, parentWidget()->height() - y(), height());
    const int side = std::min(
        {style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &opt, this), width(), shown});
    opt.rect = QRect(0, (shown - side) / 2, side, side);
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &opt, &p, this);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = opt.rect;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void OptionRadio::focusInEvent(QFocusEvent* e) {
    QRadioButton::focusInEvent(e);
    setGroupTabStop(this);
}

void OptionRadio::keyPressEvent(QKeyEvent* e) {
    int step = 0;
    if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Up)
        step = -1;
    else if (e->key() == Qt::Key_Right || e->key() == Qt::Key_Down)
        step = 1;
    if (step == 0 || (e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QRadioButton::keyPressEvent(e);
        return;
    }
    QList<QRadioButton*> group = groupOf(this);
    group.removeIf(
        [this](const QRadioButton* b) { return b != this && (!b->isEnabled() || b->isHidden()); });
    const qsizetype n = group.size();
    QRadioButton* next = group.at((group.indexOf(this) + step + n) % n);
    if (next == this)
        return;
    next->setFocus(Qt::TabFocusReason);
    next->click();
}

} // namespace ui
