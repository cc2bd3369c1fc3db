// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameEntryReading.h"

#include "GameEntry.h"
#include "TextReading.h"

namespace tavolin {

std::optional<double> readOpponentRating(std::string_view text) {
    const WholeNumber number = readWholeNumber(text);
    if (!number.complete || number.value < kLowestOpponentRating ||
        number.value > kHighestOpponentRating) {
        return std::nullopt;
    }
    return number.value;
}

std::optional<double> readResultSign(std::string_view text) {
    if (text == "+") {
        return kWinScore;
    }
    if (text == "=") {
        return kDrawScore;
    }
    if (text == "-") {
        return kLossScore;
    }
    return std::nullopt;
}

}  // namespace tavolin
