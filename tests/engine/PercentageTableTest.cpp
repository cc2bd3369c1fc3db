// SPDX-License-Identifier: GPL-3.0-or-later
#include "PercentageTable.h"

#include <gtest/gtest.h>

#include <map>

namespace tavolin {
namespace {

TEST(PercentageTableTest, RunsFromOneHundredDownToOne) {
    const auto rows = percentageTable();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k].percent, 100 - static_cast<int>(k));
    }
}

TEST(PercentageTableTest, GivesTheListedRows) {
    const std::map<int, int> expected{
        {100, 470}, {99, 470}, {98, 470}, {97, 470}, {96, 470}, {95, 470}, {94, 444}, {81, 251},
        {80, 240},  {60, 72},  {51, 7},   {50, 0},   {49, -7},  {41, -65}, {40, -72}, {21, -230},
        {20, -240}, {6, -444}, {5, -470}, {4, -470}, {3, -470}, {2, -470}, {1, -470}, {61, 80}};
    for (const PercentageRow& row : percentageTable()) {
        if (const auto it = expected.find(row.percent); it != expected.end()) {
            EXPECT_EQ(row.difference, it->second) << row.percent << " %";
        }
    }
}

TEST(PercentageTableTest, IsSymmetric) {
    const auto rows = percentageTable();
    for (int percent = 1; percent <= 99; ++percent) {
        EXPECT_EQ(rows[100 - percent].difference, -rows[percent].difference) << percent << " %";
    }
}

TEST(PercentageTableTest, ScoreFractionIsTheStoredQuotient) {
    EXPECT_EQ(percentToScoreFraction(50), 0.5);
    EXPECT_EQ(percentToScoreFraction(81), 0.81);
    EXPECT_EQ(percentToScoreFraction(1), 0.01);
}

}  // namespace
}  // namespace tavolin
