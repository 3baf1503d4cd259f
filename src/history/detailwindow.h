// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/breakdown.h"
#include "history/store.h"
#include "ui/controls.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QRadioButton;
class QSlider;

namespace history {

class BoardMap;
class NumberChart;
class ReplayView;

// The detail of one kept game (caption 記録の詳細), drawn from its kept
// clicks alone: the replay of the board as it stood at each click, the time
// to find each number with the misses by class, and the median time and the
// misses by where the number due stood. A game without clicks shows only a
// line that says so; one whose boards could not be read shows no replay.
//
// Keys: ← → step the replay, Home and End go to its first and last click,
// Space plays or stops, Esc closes. Playing waits between two clicks as long
// as the player did, divided by the speed chosen (×1, ×2, ×4), and stops at
// the last click.
class DetailWindow final : public QWidget {
public:
    DetailWindow();
    ~DetailWindow() override;

    // Shows `detail` in place of what the window showed (stopped, at its
    // first click), and brings the window to the front.
    void open(GameDetail detail);

    const GameDetail& detail() const { return detail_; }
    const Breakdown& breakdown() const { return breakdown_; }
    bool hasReplay() const;

    // The click the replay shows, 0 .. clicks − 1 (-1 without replay).
    int step() const { return step_; }
    // Shows click `step` (clamped to the clicks); a replay playing goes on
    // from there.
    void setStep(int step);
    bool playing() const { return playing_; }
    void play();
    void stop();
    static constexpr std::array<int, 3> Speeds = {1, 2, 4};
    int speed() const;
    // Runs while playing: its interval is the wait before the next click.
    const QTimer& playTimer() const { return timer_; }

    QLabel* title = nullptr;  // the game's figures, as the history table shows them
    QLabel* notice = nullptr; // why part of the detail cannot be shown
    QWidget* replayPart = nullptr;
    ReplayView* replay = nullptr;
    QSlider* slider = nullptr;
    QLabel* stepLabel = nullptr;
    ui::CommandButton cmdPrev;
    ui::CommandButton cmdPlay; // 再生, 停止 while playing
    ui::CommandButton cmdNext;
    std::array<QRadioButton*, 3> speedButtons{};
    QWidget* chartsPart = nullptr;
    NumberChart* chart = nullptr;
    QLabel* misses = nullptr; // the misses by class and the slowest numbers
    BoardMap* map = nullptr;
    QLabel* leftRight = nullptr; // the left/right difference with its definition
    ui::CommandButton cmdTojir;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    QWidget* buildReplay();
    QWidget* buildCharts();
    void showBreakdown();
    void scheduleNext();

    GameDetail detail_;
    Breakdown breakdown_;
    int step_ = -1;
    bool playing_ = false;
    QTimer timer_; // the wait before the next click while playing
    QButtonGroup* speedGroup_ = nullptr;
};

} // namespace history
