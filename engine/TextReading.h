// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavolin {

// A whole number read from a text: leading blanks, an optional sign, then decimal digits,
// or hexadecimal digits after "$", "x" or "0x".
struct WholeNumber {
    // The number when `complete`; otherwise the value of the leading digits (0 when none).
    std::int32_t value = 0;
    // The whole text was a number.
    bool complete = false;
};

WholeNumber readWholeNumber(std::string_view text);

// The current rating as typed: optional blanks, an optional sign, digits, optionally a "."
// and digits, optionally "E" or "e" with an optional sign and digits, and nothing after.
struct RatingText {
    double value = 0;
    // 0 when the text was read without error, else the position (from 1) at which reading
    // failed; `value` is then the digits read before it taken as a whole number.
    int errorPosition = 0;
};

RatingText readRatingText(std::string_view text);

// A result figure as the window shows it, with `decimalSeparator` ("885,7", "1,125E4"), to
// the nearest whole number, halves upward (886); nothing when the text is no figure or the
// number is beyond any rating.
std::optional<int> nearestWholeOfFigure(std::string_view text, std::string_view decimalSeparator);

// Plain decimal digits, nothing else, at most `longest` of them (no sign, no hexadecimal, no
// blanks): their value, or nothing. Ratings read by the 2024 FIDE rules and from PGN tags.
std::optional<int> readDecimalDigits(std::string_view text, std::size_t longest);

}  // namespace tavolin
