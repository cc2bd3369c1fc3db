// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "GameEntry.h"
#include "RatingSystem.h"

namespace tavolin {

// A game of a closed period. One imported from a PGN file while the program ran also keeps
// what the file said of it; a typed one has these texts empty.
struct HistoryGame {
    GameEntry entry;
    QString opponentName;
    QString date;  // as the file wrote it: "2024.03.02", "2024.??.??"
    QString event;
    QString round;
    bool operator==(const HistoryGame&) const = default;
};

// A rating period as it was closed: who, under which rules, the rating before, the four
// results as the window showed them and the new rating that became the current one.
struct HistoryPeriod {
    qint64 id = 0;  // given by the history
    QDateTime closedAt;
    int slot = 1;  // the player, 1 to 10
    QString playerName;
    RatingSystem system = RatingSystem::Elo;
    std::optional<int> coefficient;  // FIDE's coefficient or FIDE 2024's K; none otherwise
    bool young = false;
    std::optional<int> ratingBefore;  // none before a first rating
    QString average;
    QString score;
    QString performance;
    QString newRatingText;
    int newRating = 0;
    std::vector<HistoryGame> games;

    // The points scored: 1 a win, ½ a draw.
    double points() const;
    // The new rating less the rating before; none for a first rating.
    std::optional<int> change() const;
    bool operator==(const HistoryPeriod&) const = default;
};

}  // namespace tavolin
