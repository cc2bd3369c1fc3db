// SPDX-License-Identifier: GPL-3.0-or-later
#include "PeriodSummary.h"

namespace tavolin {

std::optional<int> PeriodSummary::change() const {
    if (!ratingBefore) {
        return std::nullopt;
    }
    return newRating - *ratingBefore;
}

PeriodSummary summaryOf(const HistoryPeriod& period) {
    PeriodSummary summary;
    summary.id = period.id;
    summary.closedOn = period.closedAt.date();
    summary.closedAtTime = period.closedAt.time();
    summary.closedAtMsecs = period.closedAt.toMSecsSinceEpoch();
    summary.slot = period.slot;
    summary.playerName = period.playerName;
    summary.system = period.system;
    summary.ratingBefore = period.ratingBefore;
    summary.newRating = period.newRating;
    summary.gameCount = static_cast<int>(period.games.size());
    summary.points = period.points();
    return summary;
}

}  // namespace tavolin
