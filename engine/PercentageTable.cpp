// SPDX-License-Identifier: GPL-3.0-or-later
#include "PercentageTable.h"

#include "Precision.h"
#include "ScoreToDifference.h"

namespace tavolin {

double percentToScoreFraction(int percent) {
    return roundedToDouble(percent / 100.0L);
}

std::array<PercentageRow, 100> percentageTable() {
    std::array<PercentageRow, 100> rows{};
    int percent = 100;
    for (PercentageRow& row : rows) {
        row = {percent, differenceFromTable(percentToScoreFraction(percent))};
        --percent;
    }
    return rows;
}

}  // namespace tavolin
