// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrfOwnRating.h"

namespace tavolin {

std::optional<int> trfRatingForField(std::string_view fieldText, std::optional<int> ownRating) {
    if (fieldText.find_first_not_of(" \t") != std::string_view::npos) {
        return std::nullopt;
    }
    return ownRating;
}

}  // namespace tavolin
