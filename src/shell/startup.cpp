#include "frm1.h"

void Frm1::Form_Load() {
    ResetGame();
    ReadRangeOptions();
}
void Frm1::Form_Resize() {}
void Frm1::PrintRangeLine() {}
void Frm1::opt1_Click(int) {}
void Frm1::EnableStartOptions() {}
void Frm1::EnableCountOptions() {}
void Frm1::lbl1_Click(int) {}
void Frm1::cmdCol1_Click() {}
void Frm1::cmdCol2_Click() {}
void Frm1::cmdOto_Click() {}
void Frm1::cmdEnd_Click() {}
