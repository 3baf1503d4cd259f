// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm1.h"

#include "shell/rangerules.h"

using results::FirstCountOption;
using results::FirstStartOption;
using results::LastCountOption;
using results::LastStartOption;

namespace {

// The first selected button of opt1(first .. last), or -1.
int firstSelected(const std::array<ui::OptionButton, 14>& opt, int first, int last) {
    for (int i = first; i <= last; ++i) {
        if (opt[i].value())
            return i;
    }
    return -1;
}

} // namespace

// Keeps the two range choices compatible: whichever group the clicked button
// belongs to, the selected first number disables the counts it cannot take
// and the selected count disables the first numbers it cannot take. Only
// Enabled changes, never a selection. Then the game starts over on the new
// range.
void Frm1::opt1_Click(int) {
    const int start = firstSelected(opt1, FirstStartOption, LastStartOption);
    if (start >= 0) {
        if (shell::rangeFits(start, LastCountOption)) {
            EnableCountOptions();
        } else {
            // Counts 10 and 20 fit every start and are never disabled.
            for (int i = FirstCountOption + 2; i <= LastCountOption; ++i)
                opt1[i].setEnabled(shell::rangeFits(start, i));
        }
    }
    const int count = firstSelected(opt1, FirstCountOption, LastCountOption);
    if (count >= 0) {
        if (shell::rangeFits(LastStartOption, count)) {
            EnableStartOptions();
        } else {
            // Starts 0 to 50 fit every count and are never disabled.
            for (int i = 6; i <= LastStartOption; ++i)
                opt1[i].setEnabled(shell::rangeFits(i, count));
        }
    }
    ResetGame();
    ShowResetNotice();
    ReadRangeOptions();
    PrintRangeLine();
}

void Frm1::EnableStartOptions() {
    for (p = FirstStartOption; p <= LastStartOption; ++p)
        opt1[p].setEnabled(true);
}

void Frm1::EnableCountOptions() {
    for (p = FirstCountOption; p <= LastCountOption; ++p)
        opt1[p].setEnabled(true);
}

// Switches the highlight of the next-number labels between red and the
// board's saved fore colour. The first click sets red, which they already
// show after start-up.
void Frm1::lbl1_Click(int) {
    const ui::Colour colour = swthTugi ? MJcolr : ui::RGB(255, 0, 0);
    lbl1[0].setForeColor(colour);
    lbl1[1].setForeColor(colour);
    Tugicolr = colour;
    swthTugi = !swthTugi;
}
