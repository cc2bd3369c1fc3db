// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "FideListLayout.h"

namespace tavolin {

// A player's line of FIDE's list, its texts in UTF-8 without the blanks around them. A
// rating, a number of games or a K of 0 is none (the list writes 0 or nothing).
struct FideListLine {
    std::uint32_t id = 0;
    std::string name;
    std::string federation;
    std::string sex;
    std::string title;
    std::string womanTitle;
    std::string otherTitles;
    std::string onlineTitle;
    int standardRating = 0;
    int standardGames = 0;
    int standardK = 0;
    int rapidRating = 0;
    int rapidGames = 0;
    int rapidK = 0;
    int blitzRating = 0;
    int blitzGames = 0;
    int blitzK = 0;
    int birthYear = 0;
    std::string flag;
    bool operator==(const FideListLine&) const = default;
};

// One line after the header, read with its layout (without its line end); none when it is
// damaged: no FIDE ID, or a number that is not one.
std::optional<FideListLine> readFideListLine(std::string_view line, const FideListLayout& layout);

// Reads FIDE's list from its bytes as they come, in pieces of any size: the header, then a
// player per line, handed over one at a time. Memory stays bounded whatever the input: a
// line longer than kLongestLine bytes ends the reading.
class FideListReader {
public:
    // Far beyond a real line (163 bytes), far below what would hold memory.
    static constexpr std::size_t kLongestLine = 4096;

    enum class Failure { none, noHeader, lineTooLong };
    using PlayerHandler = std::function<void(const FideListLine&)>;

    explicit FideListReader(PlayerHandler handle, FideListKind kind = FideListKind::standard);

    // Reads the next bytes; false once the reading failed (the rest is then ignored).
    bool read(std::string_view bytes);
    // The end of the input: reads a last line without its line end. False on failure.
    bool finish();

    Failure failure() const { return failure_; }
    // The line of the failure, from 1 for the header.
    std::size_t failedLine() const { return lineNumber_; }
    bool headerRead() const { return layout_.has_value(); }
    const std::optional<FideListLayout>& layout() const { return layout_; }
    std::size_t playerCount() const { return players_; }
    std::size_t damagedCount() const { return damaged_; }

private:
    void readLine(std::string_view line);
    void fail(Failure failure) { failure_ = failure; }

    PlayerHandler handle_;
    FideListKind kind_;
    std::optional<FideListLayout> layout_;
    std::string pending_;  // the start of a line whose end has not come yet
    Failure failure_ = Failure::none;
    std::size_t lineNumber_ = 0;
    std::size_t players_ = 0;
    std::size_t damaged_ = 0;
};

}  // namespace tavolin
