// SPDX-License-Identifier: GPL-3.0-or-later
// The history over any file: read (never written), each period shown as the window's row,
// the whole as the spreadsheet's CSV and as the curve's axis. A file that is refused says
// so in a FileError; one that is read holds only values within their ranges. Its list, a
// few periods at a time, gives what the whole reading gives of each period, or finds it
// damaged.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <cstddef>
#include <cstdint>

#include "FileError.h"
#include "FuzzFile.h"
#include "HistoryListing.h"
#include "HistoryTexts.h"
#include "RatingChart.h"
#include "RatingHistory.h"

using namespace tavolin;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);  // Qt's SQL driver is a plugin
    return 0;
}

namespace {

// SQLite's own check of every page, table and index.
bool intact(const QString& path) {
    const QString connection = QStringLiteral("tavolin-fuzz-check");
    bool ok = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (database.open()) {
            QSqlQuery check(database);
            ok = check.exec(QStringLiteral("PRAGMA integrity_check")) && check.next() &&
                 check.value(0).toString() == QLatin1String("ok");
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

}  // namespace

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

    std::vector<PeriodSummary> listed;
    try {
        HistoryListing listing(path, 0);
        while (!listing.atEnd()) {
            for (PeriodSummary& summary : listing.next(3)) {
                listed.push_back(std::move(summary));
            }
        }
    } catch (const FileError& error) {
        // Its pass over every game can meet a damaged page the whole reading never reads.
        fuzzing::require(QString::fromUtf8(error.what()).contains(QStringLiteral("abîmé")));
        return 0;
    }
    // A file whose indexes disagree with their tables gives each reading what its path
    // through them finds: the two agree on an intact one.
    if (intact(path)) {
        fuzzing::require(listed.size() == periods.size());
        for (std::size_t k = 0; k < listed.size(); ++k) {
            fuzzing::require(listed[k] == summaryOf(periods[k]));
        }
    }
    (void)drawnPoints(ratingPoints(listed), 4);
    return 0;
}
