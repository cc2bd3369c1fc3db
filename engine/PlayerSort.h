// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace tavolin {

// The order of a file's player list: most games first, then by name byte by byte, then in
// the order the players were met. A sort of 100,000 players that compares names one pair at
// a time waits on memory at every step: the records hold the games and the first 16 bytes
// of the name, and are put in order digit by digit; only players whose records are equal
// have their names compared in full.
struct PlayerSortRecord {
    std::uint64_t nameEnd;     // the name's bytes 8 to 15, the first the highest
    std::uint64_t nameStart;   // its bytes 0 to 7
    std::uint32_t fewerGames;  // the games, complemented: the most come first
    std::uint32_t player;      // the number it was met as
};

PlayerSortRecord playerSortRecord(int games, std::uint32_t player, std::string_view name);

// Sorts records made in the order the players were met; `nameOf` gives a player's whole name.
void sortPlayerRecords(std::vector<PlayerSortRecord>& records,
                       const std::function<std::string_view(std::uint32_t)>& nameOf);

}  // namespace tavolin
