#include "frm1.h"

void Frm1::ReadRangeOptions() {
    s1 = 0;
    s2 = 0;
    for (int i = 0; i <= 8; ++i) {
        if (opt1[i].value()) {
            s1 = 10 * i;
            break;
        }
    }
    for (int i = 9; i <= 13; ++i) {
        if (opt1[i].value()) {
            s2 = 10 * (i - 9) + 9;
            return;
        }
    }
}

void Frm1::ResetGame() {
    tmr1.setInterval(0);
    swthT = false;
    c = 0;
    k = 0;
    atari = 350;
}

void Frm1::ShowResetNotice() {}
void Frm1::cmdStp_Click() {}
void Frm1::tmr1_Timer() {}
void Frm1::ShowGameResult() {}
