// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/services.h"

#include <deque>
#include <optional>
#include <random>

namespace testing {

// A clock the test moves by hand; time of day and monotonic clock together.
class FakeClock final : public ui::Clock {
public:
    double timeOfDay() override { return day; }
    std::int64_t monotonicMs() override { return ms; }
    void advanceSeconds(double seconds) {
        ms += static_cast<std::int64_t>(seconds * 1000);
        day += seconds / 86400.0;
    }
    double day = 0.5;
    std::int64_t ms = 1'000'000;
};

// Values from `queued` first, then from a seeded engine; randomize() does not
// reseed, so a run repeats exactly.
class FakeRandom final : public ui::Random {
public:
    void randomize() override {}
    double rnd() override {
        if (queued.empty())
            return static_cast<double>(engine() >> 11) * 0x1.0p-53;
        const double v = queued.front();
        queued.pop_front();
        return v;
    }
    std::deque<double> queued;
    std::mt19937_64 engine{12345};
};

class FakeBeeper final : public ui::Beeper {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

class FakeClipboard final : public ui::Clipboard {
public:
    void clear() override { content = QStringLiteral("(cleared)"); }
    void setText(const QString& text) override { content = text; }
    QString text() const override { return content; }
    QString content;
};

// Answers the colour dialog from a queue: a colour, or nothing for Cancel.
class FakeColorPicker final : public ui::ColorPicker {
public:
    std::optional<ui::Colour> pick(ui::Colour initial, QWidget*) override {
        lastInitial = initial;
        if (answers.empty())
            return std::nullopt;
        const std::optional<ui::Colour> a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<ui::Colour>> answers;
    ui::Colour lastInitial = -1;
};

struct FakeServices {
    FakeClock clock;
    FakeRandom random;
    FakeBeeper beeper;
    FakeClipboard clipboard;
    FakeColorPicker colorPicker;
    QString historyFile; // empty: the games are not kept
    ui::Services services() {
        return {&clock, &random, &beeper, &clipboard, &colorPicker, historyFile};
    }
};

} // namespace testing
