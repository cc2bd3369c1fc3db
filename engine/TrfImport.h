// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PgnImport.h"
#include "TrfReader.h"

namespace tavolin {

// Which rounds of a tournament report are a player's rated games.

// Why a round of the player is left out.
enum class TrfSkipReason {
    Forfeit,             // "+", "-"
    ShortGame,           // "W", "D", "L": less than one move played
    ByeOrAbsence,        // "H", "F", "U", "Z", blank, or no opponent
    UnratedOpponent,     // the opponent's line holds no rating
    OpponentOutOfRange,  // a rating outside 1000 to 3000
    UnknownOpponent,     // a number that names no player of the file
};
inline constexpr std::size_t kTrfSkipReasons = 6;

// The reason as the program says it, in French, for one round.
std::string_view trfSkipReasonText(TrfSkipReason reason);

struct TrfPlayerGames {
    std::vector<PgnImportedGame> games;  // in round order
    std::array<int, kTrfSkipReasons> skippedRounds{};
    std::optional<int> ownRating;  // the one on the player's line

    int skipped(TrfSkipReason reason) const {
        return skippedRounds[static_cast<std::size_t>(reason)];
    }
    int skippedTotal() const;
    // "1 forfait, 1 exempt ou absence, 2 adversaires non classés"; empty when none.
    std::string skippedText() const;
    // "4 rondes non prises : 1 forfait, …"; empty when none.
    std::string skippedSummary() const;
};

// The player's rated games: results "1", "=", "0" against an opponent rated 1000 to 3000.
// The date is the event's start date as written, the event its 012 name.
TrfPlayerGames trfPlayerGames(const TrfEvent& event, const TrfPlayer& player);

// What the reader left out of the file: "2 lignes de joueur abîmées ne sont pas prises (la
// première : ligne 14)."; empty when none.
std::string trfDamageSummary(const TrfEvent& event);

// The players of the event whose name has the key `playerKey` under `key`, in file order:
// none, one, or several the user must choose between.
std::vector<const TrfPlayer*> trfPlayersWithKey(const TrfEvent& event, std::string_view playerKey,
                                                const NameKey& key);

}  // namespace tavolin
