// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace results {

// The number-range choice of the board: option button i of the first-number
// group (0 .. 8) starts the range at 10 * i; button i of the count group
// (9 .. 13) draws 10 * (i - 8) numbers. A game draws the numbers
// s1 .. s1 + s2, which must all stay within 0 .. 99, the indices of the
// board's position arrays.
constexpr int FirstStartOption = 0;
constexpr int LastStartOption = 8;
constexpr int FirstCountOption = 9;
constexpr int LastCountOption = 13;

// The first number of the range (s1) that start button `startOption` chooses.
constexpr int startOf(int startOption) {
    return 10 * startOption;
}

// The count of numbers minus one (s2) that count button `countOption` chooses.
constexpr int spanOf(int countOption) {
    return 10 * (countOption - FirstCountOption) + 9;
}

} // namespace results
