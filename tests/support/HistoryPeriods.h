// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "HistoryPeriod.h"

namespace tavolin::testing {

// A period closed on `day` (ISO, "2025-06-30") at 18:30 by player `slot`, with one game per
// score in `scores` against opponents rated 1800, 1810, …
inline HistoryPeriod closedPeriod(const QString& day, int slot, std::optional<int> before,
                                  int after, const std::vector<double>& scores,
                                  RatingSystem system = RatingSystem::Fide2024) {
    HistoryPeriod period;
    period.closedAt = QDateTime::fromString(day + QStringLiteral("T18:30:00"), Qt::ISODate);
    period.slot = slot;
    period.playerName = QStringLiteral("Joueur %1").arg(slot);
    period.system = system;
    if (system == RatingSystem::Fide || system == RatingSystem::Fide2024) {
        period.coefficient = 20;
    }
    period.ratingBefore = before;
    period.average = QStringLiteral("1815");
    period.score = QStringLiteral("2/2,5");
    period.performance = QStringLiteral("10");
    period.newRatingText = QString::number(after);
    period.newRating = after;
    double opponent = 1800;
    for (const double score : scores) {
        HistoryGame game;
        game.entry = {opponent, score};
        period.games.push_back(game);
        opponent += 10;
    }
    return period;
}

}  // namespace tavolin::testing
