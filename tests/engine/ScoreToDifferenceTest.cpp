// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreToDifference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "NormalCurve.h"

namespace tavolin {
namespace {

struct ConversionCase {
    double p;
    int expected;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << "p=" << c.p << " -> " << c.expected;
}

class DifferenceFromTableTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(DifferenceFromTableTest, GivesTheRowThatHoldsP) {
    EXPECT_EQ(differenceFromTable(GetParam().p), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, DifferenceFromTableTest,
    testing::Values(
        ConversionCase{0.5, 0}, ConversionCase{0.505, 7}, ConversionCase{0.496, 0},
        ConversionCase{0.494, -7}, ConversionCase{1, 470}, ConversionCase{0, -470},
        ConversionCase{0.95, 470}, ConversionCase{0.05, -470},
        // The double nearest 0.495 lies below the extended constant.
        ConversionCase{0.495, -7},
        // Exact binary fractions compare exactly.
        ConversionCase{7.0 / 8, 336}, ConversionCase{1.0 / 8, -322}, ConversionCase{3.0 / 8, -87},
        ConversionCase{5.0 / 8, 95},
        // Decimal thresholds hit by scores of 20 games: the extended constant
        // for 0.825 lies above the double, that for 0.925 below it.
        ConversionCase{16.5 / 20, 262}, ConversionCase{18.5 / 20, 422},
        // The double nearest 0.945 lies below the extended constant, that for 0.055 above.
        ConversionCase{0.945, 444}, ConversionCase{0.9450000000000001, 470},
        ConversionCase{0.055, -444}, ConversionCase{0.0549999, -470},
        ConversionCase{0.9449999, 444},
        // Out of range and not a number stay inside ±470.
        ConversionCase{2, 470}, ConversionCase{-1, -470},
        ConversionCase{std::numeric_limits<double>::quiet_NaN(), 470}));

TEST(DifferenceFromTableTest, IsSymmetricAtWholePercentages) {
    for (int percent = 1; percent <= 99; ++percent) {
        EXPECT_EQ(differenceFromTable(percent / 100.0),
                  -differenceFromTable((100 - percent) / 100.0))
            << percent << " %";
    }
}

TEST(DifferenceFromTableTest, DoubleComparisonsWouldGiveAnotherRow) {
    // Why the thresholds are extended values: in doubles 16.5 / 20 is not below 0.825.
    EXPECT_FALSE(16.5 / 20 < 0.825);
    EXPECT_EQ(differenceFromTable(16.5 / 20), 262);
}

class DifferenceByIntegrationTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(DifferenceByIntegrationTest, GivesTheClosestDifference) {
    EXPECT_EQ(differenceByIntegration(GetParam().p), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, DifferenceByIntegrationTest,
    testing::Values(ConversionCase{0.5, 0}, ConversionCase{0.96, 470}, ConversionCase{0.03, -470},
                    ConversionCase{0.75, 191}, ConversionCase{0.25, -191}, ConversionCase{0.9, 363},
                    ConversionCase{0.6, 72}, ConversionCase{1, 470}, ConversionCase{0, -470},
                    // The clamps, just inside and outside.
                    ConversionCase{0.9491, 470}, ConversionCase{0.0509, -470},
                    ConversionCase{std::numeric_limits<double>::quiet_NaN(), -470},
                    ConversionCase{std::numeric_limits<double>::infinity(), 470},
                    ConversionCase{-std::numeric_limits<double>::infinity(), -470}));

TEST(DifferenceByIntegrationTest, AgreesWithTheTableAwayFromTheTails) {
    // The table was drawn from the same curve: they differ by a few points at most.
    for (int percent = 10; percent <= 90; ++percent) {
        const double p = percent / 100.0;
        EXPECT_NEAR(differenceByIntegration(p), differenceFromTable(p), 4) << percent << " %";
    }
}

// The table compiled in is what the run-time integration gives, to the last of the 80 bits.
TEST(DifferenceCurveTest, EveryEntryIsTheRunTimeIntegrationBitForBit) {
    const std::span<const long double> curve = differenceCurve();
    ASSERT_EQ(curve.size(), 941u);
    for (int difference = -470; difference <= 470; ++difference) {
        const long double computed =
            normalProbability(differenceToStandardUnits(difference), kDifferenceRule);
        const long double compiled = curve[static_cast<std::size_t>(difference + 470)];
        // The 64-bit significand and the sign and exponent; the rest of the type is padding.
        EXPECT_EQ(std::memcmp(&compiled, &computed, 10), 0)
            << difference << ": " << static_cast<double>(compiled);
    }
}

TEST(DifferenceByIntegrationTest, IsTheSameOnEveryCall) {
    std::vector<int> first;
    for (int k = 0; k <= 100; ++k) {
        first.push_back(differenceByIntegration(k / 100.0));
    }
    for (int k = 0; k <= 100; ++k) {
        EXPECT_EQ(differenceByIntegration(k / 100.0), first[k]) << k;
    }
}

std::vector<int> progressOf(double p) {
    std::vector<int> percents;
    differenceByIntegration(p, [&](int percent) { percents.push_back(percent); });
    return percents;
}

TEST(DifferenceByIntegrationTest, ReportsProgressUntilTheScanStops) {
    // Above Φ(470) the scan runs through: every difference, 0 % to 100 %.
    const std::vector<int> whole = progressOf(0.96);
    ASSERT_EQ(whole.size(), 941u);
    EXPECT_EQ(whole.front(), 0);
    EXPECT_EQ(whole.back(), 100);
    EXPECT_TRUE(std::is_sorted(whole.begin(), whole.end()));

    // The last text is that of the difference just below the one the scan stopped at:
    // for 0.75 the scan stops at 191, the text is that of 190.
    const std::vector<int> threeQuarters = progressOf(0.75);
    ASSERT_EQ(threeQuarters.size(), 661u);  // -470 to 190
    EXPECT_EQ(threeQuarters.back(), 70);

    // Below Φ(-470) the scan stops at once; the clamp still decides.
    EXPECT_TRUE(progressOf(0.03).empty());

    // The clamp for exactly one half comes after a scan to the middle.
    EXPECT_EQ(progressOf(0.5).back(), 50);
}

}  // namespace
}  // namespace tavolin
