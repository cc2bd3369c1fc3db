// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryPeriod.h"

namespace tavolin {

double HistoryPeriod::points() const {
    double sum = 0;
    for (const HistoryGame& game : games) {
        sum += game.entry.score;
    }
    return sum;
}

std::optional<int> HistoryPeriod::change() const {
    if (!ratingBefore) {
        return std::nullopt;
    }
    return newRating - *ratingBefore;
}

}  // namespace tavolin
