// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

#include "PeriodSummary.h"

namespace tavolin {

// The summaries of player `slot`'s closed periods (of all players with 0), oldest first, a
// few at a time, so that a long history is listed without holding every game in memory nor
// the window still while it is read. They come from one snapshot of the file, opened
// read-only (never created nor brought up to date) and held until the last summary is
// given or the listing ends. A missing file or an empty database lists nothing.
// Failures raise FileError with the error box's text, in the whole reading's words: a value
// out of its range in what the list shows (a period's, a game's score) makes the history
// damaged; the games' other values are checked when they are read (RatingHistory::games).
class HistoryListing {
public:
    HistoryListing(const QString& path, int slot);
    ~HistoryListing();
    HistoryListing(const HistoryListing&) = delete;
    HistoryListing& operator=(const HistoryListing&) = delete;

    // Up to `most` more summaries; none once every one was given.
    std::vector<PeriodSummary> next(std::size_t most);
    bool atEnd() const { return reading_ == nullptr; }

private:
    struct Reading;
    QString path_;
    std::unique_ptr<Reading> reading_;  // until the last row is read
};

}  // namespace tavolin
