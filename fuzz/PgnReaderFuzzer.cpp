// SPDX-License-Identifier: GPL-3.0-or-later
// The PGN reader over any bytes: read whole, or in pieces cut where the input's own bytes
// say, it hands over the same games and the same ending; the players' list and one player's
// games are made from them under the window's name rule.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "PgnImport.h"
#include "PgnReader.h"
#include "PlayerNames.h"

using namespace tavolin;

namespace {

struct Reading {
    std::vector<PgnGameTags> games;
    bool finished = false;
    bool truncated = false;
    bool operator==(const Reading&) const = default;
};

template <typename Feed>
Reading read(Feed feed) {
    Reading reading;
    PgnReader reader([&](const PgnGameTags& game) { reading.games.push_back(game); });
    feed(reader);
    reading.finished = reader.finish();
    reading.truncated = reader.truncated();
    return reading;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzzing::bytesOf(data, size);
    const Reading whole = read([&](PgnReader& reader) { reader.feed(bytes); });
    const Reading inPieces = read([&](PgnReader& reader) {
        // Piece lengths from 1 to 16, taken from the bytes themselves.
        std::size_t at = 0;
        while (at < bytes.size()) {
            const std::size_t length = 1 + static_cast<unsigned char>(bytes[at]) % 16;
            reader.feed(bytes.substr(at, length));
            at += length;
        }
    });
    fuzzing::require(whole == inPieces);

    PgnPlayerList players(utf8NameKey);
    for (const PgnGameTags& game : whole.games) {
        players.add(game);
    }
    const std::vector<PgnPlayer> listed = players.players();
    if (!listed.empty()) {
        PgnPlayerGames games(listed.front().key, utf8NameKey, 50);
        for (const PgnGameTags& game : whole.games) {
            games.add(game);
        }
        fuzzing::require(games.games().size() <= 50);
        for (const PgnImportedGame& game : games.games()) {
            fuzzing::require(game.entry.opponentRating >= 1000 &&
                             game.entry.opponentRating <= 3000);
            (void)frenchDate(game.date);
        }
        (void)games.skippedSummary();
    }
    return 0;
}
