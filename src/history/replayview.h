// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/clicks.h"

#include <QColor>
#include <QTransform>
#include <QWidget>

namespace history {

// The word and the colour a click's outcome is shown with in the detail
// window: 正解, 早すぎ (a number still to come), もう見つけた (one already
// found), 空振り (no number).
QString outcomeWord(engine::ClickOutcome outcome);
QColor outcomeColour(engine::ClickOutcome outcome);

// One click of a kept game drawn on the board as it stood: every number in
// its circle as the board draws it, the number due ringed at the hit radius,
// the click point marked with a cross and its outcome's word in the outcome's
// colour. The board (twips) is scaled into the view keeping its aspect,
// centred; the view draws nothing but its background without a click.
class ReplayView final : public QWidget {
public:
    explicit ReplayView(QWidget* parent = nullptr);

    // `click` must outlive the view or the next call; `firstNumber` is the
    // number of click->positions[0]; `radius` the game's hit radius (twips).
    void setClick(const engine::ClickRecord* click, int firstNumber, int radius);
    const engine::ClickRecord* click() const { return click_; }
    // Board twips to the view's pixels, for the click shown and the view's size.
    QTransform boardToView() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const engine::ClickRecord* click_ = nullptr;
    int firstNumber_ = 0;
    int radius_ = 0;
};

} // namespace history
