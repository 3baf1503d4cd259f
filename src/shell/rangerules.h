// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/rangeoptions.h"

#include <QString>

namespace shell {

// Whether the start of `startOption` and the count of `countOption` together
// keep the largest number of a game at or below 99.
constexpr bool rangeFits(int startOption, int countOption) {
    return results::startOf(startOption) + results::spanOf(countOption) <= 99;
}

// The instruction line that names the first three numbers of a range, e.g.
// "20から21・22‥と順にクリックしてください" for s1 = 20.
QString rangeLine(int s1);

} // namespace shell
