// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrfReader.h"

#include <algorithm>
#include <cstring>

#include "PgnReader.h"
#include "PgnText.h"

namespace tavolin {

namespace {

constexpr int kHighestStartingRank = 9999;
constexpr std::size_t kRoundColumns = 10;
constexpr std::size_t kFirstRoundColumn = 92;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && isBlank(text[first])) {
        ++first;
    }
    std::size_t last = text.size();
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

bool isAllBlank(std::string_view text) {
    return trimmed(text).empty();
}

// A number written right-aligned in its field, blanks before its digits and none after:
// its value, 0 for a blank field, nothing for anything else.
std::optional<int> rightAlignedNumber(std::string_view field) {
    std::size_t at = 0;
    while (at < field.size() && field[at] == ' ') {
        ++at;
    }
    if (at == field.size()) {
        return 0;
    }
    int value = 0;
    for (; at < field.size(); ++at) {
        if (field[at] < '0' || field[at] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (field[at] - '0');
    }
    return value;
}

bool isResultCode(char c) {
    constexpr std::string_view kCodes = "10=+-WDLHFUZwdlhfuz ";
    return kCodes.find(c) != std::string_view::npos;
}

char colourOf(char c) {
    switch (c) {
        case 'w':
        case 'W':
            return 'w';
        case 'b':
        case 'B':
            return 'b';
        case '-':
        case ' ':
            return c;
        default:
            return '\0';
    }
}

// A line's fields by their columns, counted from 1: characters in a line of UTF-8, bytes in
// a Latin-1 one. The fields are asked for from left to right, so that a long line of UTF-8
// is walked once.
class LineColumns {
public:
    LineColumns(std::string_view line, bool characters) : line_(line), characters_(characters) {}

    // Columns `first` to `last`; what lies past the line's end is missing.
    std::string_view field(std::size_t first, std::size_t last) {
        const std::size_t begin = offsetOf(first);
        return line_.substr(begin, offsetOf(last + 1) - begin);
    }
    // What follows column `last`.
    std::string_view after(std::size_t last) { return line_.substr(offsetOf(last + 1)); }

private:
    std::size_t offsetOf(std::size_t column) {
        if (!characters_) {
            return std::min(column - 1, line_.size());
        }
        while (column_ < column && offset_ < line_.size()) {
            const auto lead = static_cast<unsigned char>(line_[offset_]);
            offset_ += lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            ++column_;
        }
        return std::min(offset_, line_.size());
    }

    std::string_view line_;
    bool characters_;
    std::size_t column_ = 1;  // the column at offset_
    std::size_t offset_ = 0;
};

std::optional<TrfLineDamage> readRounds(std::string_view roundsText,
                                        std::vector<TrfRound>& rounds) {
    const std::string_view text = roundsText;
    // Blanks at the end belong to no round.
    std::size_t length = text.size();
    while (length > 0 && isBlank(text[length - 1])) {
        --length;
    }
    if (length > kTrfMostRounds * kRoundColumns) {
        return TrfLineDamage::TooManyRounds;
    }
    for (std::size_t at = 0; at < length; at += kRoundColumns) {
        const std::string_view columns = text.substr(at, std::min(kRoundColumns, length - at));
        const auto column = [&](std::size_t k) { return k < columns.size() ? columns[k] : ' '; };
        const std::optional<int> opponent = rightAlignedNumber(columns.substr(0, 4));
        const char colour = colourOf(column(5));
        const char result = column(7);
        if (!opponent || colour == '\0' || !isResultCode(result) || !isBlank(column(4)) ||
            !isBlank(column(6)) || !isBlank(column(8)) || !isBlank(column(9))) {
            return TrfLineDamage::UnreadableFields;
        }
        rounds.push_back({*opponent, colour, result});
    }
    return std::nullopt;
}

// A player line read under one way of counting its columns.
std::optional<TrfLineDamage> readPlayerLine(std::string_view line, bool characters,
                                            TrfPlayer& player) {
    LineColumns columns(line, characters);
    if (!isAllBlank(columns.field(4, 4))) {
        return TrfLineDamage::NoStartingRank;
    }
    const std::optional<int> startingRank = rightAlignedNumber(columns.field(5, 8));
    if (!startingRank || *startingRank < 1 || *startingRank > kHighestStartingRank) {
        return TrfLineDamage::NoStartingRank;
    }
    player.startingRank = *startingRank;
    // The blanks between the fields tell whether the columns were counted the writer's way.
    if (!isAllBlank(columns.field(9, 9))) {
        return TrfLineDamage::UnreadableFields;
    }
    const std::string_view sex = columns.field(10, 10);
    player.sex = sex.size() == 1 ? sex[0] : ' ';
    player.title = trimmed(columns.field(11, 13));
    const std::string_view name = columns.field(15, 47);
    if (!isAllBlank(columns.field(48, 48))) {
        return TrfLineDamage::UnreadableFields;
    }
    const std::optional<int> rating = rightAlignedNumber(columns.field(49, 52));
    if (!rating || !isAllBlank(columns.field(53, 53))) {
        return TrfLineDamage::UnreadableFields;
    }
    player.rating = *rating > 0 ? rating : std::nullopt;
    player.federation = trimmed(columns.field(54, 56));
    player.fideId = trimmed(columns.field(58, 68));
    player.birth = trimmed(columns.field(70, 79));
    player.points = trimmed(columns.field(81, 84));
    const std::optional<int> rank = rightAlignedNumber(trimmed(columns.field(86, 89)));
    player.rank = rank.value_or(0);
    player.rounds.clear();
    if (const auto damage = readRounds(columns.after(kFirstRoundColumn - 1), player.rounds)) {
        return damage;
    }
    player.name = pgnTextAsUtf8(trimmed(name));
    return std::nullopt;
}

bool hasNonAscii(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The text of a record of the event: what follows its code, made UTF-8.
std::string recordText(std::string_view line) {
    const std::string_view text = trimmed(line.substr(std::min<std::size_t>(line.size(), 3)));
    return pgnTextAsUtf8(text.substr(0, kPgnLongestValue));
}

class TrfLines {
public:
    explicit TrfLines(std::string_view bytes) : bytes_(bytes) {}

    // The next line, without its end; false at the file's end.
    bool next(std::string_view& line) {
        if (at_ >= bytes_.size()) {
            return false;
        }
        // Each of CR and LF is looked for again only once passed: the file is read once.
        nextCr_ = nextOf('\r', nextCr_);
        nextLf_ = nextOf('\n', nextLf_);
        const std::size_t end = std::min(nextCr_, nextLf_);
        line = bytes_.substr(at_, end - at_);
        at_ = end + 1;
        if (end < bytes_.size() && bytes_[end] == '\r' && at_ < bytes_.size() &&
            bytes_[at_] == '\n') {
            ++at_;
        }
        return true;
    }

private:
    std::size_t nextOf(char wanted, std::size_t known) const {
        if (known >= at_ && known != kUnknown) {
            return known;
        }
        const void* found = std::memchr(bytes_.data() + at_, wanted, bytes_.size() - at_);
        return found != nullptr
                   ? static_cast<std::size_t>(static_cast<const char*>(found) - bytes_.data())
                   : bytes_.size();
    }

    static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
    std::string_view bytes_;
    std::size_t at_ = 0;
    std::size_t nextCr_ = kUnknown;
    std::size_t nextLf_ = kUnknown;
};

}  // namespace

int TrfEvent::damagedTotal() const {
    int total = 0;
    for (const int count : damagedLines) {
        total += count;
    }
    return total;
}

const TrfPlayer* TrfEvent::playerRanked(int rank) const {
    if (rank < 1 || static_cast<std::size_t>(rank) >= indexByRank.size() ||
        indexByRank[static_cast<std::size_t>(rank)] == 0) {
        return nullptr;
    }
    return &players[static_cast<std::size_t>(indexByRank[static_cast<std::size_t>(rank)] - 1)];
}

TrfEvent readTrf(std::string_view bytes) {
    TrfEvent event;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    TrfLines lines(bytes);
    std::string_view line;
    std::size_t lineNumber = 0;
    bool nameRead = false, startRead = false, endRead = false;
    const auto damaged = [&](TrfLineDamage damage) {
        ++event.damagedLines[static_cast<std::size_t>(damage)];
        if (event.firstDamagedLine == 0) {
            event.firstDamagedLine = lineNumber;
        }
    };
    while (lines.next(line)) {
        ++lineNumber;
        const std::string_view code = line.substr(0, 3);
        if (code == "012" && !nameRead) {
            event.name = recordText(line);
            nameRead = true;
        } else if (code == "042" && !startRead) {
            event.startDate = recordText(line);
            startRead = true;
        } else if (code == "052" && !endRead) {
            event.endDate = recordText(line);
            endRead = true;
        } else if (code == "001") {
            // Read in place: a damaged line's player is taken back.
            TrfPlayer& player = event.players.emplace_back();
            std::optional<TrfLineDamage> damage;
            // A name in UTF-8 may have been padded by characters or by bytes.
            if (hasNonAscii(line) && isUtf8(line)) {
                damage = readPlayerLine(line, true, player);
                if (damage == TrfLineDamage::UnreadableFields) {
                    damage = readPlayerLine(line, false, player);
                }
            } else {
                damage = readPlayerLine(line, false, player);
            }
            if (!damage) {
                const auto rank = static_cast<std::size_t>(player.startingRank);
                if (event.indexByRank.size() <= rank) {
                    event.indexByRank.resize(rank + 1, 0);
                }
                if (event.indexByRank[rank] != 0) {
                    damage = TrfLineDamage::RankUsedTwice;
                } else {
                    event.indexByRank[rank] = static_cast<int>(event.players.size());
                }
            }
            if (damage) {
                event.players.pop_back();
                damaged(*damage);
            }
        }
    }
    return event;
}

}  // namespace tavolin
