// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavolin {

// One game as it is kept in memory and in the player file: 16 bytes, two doubles.
struct GameEntry {
    double opponentRating = 0;  // the opponent's rating, a whole number from 1000 to 3000
    double score = 0;           // 1 win, 0.5 draw, 0 loss
    bool operator==(const GameEntry&) const = default;
};
static_assert(sizeof(GameEntry) == 16);

// The score values of a win, a draw and a loss.
inline constexpr double kWinScore = 1.0;
inline constexpr double kDrawScore = 0.5;
inline constexpr double kLossScore = 0.0;

}  // namespace tavolin
