// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Qt widgets behind the controls, painted and keyed as the designs want
// them whatever the application style.

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace ui {

// A label that reports clicks when it has a click handler, and otherwise lets
// presses go on to its container like a plain QLabel.
class ClickLabel final : public QLabel {
public:
    using QLabel::QLabel;
    std::function<bool()> clickable;
    std::function<void()> clicked;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// A frame keeps the presses on it: the command bar is not part of the board.
class SolidFrame final : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

// A command button in the graphical style of the designs: one flat fill of
// its back colour (the palette's Button colour) under a thin raised bevel,
// sunken while pressed, a dotted focus rectangle inside the face while it has
// the focus, and grey text while disabled. The application style would paint
// a gradient instead, which hides the designed colour.
class FaceButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override;
};

// An option button whose whole rectangle shows its back colour, with the
// circle drawn whole and round inside the part of the button its container
// shows (a designed button may reach below the bottom of its frame). The
// arrow keys move the selection within its group, each move a click.
class OptionRadio final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent*) override;
    // The whole rectangle takes clicks, not only the circle.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

// Makes a group of option buttons one stop of the keyboard order: its
// selected button, or every button while none is selected.
void setGroupTabStop(const QRadioButton* member);

} // namespace ui
