// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/twips.h"

#include <QString>

#include <cstdint>
#include <optional>

class QWidget;

namespace ui {

// The points where the world comes in. The program uses the system
// implementations; tests substitute fakes (tests/support).

class Clock {
public:
    virtual ~Clock() = default;
    // The time of day as a fraction of a day, in [0, 1).
    virtual double timeOfDay() = 0;
    // Milliseconds of a monotonic clock: never goes back, not affected by
    // changes of the system time.
    virtual std::int64_t monotonicMs() = 0;
};

class Random {
public:
    virtual ~Random() = default;
    // Reseeds the generator from the system clock.
    virtual void randomize() = 0;
    // A value uniform in [0, 1).
    virtual double rnd() = 0;
};

class Beeper {
public:
    virtual ~Beeper() = default;
    // Sounds the short hit tone. Never blocks.
    virtual void beep() = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    // Puts plain text on the clipboard, exactly as given.
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};

class ColorPicker {
public:
    virtual ~ColorPicker() = default;
    // Shows a modal colour dialog that opens on `initial`; returns the chosen
    // colour, or nothing when the player cancels.
    virtual std::optional<Colour> pick(Colour initial, QWidget* parent) = 0;
};

// The set of services a window works with. Every member must outlive it.
struct Services {
    Clock* clock = nullptr;
    Random* random = nullptr;
    Beeper* beeper = nullptr;
    Clipboard* clipboard = nullptr;
    ColorPicker* colorPicker = nullptr;
    // The file that keeps every finished game; empty: none is kept.
    QString historyFile;

    // The real clock, a seeded generator, the sound effect, the system
    // clipboard and QColorDialog. Created on first use, alive until exit.
    static Services system();
};

} // namespace ui
