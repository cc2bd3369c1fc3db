// SPDX-License-Identifier: GPL-3.0-or-later
#include "DifferenceToScore.h"

#include <array>
#include <cmath>

#include "NormalCurve.h"
#include "Precision.h"

namespace tavolin {

namespace {

// Differences for 0.5, 1, 1.5, ... points below half the games, row by row for 4 to 13
// games; scores above half mirror them with the sign changed.
constexpr std::array<std::array<int, 12>, 10> kLowerHalf{{
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

constexpr int kAllWon = 736;

}  // namespace

long double expectedScore(double difference) {
    const double u = roundedToDouble(difference / 282.8L);
    return normalProbability(u, kExpectedScoreRule);
}

int performanceBonus(int games, double score) {
    if (games < kPerformanceMinGames || games > kPerformanceMaxGames) {
        return 0;
    }
    // Half points scored, 0 to 2 × games; NaN counts as nothing scored.
    const long double halves = std::floor(2.0L * score);
    const int halfPoints =
        halves >= 2 * games ? 2 * games : (halves > 0 ? static_cast<int>(halves) : 0);

    if (halfPoints == 2 * games) {
        return kAllWon;
    }
    if (halfPoints == 0) {
        return -kAllWon;
    }
    if (halfPoints == games) {
        return 0;
    }
    const auto& row = kLowerHalf[games - kPerformanceMinGames];
    if (halfPoints < games) {
        return row[halfPoints - 1];
    }
    return -row[2 * games - halfPoints - 1];
}

}  // namespace tavolin
