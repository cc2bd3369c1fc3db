#pragma once

#include <array>
#include <cstdint>

namespace tavolin {

// One game as it is kept in memory and in the player file: 16 bytes, two doubles.
struct GameEntry {
    double eloadv = 0;    // the opponent's rating, a whole number from 1000 to 3000
    double resultat = 0;  // the score: 1 win, 0.5 draw, 0 loss
};
static_assert(sizeof(GameEntry) == 16);

inline constexpr int kMaxGames = 50;

// The current player's games: slots 1 to nbparties hold games, the rest are zero.
struct GameList {
    std::array<GameEntry, kMaxGames> parties{};
    std::int32_t nbparties = 0;
};

// The score values of a win, a draw and a loss.
inline constexpr double gagne = 1.0;
inline constexpr double nulle = 0.5;
inline constexpr double perdu = 0.0;

}  // namespace tavolin
