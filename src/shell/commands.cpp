// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm1.h"

// The colour commands share the one dialog, which opens on the colour chosen
// last by either of them (white before the first choice). A cancel ends the
// command and changes nothing. Neither command touches the game: recolouring
// the background clears the board, and the next click is still tested
// against the positions drawn before.

void Frm1::cmdCol1_Click() {
    cmndlg1.setCancelError(true);
    cmndlg1.setFlags(1);
    if (!cmndlg1.showColor())
        return;
    Mojicolr = cmndlg1.color();
    form().setForeColor(Mojicolr);
    fra0.setForeColor(Mojicolr);
    for (ui::Frame& f : fra1)
        f.setForeColor(Mojicolr);
    lbl1[0].setForeColor(Mojicolr);
    lbl1[1].setForeColor(Mojicolr);
    lbl3[0].setForeColor(Mojicolr);
    lbl3[1].setForeColor(Mojicolr);
    lbl4.setForeColor(Mojicolr);
    for (b = 0; b <= 13; ++b)
        lbl2[b].setForeColor(Mojicolr);
    for (d = 0; d <= 2; ++d)
        lbl6[d].setForeColor(Mojicolr);
}

void Frm1::cmdCol2_Click() {
    cmndlg1.setCancelError(true);
    cmndlg1.setFlags(1);
    if (!cmndlg1.showColor())
        return;
    Haicolr = cmndlg1.color();
    form().setBackColor(Haicolr);
    fra0.setBackColor(Haicolr);
    for (ui::Frame& f : fra1)
        f.setBackColor(Haicolr);
    for (b = 0; b <= 13; ++b)
        opt1[b].setBackColor(Haicolr);
    for (d = 0; d <= 2; ++d)
        opt6[d].setBackColor(Haicolr);
}

void Frm1::cmdOto_Click() {
    swthOto = !swthOto;
    cmdOto.setToolTipText(QStringLiteral("音の出･消を切替えます"));
}

// Ends the program at once: closing the board window closes the results
// window and stops the event loop with status 0 (connectHandlers wires that), and
// nothing is summarised or kept.
void Frm1::cmdEnd_Click() {
    form().close();
}
