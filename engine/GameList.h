// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "GameEntry.h"

namespace tavolin {

inline constexpr int kMaxGames = 50;

// The lowest opponent's rating that makes a slot count as holding a game; the switch of
// players also counts games from 700 (see countGames).
inline constexpr double kCountedRating = 1000;

// The current player's games: slots 1 to count hold games, the rest are zero.
struct GameList {
    std::array<GameEntry, kMaxGames> entries{};
    std::int32_t count = 0;

    // The games listed, slots 1 to count; a count outside 0..50 is held to it.
    std::span<const GameEntry> games() const;
    bool full() const { return count >= kMaxGames; }

    // Puts a game into the next free slot; false when all 50 are taken.
    bool add(const GameEntry& game);

    // Deletes game `number` (1 to 50): the later slots move down one, slot 50 is emptied,
    // and the count becomes the highest slot still holding a game. Other numbers do nothing.
    void remove(int number);

    // Every slot and the count back to zero.
    void clear();
};

// The number of the highest slot whose opponent's rating is at least `lowest`; 0 when none.
std::int32_t highestGameSlot(const GameList& list, double lowest = kCountedRating);

// How many of the 50 slots have an opponent's rating of at least `lowest`.
std::int32_t countGames(const GameList& list, double lowest = kCountedRating);

// The text of the game list: one piece per game, oldest first. A piece is a blank, the
// opponent's rating rounded to a whole number, four blanks and the result sign, so a win
// against 1850 reads " 1850    +". A score other than 1, 0.5 and 0 repeats the sign of the
// piece before it, as the sign is only replaced when the score matches one.
class GameListText {
public:
    void clear();
    void append(const GameEntry& game);
    void rebuild(const GameList& list);

    // The pieces joined without separator: the list as the program keeps and compares it.
    const std::string& text() const { return text_; }
    // One piece a line, as the list box shows it.
    std::string lines() const;

private:
    std::string text_;
    std::vector<std::string> pieces_;
    static constexpr char kNoSign = '\0';
    char lastSign_ = kNoSign;  // kept across clear(), as the sign of the last piece listed
};

}  // namespace tavolin
