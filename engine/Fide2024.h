// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "GameEntry.h"

namespace tavolin {

// The FIDE rating regulations in force since March 2024 (standard chess), computed in exact
// integers: expected scores are hundredths of a point, as the regulations tabulate them.

inline constexpr int kFide2024LowestRating = 1400;   // below: not on the rating list
inline constexpr int kFide2024HighestRating = 3000;  // the highest rating the window takes
inline constexpr int kFide2024DefaultCoefficient = 20;
// A new player's K, until he has played 30 rated games.
inline constexpr int kFide2024NewPlayerCoefficient = 40;

// Table 8.1.2: the expected score, in hundredths, of a player whose rating is `difference`
// points above his opponent's (negative when below).
int fide2024ExpectedScore(std::int64_t difference);

// Table 8.1.1: the rating difference dp for a score fraction of `percent` hundredths
// (0 to 100).
int fide2024DifferenceForScore(int percent);

// The K factor the combo box's text puts in force: 40, 20 or 10 when the text is exactly
// one of them, otherwise the one already in force.
int fide2024CoefficientFromText(std::string_view text, int inForce);
// A stored coefficient: 40, 20 or 10 as it is, anything else 20.
int fide2024CoefficientFromStored(std::int32_t stored);

// A game counts when the opponent is on the list (1400 to 3000, a whole number) and the
// result is a win, a draw or a loss; any other game stays listed but is left out.
struct Fide2024Game {
    int opponent;
    int scoreHundredths;  // 100, 50 or 0
};
std::optional<Fide2024Game> fide2024CountedGame(const GameEntry& game);

// The rating change of a rated player over a period.
struct Fide2024Change {
    int games = 0;                  // counted
    int coefficient = 0;            // K after the 700 cap
    std::int64_t opponentsSum = 0;  // of the counted opponents
    int expectedHundredths = 0;     // Σ PD
    int scoreHundredths = 0;        // points scored
    int change = 0;                 // K × Σ (score − PD), rounded half away from zero
    int newRating = 0;
};
Fide2024Change fide2024RatedChange(int rating, int coefficient,
                                   std::span<const Fide2024Game> games);

// How one counted game weighs for a rated player: the difference after the 400-point rule,
// the expected score and K × (score − expected), in hundredths.
struct Fide2024GameWeight {
    int difference = 0;
    int expectedHundredths = 0;
    int changeHundredths = 0;
};
Fide2024GameWeight fide2024GameWeight(int rating, int coefficient, const Fide2024Game& game);

// The first rating of an unrated player, or why he gets none.
enum class FirstRatingRefusal { None, TooFewGames, ZeroScore, BelowList };
struct Fide2024FirstRating {
    FirstRatingRefusal refusal = FirstRatingRefusal::None;
    int games = 0;
    std::int64_t opponentsSum = 0;
    int scoreHundredths = 0;
    int percent = 0;     // p in hundredths, the two 1800 draws counted
    int difference = 0;  // dp for p
    int rating = 0;      // Ru, at most 2200; meaningful when not refused
};
Fide2024FirstRating fide2024FirstRating(std::span<const Fide2024Game> games);

}  // namespace tavolin
