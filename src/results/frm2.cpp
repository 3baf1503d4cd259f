#include "results/frm2.h"

#include "frm1.h"

// Placeholder until the results window lands.
void Frm1::cmdHyou_Click() {}
