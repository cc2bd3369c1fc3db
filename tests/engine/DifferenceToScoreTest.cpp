// SPDX-License-Identifier: GPL-3.0-or-later
#include "DifferenceToScore.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace tavolin {
namespace {

TEST(ExpectedScoreTest, FollowsTheNormalCurve) {
    EXPECT_NEAR(expectedScore(0), 0.5L, 1e-9L);
    EXPECT_NEAR(expectedScore(200), 0.760L, 0.0005L);
    EXPECT_NEAR(expectedScore(-200), 0.240L, 0.0005L);
    EXPECT_GT(expectedScore(1000), 0.999L);
    EXPECT_LT(expectedScore(-1000), 0.001L);
    // The ten-decimal e and the steps of 0.1 leave an error of a few millionths.
    EXPECT_NEAR(expectedScore(150) + expectedScore(-150), 1.0L, 1e-5L);
}

TEST(ExpectedScoreTest, StaysDefinedForAnyDifference) {
    // The integration has no cap: steps far wider than the curve miss it altogether.
    EXPECT_EQ(expectedScore(1e9), 0.0L);
    EXPECT_EQ(expectedScore(-1e9), 0.0L);
    EXPECT_TRUE(std::isnan(expectedScore(-std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(expectedScore(std::numeric_limits<double>::quiet_NaN())));
}

// The lower half of the table, 0.5, 1, 1.5, ... points, for 4 to 13 games.
const std::array<std::vector<int>, 10> kLowerHalf{{
    {-336, -193, -95},
    {-366, -240, -149, -72},
    {-401, -284, -193, -125, -65},
    {-422, -309, -230, -166, -110, -57},
    {-444, -336, -251, -193, -141, -95, -50},
    {-470, -351, -284, -220, -175, -125, -87, -43},
    {-470, -366, -296, -240, -193, -149, -110, -72, -36},
    {-501, -383, -322, -262, -220, -175, -141, -102, -72, -36},
    {-501, -401, -336, -284, -240, -193, -158, -125, -95, -72, -36},
    {-538, -422, -351, -296, -251, -211, -184, -149, -117, -87, -57, -29},
}};

class PerformanceBonusTest : public testing::TestWithParam<int> {};

TEST_P(PerformanceBonusTest, GivesEveryScoreOfTheRow) {
    const int games = GetParam();
    const std::vector<int>& row = kLowerHalf[games - 4];
    ASSERT_EQ(row.size(), static_cast<std::size_t>(games - 1));
    EXPECT_EQ(performanceBonus(games, 0), -736);
    EXPECT_EQ(performanceBonus(games, games), 736);
    EXPECT_EQ(performanceBonus(games, games / 2.0), 0);
    for (std::size_t k = 0; k < row.size(); ++k) {
        const double score = 0.5 * (k + 1);
        EXPECT_EQ(performanceBonus(games, score), row[k]) << score << " of " << games;
        EXPECT_EQ(performanceBonus(games, games - score), -row[k])
            << games - score << " of " << games;
    }
}

INSTANTIATE_TEST_SUITE_P(FourToThirteenGames, PerformanceBonusTest, testing::Range(4, 14));

struct PerfCase {
    int games;
    double score;
    int expected;
};

void PrintTo(const PerfCase& c, std::ostream* os) {
    *os << c.score << " of " << c.games << " -> " << c.expected;
}

class PerformanceBonusFigures : public testing::TestWithParam<PerfCase> {};

TEST_P(PerformanceBonusFigures, Match) {
    const PerfCase& c = GetParam();
    EXPECT_EQ(performanceBonus(c.games, c.score), c.expected) << c.score << " of " << c.games;
}

INSTANTIATE_TEST_SUITE_P(
    Figures, PerformanceBonusFigures,
    testing::Values(PerfCase{4, 4, 736}, PerfCase{4, 0, -736}, PerfCase{5, 2.5, 0},
                    PerfCase{4, 2.5, 95}, PerfCase{13, 0.5, -538}, PerfCase{10, 9.5, 470},
                    PerfCase{12, 11.5, 501}, PerfCase{8, 1, -336}, PerfCase{8, 7, 336},
                    PerfCase{4, 3.5, 336}, PerfCase{13, 12.5, 538}, PerfCase{9, 8.5, 470},
                    PerfCase{13, 7, 29}, PerfCase{13, 12, 422},
                    // Scores only a damaged file can hold: down to the half point below,
                    // held to 0..games.
                    PerfCase{4, 3.9, 336}, PerfCase{4, 0.4, -736}, PerfCase{4, 2.2, 0},
                    PerfCase{4, -1, -736}, PerfCase{4, 7, 736},
                    PerfCase{4, std::numeric_limits<double>::quiet_NaN(), -736},
                    PerfCase{4, std::numeric_limits<double>::infinity(), 736},
                    // Counts the calculation refuses before asking.
                    PerfCase{3, 1, 0}, PerfCase{14, 7, 0}, PerfCase{0, 0, 0}));

}  // namespace
}  // namespace tavolin
