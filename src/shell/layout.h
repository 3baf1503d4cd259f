// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace shell {

// The layout of the board window's start screen. All values are twips; W is
// the window's outer width (frame included) and S the screen's width. The
// formulas work in single precision and their results are used unrounded,
// so W / 2 may end in a half twip.

constexpr double MinimumWidth = 11000;
constexpr double MinimumHeight = 6000;
// A window more than this much narrower than the screen is asked to widen.
constexpr double ScreenMargin = 1000;

// The size correction of one layout run: at most one of width and height is
// raised per run; the run that the change causes raises the other one.
struct SizeCorrection {
    enum class Kind { None, Width, Height };
    Kind kind = Kind::None;
    double value = 0;
    bool operator==(const SizeCorrection&) const = default;
};
SizeCorrection sizeCorrection(double outerWidth, double outerHeight);

// Left edge of the command bar: centred on W, then 50 twips further left.
double commandBarLeft(double outerWidth, double barWidth);
// Left edge of a label centred on W (the usage hint).
double centredLeft(double outerWidth, double labelWidth);
// Left edge of the notice label and of the range instruction line.
double noticeLeft(double outerWidth);

// One line of text drawn on the board at a point, in a size of its own.
struct BoardText {
    QString text;
    double x = 0;
    double y = 0;
    double fontSize = 0;
};

// The prompt of the start screen: the start prompt when the window is at
// most ScreenMargin narrower than the screen (exactly ScreenMargin included),
// otherwise the prompt to widen the window.
BoardText startPrompt(double screenWidth, double outerWidth);
// The range instruction line for a range that starts at s1.
BoardText rangeInstruction(double outerWidth, int s1);

// The three-line usage hint, lines joined by CR LF.
QString usageHint();

} // namespace shell
