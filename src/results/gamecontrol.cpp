// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm1.h"

#include "design.h"
#include "engine/rules.h"
#include "results/gametext.h"
#include "results/rangeoptions.h"

// The range of the first selected button of each group; 0 for a group with
// none selected.
void Frm1::ReadRangeOptions() {
    const int start = ui::firstSelected(opt1, results::FirstStartOption, results::LastStartOption);
    s1 = start < 0 ? 0 : results::startOf(start);
    const int count = ui::firstSelected(opt1, results::FirstCountOption, results::LastCountOption);
    s2 = count < 0 ? 0 : results::spanOf(count);
}

void Frm1::ResetGame() {
    tmr1.setInterval(0);
    swthT = false;
    c = 0;
    k = 0;
    clickLog.clear();
    atari = engine::NarrowRadius;
}

// A blank board, the next-number pair without a number, and the notice that
// tells the player to click to start again. The notice stays until the next
// click on the board.
void Frm1::ShowResetNotice() {
    board().cls();
    lbl1[0].setCaption(design::NextPrefix);
    lbl1[1].setCaption(QString());
    lbl4.setCaption(QStringLiteral("リセットしました。") + ui::CrLf +
                    QStringLiteral("もう一度クリックして") + ui::CrLf +
                    QStringLiteral("最初から始めてください。"));
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
