// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tavolin {

// The FIDE development coefficient is 10, 15 or 25, whatever the combo box holds or a
// damaged file stored.

inline constexpr int kDefaultFideCoefficient = 25;

// The coefficient `text` names when it is exactly one of `allowed` ("15", not " 15" or
// "015"), otherwise `inForce`.
int coefficientFromText(std::string_view text, std::span<const int> allowed, int inForce);
// `stored` when it is one of `allowed`, otherwise `fallback`.
int coefficientFromStored(std::int32_t stored, std::span<const int> allowed, int fallback);

// The coefficient the combo box's text puts in force: its value when the text is exactly
// "10", "15" or "25", otherwise the coefficient already in force, unchanged.
int fideCoefficientFromText(std::string_view text, int inForce);

// The coefficient of a loaded player: his stored value when it is 10, 15 or 25, else 25.
int fideCoefficientFromStored(std::int32_t stored);

}  // namespace tavolin
