// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Prints the history window's timings on a generated file of 10 000 games.
void benchHistoryWindow();
