#pragma once

namespace tavolin {

// One game as it is kept in memory and in the player file: 16 bytes, two doubles.
struct GameEntry {
    double eloadv = 0;    // the opponent's rating, a whole number from 1000 to 3000
    double resultat = 0;  // the score: 1 win, 0.5 draw, 0 loss
    bool operator==(const GameEntry&) const = default;
};
static_assert(sizeof(GameEntry) == 16);

// The score values of a win, a draw and a loss.
inline constexpr double gagne = 1.0;
inline constexpr double nulle = 0.5;
inline constexpr double perdu = 0.0;

}  // namespace tavolin
