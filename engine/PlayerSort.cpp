// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerSort.h"

#include <algorithm>
#include <array>

namespace tavolin {

namespace {

// The records' bytes, the least significant first: 8 of nameEnd, 8 of nameStart, 4 of
// fewerGames.
constexpr std::size_t kDigits = 20;
// Below this many records, sorting by comparisons costs less than going over every digit.
constexpr std::size_t kFewRecords = 1024;

std::uint64_t wordOf(const PlayerSortRecord& record, std::size_t digit) {
    return digit < 8 ? record.nameEnd : digit < 16 ? record.nameStart : record.fewerGames;
}

unsigned digitOf(const PlayerSortRecord& record, std::size_t digit) {
    return static_cast<unsigned>(wordOf(record, digit) >> (8 * (digit % 8))) & 0xFF;
}

bool sameRecordKey(const PlayerSortRecord& a, const PlayerSortRecord& b) {
    return a.fewerGames == b.fewerGames && a.nameStart == b.nameStart && a.nameEnd == b.nameEnd;
}

std::uint64_t bigEndianWord(std::string_view name, std::size_t from) {
    std::uint64_t word = 0;
    for (std::size_t byte = from; byte < from + 8; ++byte) {
        const auto value = byte < name.size() ? static_cast<unsigned char>(name[byte]) : 0u;
        word = (word << 8) | value;
    }
    return word;
}

}  // namespace

PlayerSortRecord playerSortRecord(int games, std::uint32_t player, std::string_view name) {
    return {bigEndianWord(name, 8), bigEndianWord(name, 0), ~static_cast<std::uint32_t>(games),
            player};
}

void sortPlayerRecords(std::vector<PlayerSortRecord>& records,
                       const std::function<std::string_view(std::uint32_t)>& nameOf) {
    const auto precedes = [&](const PlayerSortRecord& a, const PlayerSortRecord& b) {
        if (a.fewerGames != b.fewerGames) {
            return a.fewerGames < b.fewerGames;
        }
        if (a.nameStart != b.nameStart) {
            return a.nameStart < b.nameStart;
        }
        if (a.nameEnd != b.nameEnd) {
            return a.nameEnd < b.nameEnd;
        }
        const int names = nameOf(a.player).compare(nameOf(b.player));
        return names != 0 ? names < 0 : a.player < b.player;
    };
    if (records.size() < kFewRecords) {
        std::sort(records.begin(), records.end(), precedes);
        return;
    }
    // Each digit's counts, all in one reading: a digit the same in every record is skipped.
    std::vector<std::array<std::uint32_t, 256>> counts(kDigits);
    for (const PlayerSortRecord& record : records) {
        for (std::size_t digit = 0; digit < kDigits; ++digit) {
            ++counts[digit][digitOf(record, digit)];
        }
    }
    // Digit by digit from the least significant, each pass keeping the order of the one
    // before among equal digits: records made in the order the players were met stay in it
    // when all their digits are equal.
    std::vector<PlayerSortRecord> sorted(records.size());
    for (std::size_t digit = 0; digit < kDigits; ++digit) {
        std::array<std::uint32_t, 256>& places = counts[digit];
        if (places[digitOf(records.front(), digit)] == records.size()) {
            continue;
        }
        std::uint32_t next = 0;
        for (std::uint32_t& place : places) {
            const std::uint32_t count = place;
            place = next;
            next += count;
        }
        for (const PlayerSortRecord& record : records) {
            sorted[places[digitOf(record, digit)]++] = record;
        }
        records.swap(sorted);
    }
    // Names alike in their first 16 bytes, or players with the same name.
    for (auto first = records.begin(); first != records.end();) {
        auto last = std::next(first);
        while (last != records.end() && sameRecordKey(*first, *last)) {
            ++last;
        }
        if (std::distance(first, last) > 1) {
            std::sort(first, last, precedes);
        }
        first = last;
    }
}

}  // namespace tavolin
