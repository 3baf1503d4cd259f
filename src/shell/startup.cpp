// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm1.h"

#include "design.h"
#include "shell/layout.h"

namespace {

void print(ui::Surface& board, const shell::BoardText& line) {
    board.setCurrentX(line.x);
    board.setCurrentY(line.y);
    board.setFontSize(line.fontSize);
    board.print(line.text);
}

// Raises the window to the minimum size, one dimension per call. The change
// runs the resize handler again (nested), and that run raises the other
// dimension if needed. A minimised or maximised window keeps its size, which
// belongs to the window manager, and the layout goes on with it.
void keepMinimumSize(ui::FormWindow& w) {
    const shell::SizeCorrection fix = shell::sizeCorrection(w.outerWidth(), w.outerHeight());
    if (fix.kind == shell::SizeCorrection::Kind::Width)
        w.setOuterWidth(fix.value);
    else if (fix.kind == shell::SizeCorrection::Kind::Height)
        w.setOuterHeight(fix.value);
}

} // namespace

void Frm1::Form_Load() {
    ResetGame();
    ReadRangeOptions();
    form().setWindowStateCode(2);
    form().setBackColor(design::Pale);
    form().setForeColor(design::Ink);
    Tugicolr = design::Red;
    swthOto = true;
}

// After every change of size or window state, and on the first show: the
// command bar centred, the start screen drawn anew and any running game
// abandoned.
void Frm1::Form_Resize() {
    ui::FormWindow& w = form();
    keepMinimumSize(w);
    fra0.setLeft(shell::commandBarLeft(w.outerWidth(), fra0.width()));
    lbl4.setLeft(shell::noticeLeft(w.outerWidth()));
    board().cls();
    print(board(), shell::startPrompt(w.screenWidth(), w.outerWidth()));
    ResetGame();
    lbl5.setTop(1000);
    lbl5.setLeft(shell::centredLeft(w.outerWidth(), lbl5.width()));
    lbl5.setCaption(shell::usageHint());
    PrintRangeLine();
}

void Frm1::PrintRangeLine() {
    print(board(), shell::rangeInstruction(form().outerWidth(), s1));
}
