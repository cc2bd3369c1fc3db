// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace tavolin {

// The checks of a game being entered.

inline constexpr int kLowestOpponentRating = 1000;
inline constexpr int kHighestOpponentRating = 3000;

// The opponent's rating when the text is wholly a whole number from 1000 to 3000.
std::optional<double> readOpponentRating(std::string_view text);

// The score of the result sign: "+" 1, "=" 0.5, "-" 0; any other text is refused.
std::optional<double> readResultSign(std::string_view text);

}  // namespace tavolin
