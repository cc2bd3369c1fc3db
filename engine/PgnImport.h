// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "GameEntry.h"
#include "PgnReader.h"
#include "PgnText.h"
#include "SpellingIndex.h"

namespace tavolin {

// Which games of a PGN file are a player's, and which of them a rating period takes.

// Why a game of the player is left out; never guessed.
enum class PgnSkipReason {
    NoOpponentElo,          // no tag, empty, "-" or "?"
    OpponentEloNotANumber,  // anything but a whole number
    OpponentEloOutOfRange,  // outside 1000 to 3000
    NotFinished,            // "*"
    BadResult,              // anything but "1-0", "0-1", "1/2-1/2"
};
inline constexpr std::size_t kPgnSkipReasons = 5;

// The reason as the program says it, in French.
std::string_view pgnSkipReasonText(PgnSkipReason reason);

// A game the period takes, its texts in UTF-8.
struct PgnImportedGame {
    std::string date, event, round, opponent;
    GameEntry entry;  // the opponent's Elo and the player's score
};

// Gives the form under which the spellings of one name are the same player (see
// storage/PlayerNames): the engine leaves Unicode's rules to the caller.
using NameKey = std::function<std::string(std::string_view utf8Name)>;

// Both below work out the key of each spelling of a name once, however often it comes back:
// their memory grows with the file's players, never with its games.

// Collects one player's games, in file order: those under names whose key is `playerKey`.
class PgnPlayerGames {
public:
    // At most `limit` games are kept; the reading can stop once full().
    PgnPlayerGames(std::string playerKey, NameKey key,
                   std::size_t limit = std::numeric_limits<std::size_t>::max());

    void add(const PgnGameTags& game);

    bool full() const { return games_.size() >= limit_; }
    const std::vector<PgnImportedGame>& games() const { return games_; }
    int skipped(PgnSkipReason reason) const { return skipped_[static_cast<std::size_t>(reason)]; }
    int skippedTotal() const;
    // "2 sans Elo de l'adversaire, 1 partie non terminée"; empty when none was skipped.
    std::string skippedText() const;
    // The sentence that tells it: "3 parties ignorées : 2 sans Elo de l'adversaire, …";
    // empty when none was skipped.
    std::string skippedSummary() const;

private:
    bool isPlayer(const std::string& rawName, SpellingIndex::Probe probe);

    std::string playerKey_;
    NameKey key_;
    SpellingIndex isPlayer_;  // 1 for the player's spellings, 0 for the others
    std::size_t limit_;
    std::vector<PgnImportedGame> games_;
    std::array<int, kPgnSkipReasons> skipped_{};
};

// The players of a file and their number of games.
struct PgnPlayer {
    std::string name;  // as first written in the file, in UTF-8
    std::string key;   // what its spellings share
    int games = 0;
};

class PgnPlayerList {
public:
    explicit PgnPlayerList(NameKey key) : key_(std::move(key)) {}
    void add(const PgnGameTags& game);
    // Most games first, then by name; taken out of a list read to its end, not copied.
    std::vector<PgnPlayer> players() const&;
    std::vector<PgnPlayer> players() &&;

private:
    static constexpr std::uint32_t kNoPlayer = std::numeric_limits<std::uint32_t>::max();
    // A name is counted this many names after the game that brings it: its slot of the index
    // is fetched from memory meanwhile, alongside those of the names read in between, rather
    // than waited for. A power of two.
    static constexpr std::size_t kNamesBehind = 32;
    struct PendingName {
        std::string spelling;  // its memory kept from one name to the next
        SpellingIndex::Probe probe;
    };
    void countOldestPending() const;
    void countPending() const;
    // The player written `rawName`, met for the first time or not; kNoPlayer for a name of
    // nothing but blanks and control characters.
    std::uint32_t playerOf(const std::string& rawName, SpellingIndex::Probe probe) const;
    // The players' numbers in the list's order.
    std::vector<std::uint32_t> sortedOrder() const;
    std::string_view nameOf(std::uint32_t player) const;
    std::string_view keyOf(std::uint32_t player) const;
    std::vector<PgnPlayer> listed() const;

    NameKey key_;
    // Where a player's name (as first written) and key lie in texts_, one after the other.
    struct PlayerTexts {
        std::size_t at;
        std::uint32_t nameLength, keyLength;
    };
    // The names still waiting are counted when the players are asked for, even of a list
    // that cannot be changed: what the list holds is the same whether they were counted
    // already or not. Hence mutable.
    mutable std::vector<PlayerTexts> players_;  // their games counted in games_
    // The players' texts end to end in one block: each is made a string of its own only
    // when the list is asked for, in the list's order, rather than kept apart all along.
    mutable std::string texts_;
    mutable std::vector<int> games_;  // small and together: counted at each name
    mutable SpellingIndex bySpelling_;
    mutable SpellingIndex byKey_;
    mutable std::array<PendingName, kNamesBehind> pending_;
    mutable std::size_t pendingFirst_ = 0;
    mutable std::size_t pendingCount_ = 0;
};

}  // namespace tavolin
