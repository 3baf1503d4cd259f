// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The two controls of a window that take no place on it: the timer and the
// common colour dialog.

#include "ui/values.h"

#include <functional>

class QObject;
class QTimer;
class QWidget;

namespace ui {

class ColorPicker;

// A timer: `interval` milliseconds between ticks, 0 = stopped.
class Timer {
public:
    void create(QObject* parent);
    void setInterval(int ms);
    bool running() const;

    std::function<void()> onTimer;

private:
    QTimer* timer_ = nullptr;
};

// The common colour dialog: the caller sets cancelError and flags, calls
// showColor() and reads color(). showColor() returns false when the player
// cancelled and cancelError is set; color() then stays as it was.
class CommonDialog {
public:
    void create(ColorPicker* picker, QWidget* parent);
    void setCancelError(bool on) { cancelError_ = on; }
    void setFlags(int flags) { flags_ = flags; }
    Colour color() const { return color_; }
    bool showColor();

private:
    ColorPicker* picker_ = nullptr;
    QWidget* parent_ = nullptr;
    bool cancelError_ = false;
    int flags_ = 0;
    Colour color_ = RGB(255, 255, 255);
};

} // namespace ui
