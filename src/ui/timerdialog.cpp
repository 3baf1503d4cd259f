// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/timerdialog.h"

#include "ui/services.h"

#include <QTimer>

namespace ui {

void Timer::create(QObject* parent) {
    timer_ = new QTimer(parent);
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
        if (onTimer)
            onTimer();
    });
}

void Timer::setInterval(int ms) {
    if (ms <= 0)
        timer_->stop();
    else
        timer_->start(ms);
}

bool Timer::running() const {
    return timer_->isActive();
}

void CommonDialog::create(ColorPicker* picker, QWidget* parent) {
    picker_ = picker;
    parent_ = parent;
}

bool CommonDialog::showColor() {
    const Colour initial = (flags_ & 1) ? color_ : RGB(255, 255, 255);
    const std::optional<Colour> chosen = picker_->pick(initial, parent_);
    if (!chosen)
        return !cancelError_;
    color_ = *chosen;
    return true;
}

} // namespace ui
