// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm1.h"

#include "engine/rules.h"
#include "results/gametext.h"
#include "results/rangeoptions.h"

void Frm1::ReadRangeOptions() {
    s1 = 0;
    s2 = 0;
    for (int i = results::FirstStartOption; i <= results::LastStartOption; ++i) {
        if (opt1[i].value()) {
            s1 = results::startOf(i);
            break;
        }
    }
    for (int i = results::FirstCountOption; i <= results::LastCountOption; ++i) {
        if (opt1[i].value()) {
            s2 = results::spanOf(i);
            return;
        }
    }
}

void Frm1::ResetGame() {
    tmr1.setInterval(0);
    swthT = false;
    c = 0;
    k = 0;
    atari = engine::NarrowRadius;
}

// A blank board, the next-number pair without a number, and the notice that
// tells the player to click to start again. The notice stays until the next
// click on the board.
void Frm1::ShowResetNotice() {
    board().cls();
    lbl1[0].setCaption(QStringLiteral("次-"));
    lbl1[1].setCaption(QString());
    lbl4.setCaption(
        QStringLiteral("リセットしました。\r\nもう一度クリックして\r\n最初から始めてください。"));
    lbl4.setVisible(true);
}

// The stop button abandons the game, running or not; no results line.
void Frm1::cmdStp_Click() {
    ResetGame();
    ShowResetNotice();
    ReadRangeOptions();
}

// Ten times a second while a game runs: the time since the start click,
// measured on the monotonic clock so that midnight or a change of the system
// time cannot disturb it.
void Frm1::tmr1_Timer() {
    lblT.setCaption(
        results::elapsedText(results::elapsedSeconds(startMs, services_.clock->monotonicMs())));
}
