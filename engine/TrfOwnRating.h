// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace tavolin {

// The rating a tournament report gives the player, to go into the window's rating field:
// only into an empty field (blanks only), so that a rating typed or calculated is never
// replaced. Nothing when the report has none for him.
std::optional<int> trfRatingForField(std::string_view fieldText, std::optional<int> ownRating);

}  // namespace tavolin
