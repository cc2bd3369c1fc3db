// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListReader.h"

#include "PgnText.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tavolin {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// The list is ASCII; a byte beyond it that is no UTF-8 is taken as Latin-1.
std::string utf8Text(std::string_view text) {
    if (isUtf8(text)) {
        return std::string(text);
    }
    std::string converted;
    converted.reserve(text.size() * 2);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            converted += c;
        } else {
            converted += static_cast<char>(0xC0 | (byte >> 6));
            converted += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return converted;
}

// A count the list writes in digits: blank is 0; anything else but digits is damage.
std::optional<std::uint32_t> numberOf(std::string_view text, std::size_t longest) {
    text = trimmed(text);
    if (text.size() > longest) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value;
}

}  // namespace

std::optional<FideListLine> readFideListLine(std::string_view line, const FideListLayout& layout) {
    // Columns count characters: a name written in UTF-8 takes more bytes than columns.
    std::vector<std::size_t> characterStarts;
    const bool ascii = std::all_of(line.begin(), line.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii && isUtf8(line)) {
        for (std::size_t at = 0; at < line.size(); ++at) {
            if ((static_cast<unsigned char>(line[at]) & 0xC0) != 0x80) {
                characterStarts.push_back(at);
            }
        }
    }
    const std::size_t columns = characterStarts.empty() ? line.size() : characterStarts.size();
    const auto byteOf = [&](std::size_t column) {
        if (characterStarts.empty() || column == std::string_view::npos) {
            return column;
        }
        return column < characterStarts.size() ? characterStarts[column] : line.size();
    };
    // Other titles that run past their column push the fields after them to the right.
    const std::size_t overflow = columns > layout.width() ? columns - layout.width() : 0;
    const FideListLayout::Columns& otherTitles = layout.columns(FideListField::otherTitles);
    const auto field = [&](FideListField which) -> std::string_view {
        const FideListLayout::Columns& placed = layout.columns(which);
        if (!placed.present) {
            return {};
        }
        std::size_t start = placed.start;
        std::size_t end = placed.end;
        if (overflow > 0 && otherTitles.present) {
            if (which == FideListField::otherTitles) {
                end = end == std::string_view::npos ? end : end + overflow;
            } else if (start >= otherTitles.end) {
                start += overflow;
                end = end == std::string_view::npos ? end : end + overflow;
            }
        }
        start = byteOf(start);
        end = byteOf(end);
        if (start >= line.size()) {
            return {};
        }
        return line.substr(start, end == std::string_view::npos ? end : end - start);
    };

    FideListLine player;
    const std::string_view idText = trimmed(field(FideListField::id));
    const auto id = numberOf(idText, 9);
    if (idText.empty() || !id || *id == 0) {
        return std::nullopt;
    }
    player.id = *id;
    const struct {
        FideListField field;
        int FideListLine::*value;
        std::size_t longest;
    } numbers[] = {
        {FideListField::standardRating, &FideListLine::standardRating, 4},
        {FideListField::standardGames, &FideListLine::standardGames, 4},
        {FideListField::standardK, &FideListLine::standardK, 3},
        {FideListField::rapidRating, &FideListLine::rapidRating, 4},
        {FideListField::rapidGames, &FideListLine::rapidGames, 4},
        {FideListField::rapidK, &FideListLine::rapidK, 3},
        {FideListField::blitzRating, &FideListLine::blitzRating, 4},
        {FideListField::blitzGames, &FideListLine::blitzGames, 4},
        {FideListField::blitzK, &FideListLine::blitzK, 3},
        {FideListField::birthYear, &FideListLine::birthYear, 4},
    };
    for (const auto& number : numbers) {
        const auto value = numberOf(field(number.field), number.longest);
        if (!value) {
            return std::nullopt;
        }
        player.*number.value = static_cast<int>(*value);
    }
    const struct {
        FideListField field;
        std::string FideListLine::*text;
    } texts[] = {
        {FideListField::name, &FideListLine::name},
        {FideListField::federation, &FideListLine::federation},
        {FideListField::sex, &FideListLine::sex},
        {FideListField::title, &FideListLine::title},
        {FideListField::womanTitle, &FideListLine::womanTitle},
        {FideListField::otherTitles, &FideListLine::otherTitles},
        {FideListField::onlineTitle, &FideListLine::onlineTitle},
        {FideListField::flag, &FideListLine::flag},
    };
    for (const auto& text : texts) {
        player.*text.text = utf8Text(trimmed(field(text.field)));
    }
    return player;
}

FideListReader::FideListReader(PlayerHandler handle, FideListKind kind)
    : handle_(std::move(handle)), kind_(kind) {}

void FideListReader::readLine(std::string_view line) {
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (!layout_) {
        if (lineNumber_ == 1 && line.starts_with("\xEF\xBB\xBF")) {
            line.remove_prefix(3);
        }
        layout_ = FideListLayout::ofHeader(line, kind_);
        if (!layout_) {
            fail(Failure::noHeader);
        }
        return;
    }
    if (trimmed(line).empty()) {
        return;
    }
    if (const auto player = readFideListLine(line, *layout_)) {
        ++players_;
        handle_(*player);
    } else {
        ++damaged_;
    }
}

bool FideListReader::read(std::string_view bytes) {
    while (failure_ == Failure::none && !bytes.empty()) {
        const void* found = std::memchr(bytes.data(), '\n', bytes.size());
        if (found == nullptr) {
            if (pending_.size() + bytes.size() > kLongestLine) {
                ++lineNumber_;
                fail(Failure::lineTooLong);
                break;
            }
            pending_.append(bytes);
            break;
        }
        const auto length =
            static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
        if (pending_.size() + length > kLongestLine) {
            ++lineNumber_;
            fail(Failure::lineTooLong);
            break;
        }
        if (pending_.empty()) {
            readLine(bytes.substr(0, length));
        } else {
            pending_.append(bytes.substr(0, length));
            const std::string line = std::move(pending_);
            pending_.clear();
            readLine(line);
        }
        bytes.remove_prefix(length + 1);
    }
    return failure_ == Failure::none;
}

bool FideListReader::finish() {
    if (failure_ == Failure::none && !pending_.empty()) {
        const std::string line = std::move(pending_);
        pending_.clear();
        readLine(line);
    }
    if (failure_ == Failure::none && !layout_) {
        fail(Failure::noHeader);
    }
    return failure_ == Failure::none;
}

}  // namespace tavolin
