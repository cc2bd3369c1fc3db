// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin {

// FIDE's Tournament Report File (TRF16, TRF26): the event and its player lines.

// More rounds than any event plays: a longer player line is damaged, and no line, however
// long, takes more memory than this many rounds.
inline constexpr std::size_t kTrfMostRounds = 99;

// One round of a player line.
struct TrfRound {
    int opponent = 0;   // the opponent's starting rank; 0 for none ("0000" or blank)
    char colour = ' ';  // 'w', 'b', '-' or ' ', in lower case
    char result = ' ';  // the code as written: '1', '=', '0', '+', 'W', 'h', ' ', ...
    bool operator==(const TrfRound&) const = default;
};

struct TrfPlayer {
    int startingRank = 0;
    char sex = ' ';             // as written: 'm', 'w' or ' '
    std::string title;          // without its blanks: "GM", "g", "WFM", or empty
    std::string name;           // in UTF-8, without the blanks that pad it
    std::optional<int> rating;  // none when blank or "0000"
    std::string federation, fideId, birth, points;  // as written, without blanks
    int rank = 0;                                   // 0 when blank
    std::vector<TrfRound> rounds;
    bool operator==(const TrfPlayer&) const = default;
};

// Why a player line is left out.
enum class TrfLineDamage {
    NoStartingRank,    // no number from 1 to 9999 in columns 5 to 8
    RankUsedTwice,     // an earlier line holds the same starting rank
    UnreadableFields,  // a rating, an opponent, a colour or a result that the format has not
    TooManyRounds,     // more than kTrfMostRounds
};
inline constexpr std::size_t kTrfLineDamages = 4;

struct TrfEvent {
    std::string name;                // record 012, in UTF-8
    std::string startDate, endDate;  // records 042 and 052, as written
    std::vector<TrfPlayer> players;  // in file order
    std::array<int, kTrfLineDamages> damagedLines{};
    std::size_t firstDamagedLine = 0;  // its number from 1; 0 when none
    // Each starting rank's player: his index in `players` plus 1, or 0.
    std::vector<int> indexByRank;

    int damaged(TrfLineDamage damage) const {
        return damagedLines[static_cast<std::size_t>(damage)];
    }
    int damagedTotal() const;
    // The player whose starting rank is `rank`, or nothing.
    const TrfPlayer* playerRanked(int rank) const;
};

// Reads a whole file's bytes, in one pass: lines end with CR, LF or CRLF, mixed or not;
// texts in UTF-8 or Latin-1 (Windows-1252) become UTF-8. Records other than 012, 042, 052
// and 001 are skipped; a damaged player line loses only itself and is counted.
TrfEvent readTrf(std::string_view bytes);

}  // namespace tavolin
