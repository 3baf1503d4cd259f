#pragma once

#include "ui/services.h"

#include <QString>

#include <cstdint>
#include <deque>
#include <optional>
#include <random>

namespace testing {

// A clock the test sets by hand: the time of day and the monotonic clock move
// together through advance(), or apart through the setters.
class FakeClock final : public ui::Clock {
public:
    double timeOfDay() override { return timeOfDay_; }
    std::int64_t monotonicMs() override { return monotonicMs_; }

    void setTime(int hours, int minutes, int seconds) {
        timeOfDay_ = (hours * 3600 + minutes * 60 + seconds) / 86400.0;
    }
    void setTimeOfDay(double fraction) { timeOfDay_ = fraction; }
    void advanceSeconds(double seconds) {
        monotonicMs_ += static_cast<std::int64_t>(seconds * 1000);
        timeOfDay_ += seconds / 86400.0;
        while (timeOfDay_ >= 1.0)
            timeOfDay_ -= 1.0;
    }
    void setMonotonicMs(std::int64_t ms) { monotonicMs_ = ms; }

private:
    double timeOfDay_ = 0.5; // noon
    std::int64_t monotonicMs_ = 1'000'000;
};

// A reproducible generator: values come from a queue first, then from a
// seeded engine. randomize() does not reseed, so runs repeat exactly.
class FakeRandom final : public ui::Random {
public:
    explicit FakeRandom(std::uint64_t seed = 12345) : engine_(seed) {}
    void randomize() override { ++randomizeCalls; }
    double rnd() override {
        ++draws;
        if (!queued.empty()) {
            const double v = queued.front();
            queued.pop_front();
            return v;
        }
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }
    void reseed(std::uint64_t seed) { engine_.seed(seed); }

    std::deque<double> queued;
    int randomizeCalls = 0;
    long long draws = 0;

private:
    std::mt19937_64 engine_;
};

class FakeBeeper final : public ui::Beeper {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

class FakeClipboard final : public ui::Clipboard {
public:
    void clear() override {
        content.clear();
        ++clears;
    }
    void setText(const QString& text) override { content = text; }
    QString text() const override { return content; }
    QString content;
    int clears = 0;
};

// Answers the colour dialog from a queue: a colour, or nothing for Cancel.
class FakeColorPicker final : public ui::ColorPicker {
public:
    std::optional<ui::Colour> pick(ui::Colour initial, QWidget*) override {
        ++shown;
        lastInitial = initial;
        if (answers.empty())
            return std::nullopt;
        const std::optional<ui::Colour> a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<ui::Colour>> answers;
    int shown = 0;
    ui::Colour lastInitial = -1;
};

// One set of fakes, handed to a window as its services.
struct FakeServices {
    FakeClock clock;
    FakeRandom random;
    FakeBeeper beeper;
    FakeClipboard clipboard;
    FakeColorPicker colorPicker;

    ui::Services services() { return {&clock, &random, &beeper, &clipboard, &colorPicker}; }
};

} // namespace testing
