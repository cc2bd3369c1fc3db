// SPDX-License-Identifier: GPL-3.0-or-later
// The tournament report reader over any bytes: the same event whatever its line ends, and
// every player's rounds split between rated games and counted reasons under the window's
// name rule.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "PgnText.h"
#include "PlayerNames.h"
#include "TrfImport.h"
#include "TrfReader.h"

using namespace tavolin;

namespace {

// CRLF and CR as LF: the lines stay the same.
std::string withLfEnds(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] == '\r') {
            text += '\n';
            if (at + 1 < bytes.size() && bytes[at + 1] == '\n') {
                ++at;
            }
        } else {
            text += bytes[at];
        }
    }
    return text;
}

bool sameEvent(const TrfEvent& a, const TrfEvent& b) {
    return a.name == b.name && a.startDate == b.startDate && a.endDate == b.endDate &&
           a.players == b.players && a.damagedLines == b.damagedLines &&
           a.firstDamagedLine == b.firstDamagedLine;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzzing::bytesOf(data, size);
    const TrfEvent event = readTrf(bytes);
    fuzzing::require(sameEvent(event, readTrf(withLfEnds(bytes))));
    fuzzing::require(isUtf8(event.name) && isUtf8(event.startDate) && isUtf8(event.endDate));

    for (const TrfPlayer& player : event.players) {
        fuzzing::require(event.playerRanked(player.startingRank) == &player);
        fuzzing::require(player.rounds.size() <= kTrfMostRounds);
        fuzzing::require(isUtf8(player.name));
        fuzzing::require(!player.rating || *player.rating > 0);
        const TrfPlayerGames games = trfPlayerGames(event, player);
        fuzzing::require(games.games.size() + static_cast<std::size_t>(games.skippedTotal()) ==
                         player.rounds.size());
        for (const PgnImportedGame& game : games.games) {
            fuzzing::require(game.entry.opponentRating >= 1000 &&
                             game.entry.opponentRating <= 3000);
            fuzzing::require(game.entry.score == 0 || game.entry.score == 0.5 ||
                             game.entry.score == 1);
            fuzzing::require(isUtf8(game.opponent));
        }
        fuzzing::require(games.skippedSummary().empty() == (games.skippedTotal() == 0));
    }
    if (!event.players.empty()) {
        const TrfPlayer& first = event.players.front();
        const auto named = trfPlayersWithKey(event, utf8NameKey(first.name), utf8NameKey);
        fuzzing::require(!named.empty());
    }
    return 0;
}
