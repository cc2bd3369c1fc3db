// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fide2024.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "FideCoefficient.h"

namespace tavolin {

namespace {

// Table 8.1.2: the largest difference of each row and the higher player's expected score.
struct ExpectedScoreRow {
    int largestDifference;
    int higher;  // hundredths; the lower player gets 100 minus this
};
constexpr std::array<ExpectedScoreRow, 50> kExpectedScores{{
    {3, 50},   {10, 51},  {17, 52},  {25, 53},  {32, 54},  {39, 55},  {46, 56},  {53, 57},
    {61, 58},  {68, 59},  {76, 60},  {83, 61},  {91, 62},  {98, 63},  {106, 64}, {113, 65},
    {121, 66}, {129, 67}, {137, 68}, {145, 69}, {153, 70}, {162, 71}, {170, 72}, {179, 73},
    {188, 74}, {197, 75}, {206, 76}, {215, 77}, {225, 78}, {235, 79}, {245, 80}, {256, 81},
    {267, 82}, {278, 83}, {290, 84}, {302, 85}, {315, 86}, {328, 87}, {344, 88}, {357, 89},
    {374, 90}, {391, 91}, {411, 92}, {432, 93}, {456, 94}, {484, 95}, {517, 96}, {559, 97},
    {619, 98}, {735, 99},
}};
constexpr int kHigherBeyondTable = 100;  // more than 735 points

// Table 8.1.1 from p = .50 to 1.00; below .50, dp(p) = −dp(1 − p).
constexpr std::array<int, 51> kDifferenceForScore{
    0,   7,   14,  21,  29,  36,  43,  50,  57,  65,  72,  80,  87,  95,  102, 110, 117,
    125, 133, 141, 149, 158, 166, 175, 184, 193, 202, 211, 220, 230, 240, 251, 262, 273,
    284, 296, 309, 322, 336, 351, 366, 383, 401, 422, 444, 470, 501, 538, 589, 677, 800,
};

constexpr std::array<int, 3> kKFactors{40, 20, 10};

// The 400-point rule: a player rated below 2650 counts a larger difference as 400.
constexpr int kDifferenceCap = 400;
constexpr int kNoCapFrom = 2650;
// n × K may not exceed 700.
constexpr int kLargestPeriodWeight = 700;

// First rating: two hypothetical 1800 opponents, both drawn; at least 5 games; at most 2200.
constexpr int kHypotheticalOpponent = 1800;
constexpr int kHypotheticalGames = 2;
constexpr int kFewestGamesForFirstRating = 5;
constexpr int kHighestFirstRating = 2200;

// a / b rounded to the nearest whole number, a half away from zero; b > 0.
std::int64_t roundedQuotient(std::int64_t a, std::int64_t b) {
    const std::int64_t magnitude = (2 * (a < 0 ? -a : a) + b) / (2 * b);
    return a < 0 ? -magnitude : magnitude;
}

}  // namespace

int fide2024ExpectedScore(std::int64_t difference) {
    const std::int64_t distance = difference < 0 ? -difference : difference;
    int higher = kHigherBeyondTable;
    for (const ExpectedScoreRow& row : kExpectedScores) {
        if (distance <= row.largestDifference) {
            higher = row.higher;
            break;
        }
    }
    return difference >= 0 ? higher : 100 - higher;
}

int fide2024DifferenceForScore(int percent) {
    const int held = std::clamp(percent, 0, 100);
    return held >= 50 ? kDifferenceForScore[held - 50] : -kDifferenceForScore[50 - held];
}

int fide2024CoefficientFromText(std::string_view text, int inForce) {
    return coefficientFromText(text, kKFactors, inForce);
}

int fide2024CoefficientFromStored(std::int32_t stored) {
    return coefficientFromStored(stored, kKFactors, kFide2024DefaultCoefficient);
}

std::optional<Fide2024Game> fide2024CountedGame(const GameEntry& game) {
    // Checked before any conversion: a damaged file may hold NaN or any size.
    if (!(game.opponentRating >= kFide2024LowestRating &&
          game.opponentRating <= kFide2024HighestRating) ||
        game.opponentRating != std::floor(game.opponentRating)) {
        return std::nullopt;
    }
    int score;
    if (game.score == kWinScore) {
        score = 100;
    } else if (game.score == kDrawScore) {
        score = 50;
    } else if (game.score == kLossScore) {
        score = 0;
    } else {
        return std::nullopt;
    }
    return Fide2024Game{static_cast<int>(game.opponentRating), score};
}

Fide2024Change fide2024RatedChange(int rating, int coefficient,
                                   std::span<const Fide2024Game> games) {
    Fide2024Change result;
    result.games = static_cast<int>(games.size());
    result.coefficient = coefficient;
    if (result.games > 0 && result.games * coefficient > kLargestPeriodWeight) {
        result.coefficient = kLargestPeriodWeight / result.games;
    }
    int scoreMinusExpected = 0;  // Σ ΔR in hundredths
    for (const Fide2024Game& game : games) {
        const int expected =
            fide2024GameWeight(rating, result.coefficient, game).expectedHundredths;
        result.opponentsSum += game.opponent;
        result.expectedHundredths += expected;
        result.scoreHundredths += game.scoreHundredths;
        scoreMinusExpected += game.scoreHundredths - expected;
    }
    result.change = static_cast<int>(
        roundedQuotient(std::int64_t{result.coefficient} * scoreMinusExpected, 100));
    result.newRating = rating + result.change;
    return result;
}

Fide2024GameWeight fide2024GameWeight(int rating, int coefficient, const Fide2024Game& game) {
    Fide2024GameWeight weight;
    weight.difference = rating - game.opponent;
    if (rating < kNoCapFrom) {
        weight.difference = std::clamp(weight.difference, -kDifferenceCap, kDifferenceCap);
    }
    weight.expectedHundredths = fide2024ExpectedScore(weight.difference);
    weight.changeHundredths = coefficient * (game.scoreHundredths - weight.expectedHundredths);
    return weight;
}

Fide2024FirstRating fide2024FirstRating(std::span<const Fide2024Game> games) {
    Fide2024FirstRating result;
    result.games = static_cast<int>(games.size());
    for (const Fide2024Game& game : games) {
        result.opponentsSum += game.opponent;
        result.scoreHundredths += game.scoreHundredths;
    }
    if (result.games < kFewestGamesForFirstRating) {
        result.refusal = FirstRatingRefusal::TooFewGames;
        return result;
    }
    if (result.scoreHundredths == 0) {
        result.refusal = FirstRatingRefusal::ZeroScore;
        return result;
    }
    const std::int64_t counted = result.games + kHypotheticalGames;
    // p = (score + 1) / (n + 2) to the nearest hundredth, a half up (p is positive).
    const auto percent = static_cast<int>(
        roundedQuotient(result.scoreHundredths + 100 * kHypotheticalGames / 2, counted));
    // Ru = (Σ opponents + 3600) / (n + 2) + dp, to the nearest whole number.
    const std::int64_t opponents =
        result.opponentsSum + std::int64_t{kHypotheticalOpponent} * kHypotheticalGames;
    result.percent = percent;
    result.difference = fide2024DifferenceForScore(percent);
    const std::int64_t rating =
        roundedQuotient(opponents + std::int64_t{result.difference} * counted, counted);
    result.rating = static_cast<int>(std::min<std::int64_t>(rating, kHighestFirstRating));
    if (result.rating < kFide2024LowestRating) {
        result.refusal = FirstRatingRefusal::BelowList;
    }
    return result;
}

}  // namespace tavolin
