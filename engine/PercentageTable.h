// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace tavolin {

// The rating difference the threshold table gives for every whole percentage.
struct PercentageRow {
    int percent;
    int difference;
};

// The score fraction of a whole percentage, as the table computes it: percent / 100 in
// extended precision, stored as a double.
double percentToScoreFraction(int percent);

// 100 rows, from 100 % down to 1 %.
std::array<PercentageRow, 100> percentageTable();

}  // namespace tavolin
