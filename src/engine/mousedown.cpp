#include "frm1.h"

// Placeholder until the game engine lands.
void Frm1::Form_MouseDown(int, int, double, double) {}
void Frm1::PlaceNumbers() {}
void Frm1::DrawCenterMark() {}
void Frm1::DrawMissText() {}
void Frm1::SetAlertColor() {}
