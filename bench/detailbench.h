// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Prints the detail window's timings: from a game chosen to its detail drawn,
// and one step of the replay redrawn, beside a history file of 10 000 games.
void benchDetailWindow();
// Shows the benchmark's game in the detail window, maximised, until it is
// closed (junban_bench --show-detail, for a look at the window in a real X).
int showDetailWindow();
