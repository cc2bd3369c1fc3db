// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavolin {

// The expected score per game, between 0 and 1, of a player whose rating exceeds his
// opponents' average by `difference`; unrounded extended precision, as the FIDE
// calculation multiplies it by the number of games before anything is rounded.
long double expectedScore(double difference);

// The bonus (or malus) over the opponents' average that `score` points in `games` games are
// worth, from the tournament performance table for 4 to 13 games.
// Always defined: a score that is not a whole multiple of 0.5 is taken down to the half point
// below, a score outside 0..games is held to it, and a count outside 4..13 gives 0.
int performanceBonus(int games, double score);

inline constexpr int kPerformanceMinGames = 4;
inline constexpr int kPerformanceMaxGames = 13;

}  // namespace tavolin
