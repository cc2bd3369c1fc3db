// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

#include "HistoryPeriod.h"
#include "RatingSystem.h"

namespace tavolin {

// A closed period as the history's list, its curve and the command line show it: its own
// columns, and its games counted and added up, their texts left in the file.
struct PeriodSummary {
    qint64 id = 0;
    // The local day and time of the closing, as stored, and the same as an instant.
    QDate closedOn;
    QTime closedAtTime;
    qint64 closedAtMsecs = 0;  // since 1970 UTC
    int slot = 1;
    QString playerName;
    RatingSystem system = RatingSystem::Elo;
    std::optional<int> ratingBefore;  // none before a first rating
    int newRating = 0;
    int gameCount = 0;
    double points = 0;  // 1 a win, ½ a draw

    // The new rating less the rating before; none for a first rating.
    std::optional<int> change() const;
    bool operator==(const PeriodSummary&) const = default;
};

// The summary of a period read whole.
PeriodSummary summaryOf(const HistoryPeriod& period);

}  // namespace tavolin
