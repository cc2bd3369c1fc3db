// SPDX-License-Identifier: GPL-3.0-or-later
// FIDE's list reader over any bytes: read whole or in pieces cut where the input's own bytes
// say, it hands over the same players and ends the same way; no line it keeps is longer than
// its limit, and every player has an ID of at most nine digits and numbers the list can hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FideListReader.h"
#include "FuzzInput.h"

using namespace tavolin;

namespace {

struct Reading {
    std::vector<FideListLine> players;
    FideListReader::Failure failure = FideListReader::Failure::none;
    std::size_t damaged = 0;
    bool operator==(const Reading&) const = default;
};

template <typename Feed>
Reading read(Feed feed) {
    Reading reading;
    FideListReader reader([&](const FideListLine& line) { reading.players.push_back(line); });
    feed(reader);
    reader.finish();
    reading.failure = reader.failure();
    reading.damaged = reader.damagedCount();
    fuzzing::require(reader.playerCount() == reading.players.size());
    return reading;
}

bool isUtf8(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (at + length > text.size()) {
            return false;
        }
        at += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzzing::bytesOf(data, size);
    const Reading whole = read([&](FideListReader& reader) { reader.read(bytes); });
    const Reading inPieces = read([&](FideListReader& reader) {
        std::size_t at = 0;
        while (at < bytes.size()) {
            const std::size_t length = 1 + static_cast<unsigned char>(bytes[at]) % 64;
            reader.read(bytes.substr(at, length));
            at += length;
        }
    });
    fuzzing::require(whole == inPieces);
    for (const FideListLine& player : whole.players) {
        fuzzing::require(player.id >= 1 && player.id <= 999'999'999);
        for (const int number : {player.standardRating, player.rapidRating, player.blitzRating,
                                 player.birthYear, player.standardGames}) {
            fuzzing::require(number >= 0 && number <= 9999);
        }
        for (const int k : {player.standardK, player.rapidK, player.blitzK}) {
            fuzzing::require(k >= 0 && k <= 999);
        }
        fuzzing::require(isUtf8(player.name) && isUtf8(player.otherTitles));
        fuzzing::require(player.name.size() <= 2 * FideListReader::kLongestLine);
    }
    return 0;
}
