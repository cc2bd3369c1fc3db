// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavolin {

// The fields of a line of FIDE's rating list.
enum class FideListField {
    id,
    name,
    federation,
    sex,
    title,
    womanTitle,
    otherTitles,
    onlineTitle,
    standardRating,
    standardGames,
    standardK,
    rapidRating,
    rapidGames,
    rapidK,
    blitzRating,
    blitzGames,
    blitzK,
    birthYear,
    flag,
};
inline constexpr std::size_t kFideListFieldCount =
    static_cast<std::size_t>(FideListField::flag) + 1;

// Which rating a list of one rating holds: its header says a month ("OCT26"), not which.
enum class FideListKind { standard, rapid, blitz };

// Where each field of a line is, read from the words of the list's header: the lists differ
// (with or without the FOA column, one rating or three), so no column is known beforehand.
class FideListLayout {
public:
    struct Columns {
        std::size_t start = 0;
        std::size_t end = 0;  // past the last; the end of the line for the last field
        bool present = false;
    };

    // None when `header` is not a header of FIDE's list (it starts with "ID Number" and names
    // the "Name" column). `kind` tells where the rating of a list of one rating goes.
    static std::optional<FideListLayout> ofHeader(std::string_view header,
                                                  FideListKind kind = FideListKind::standard);

    const Columns& columns(FideListField field) const {
        return columns_[static_cast<std::size_t>(field)];
    }
    // The header's length without its line end: a longer line has other titles that run on.
    std::size_t width() const { return width_; }
    // The month of a list of one rating, "2026-10" for "OCT26"; empty for the others.
    const std::string& month() const { return month_; }

private:
    Columns columns_[kFideListFieldCount] = {};
    std::size_t width_ = 0;
    std::string month_;
};

}  // namespace tavolin
