// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm1.h"

#include "design.h"
#include "shell/rangerules.h"

using results::FirstCountOption;
using results::FirstStartOption;
using results::LastCountOption;
using results::LastStartOption;

// Keeps the two range choices compatible: whichever group the clicked button
// belongs to, the selected first number disables the counts it cannot take
// and the selected count disables the first numbers it cannot take. Only
// Enabled changes, never a selection. Then the game starts over on the new
// range.
void Frm1::opt1_Click(int) {
    const int start = ui::firstSelected(opt1, FirstStartOption, LastStartOption);
    if (start >= 0) {
        if (shell::rangeFits(start, LastCountOption)) {
            EnableCountOptions();
        } else {
            for (int i = FirstCountOption; i <= LastCountOption; ++i)
                opt1[i].setEnabled(shell::rangeFits(start, i));
        }
    }
    const int count = ui::firstSelected(opt1, FirstCountOption, LastCountOption);
    if (count >= 0) {
        if (shell::rangeFits(LastStartOption, count)) {
            EnableStartOptions();
        } else {
            for (int i = FirstStartOption; i <= LastStartOption; ++i)
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
    const ui::Colour colour = swthTugi ? MJcolr : design::Red;
    lbl1[0].setForeColor(colour);
    lbl1[1].setForeColor(colour);
    Tugicolr = colour;
    swthTugi = !swthTugi;
}
