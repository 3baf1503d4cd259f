// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/services.h"

#include "history/store.h"

#include <QApplication>
#include <QAudioDevice>
#include <QClipboard>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTime>
#include <QUrl>

#include <chrono>
#include <random>

namespace ui {
namespace {

class SystemClock final : public Clock {
public:
    SystemClock() { started_.start(); }
    double timeOfDay() override {
        return QTime::currentTime().msecsSinceStartOfDay() / 86'400'000.0;
    }
    std::int64_t monotonicMs() override { return started_.elapsed(); }

private:
    QElapsedTimer started_;
};

class SystemRandom final : public Random {
public:
    void randomize() override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        engine_.seed(static_cast<std::uint64_t>(now) ^ std::random_device{}());
    }
    double rnd() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_{std::random_device{}()};
};

// The hit tone, loaded when the services are first made (at start-up) so
// that a hit never waits for it. Where no audio device can be opened, the
// desktop's own beep stands in.
class SystemBeeper final : public Beeper {
public:
    SystemBeeper() {
        // Owned by the application, so that it goes while Qt Multimedia is
        // still there, not after it with the static objects.
        effect_ = new QSoundEffect(QCoreApplication::instance());
        effect_->setSource(QUrl(QStringLiteral("qrc:/junban/hit.wav")));
        effect_->setVolume(0.6f);
    }
    void beep() override {
        if (!effect_ || effect_->status() == QSoundEffect::Error ||
            QMediaDevices::defaultAudioOutput().isNull()) {
            QApplication::beep();
            return;
        }
        effect_->play();
    }

private:
    QPointer<QSoundEffect> effect_;
};

class SystemClipboard final : public Clipboard {
public:
    void clear() override { QGuiApplication::clipboard()->clear(); }
    void setText(const QString& text) override { QGuiApplication::clipboard()->setText(text); }
    QString text() const override { return QGuiApplication::clipboard()->text(); }
};

class SystemColorPicker final : public ColorPicker {
public:
    std::optional<Colour> pick(Colour initial, QWidget* parent) override {
        const QColor chosen = QColorDialog::getColor(toQColor(initial), parent);
        if (!chosen.isValid())
            return std::nullopt;
        return fromQColor(chosen);
    }
};

} // namespace

Services Services::system() {
    static SystemClock clock;
    static SystemRandom random;
    static SystemBeeper beeper;
    static SystemClipboard clipboard;
    static SystemColorPicker colorPicker;
    return {&clock, &random, &beeper, &clipboard, &colorPicker, history::Store::defaultPath()};
}

} // namespace ui
