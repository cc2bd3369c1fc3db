// SPDX-License-Identifier: GPL-3.0-or-later
// The history over any file: read (never written), each period shown as the window's row,
// the whole as the spreadsheet's CSV and as the curve's axis. A file that is refused says
// so in a FileError; one that is read holds only values within their ranges.
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

#include "FileError.h"
#include "FuzzFile.h"
#include "HistoryTexts.h"
#include "RatingChart.h"
#include "RatingHistory.h"

using namespace tavolin;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);  // Qt's SQL driver is a plugin
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzzing::bytesOf(data, size);
    const QString path = fuzzing::writeInput(QStringLiteral("tavolin-history.sqlite"), bytes);
    std::vector<HistoryPeriod> periods;
    try {
        periods = RatingHistory(path).periods();
    } catch (const FileError&) {
        return 0;
    }
    for (const HistoryPeriod& period : periods) {
        fuzzing::require(period.slot >= 1 && period.slot <= 10);
        fuzzing::require(period.newRating >= 0 && period.newRating <= 4000);
        fuzzing::require(period.closedAt.isValid());
        (void)historyRow(period, QLatin1Char(','));
    }
    (void)historyCsv(periods);
    const RatingScale scale = ratingScale(ratingPoints(periods));
    fuzzing::require(scale.step > 0 && (scale.high - scale.low) / scale.step <= 8);
    return 0;
}
