// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include "FideList.h"
#include "FideListConnection.h"
#include "FideListReadAhead.h"
#include "FideListSchema.h"
#include "FileError.h"
#include "FileFailure.h"
#include "HistorySql.h"
#include "SqliteFunctions.h"
#include "SqliteStatement.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

bool isListMonth(const QString& month) {
    static const QRegularExpression kMonth(QStringLiteral("^[0-9]{4}-(0[1-9]|1[0-2])$"));
    return kMonth.match(month).hasMatch();
}

// Pages of the new list stay in memory until the commit rather than spill into the file
// halfway: 64 MB, a quarter of a list of two million players.
constexpr int kImportCacheKib = 64 * 1024;

// The index's parts are merged when they reach this many, far more than a list of two million
// players makes; SQLite's usual settings otherwise.
constexpr int kMostUnmergedParts = 2000;
constexpr int kUsualAutomerge = 4;
constexpr int kUsualCrisismerge = 16;

// One row per player, bound straight from the reader's UTF-8: Qt's driver would make a
// QVariant of each of nineteen values for two million rows.
class PlayerInsertion {
public:
    explicit PlayerInsertion(const QSqlDatabase& database)
        : statement_(database, QStringLiteral("INSERT OR IGNORE INTO player VALUES (?, ?, ?, ?,"
                                              " ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")) {}

    void insert(const FideListLine& line) {
        statement_.bind(1, line.id);
        statement_.bindText(2, line.name);
        statement_.bindText(3, line.federation);
        statement_.bindText(4, line.sex);
        statement_.bindText(5, line.title);
        statement_.bindText(6, line.womanTitle);
        statement_.bindText(7, line.otherTitles);
        statement_.bindText(8, line.onlineTitle);
        statement_.bind(9, line.standardRating);
        statement_.bind(10, line.standardGames);
        statement_.bind(11, line.standardK);
        statement_.bind(12, line.rapidRating);
        statement_.bind(13, line.rapidGames);
        statement_.bind(14, line.rapidK);
        statement_.bind(15, line.blitzRating);
        statement_.bind(16, line.blitzGames);
        statement_.bind(17, line.blitzK);
        statement_.bind(18, line.birthYear);
        statement_.bindText(19, line.flag);
        statement_.next();
        statement_.reset();
    }

private:
    SqliteStatement statement_;
};

// While SQLite works alone (the index of the names takes seconds), the progress is asked
// every so many of its steps whether to go on; a stop interrupts the statement.
class StopDuringStatements {
public:
    StopDuringStatements(const QSqlDatabase& database, const FideListProgress& progress,
                         qint64 total)
        : progress_(progress), total_(total) {
        const QVariant handle = database.driver()->handle();
        if (progress_ && handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
            connection_ = *static_cast<sqlite3* const*>(handle.constData());
            sqliteFunctions().sqlite3_progress_handler(connection_, kStepsBetweenQuestions, &ask,
                                                       this);
        }
    }
    ~StopDuringStatements() {
        if (connection_ != nullptr) {
            sqliteFunctions().sqlite3_progress_handler(connection_, 0, nullptr, nullptr);
        }
    }
    StopDuringStatements(const StopDuringStatements&) = delete;
    StopDuringStatements& operator=(const StopDuringStatements&) = delete;

    bool stopped() const { return stopped_; }

private:
    // About a hundredth of a second of SQLite's work.
    static constexpr int kStepsBetweenQuestions = 200'000;

    static int ask(void* self) {
        auto* stop = static_cast<StopDuringStatements*>(self);
        stop->stopped_ = stop->stopped_ || !stop->progress_(stop->total_, stop->total_);
        return stop->stopped_ ? 1 : 0;
    }

    const FideListProgress& progress_;
    qint64 total_;
    sqlite3* connection_ = nullptr;
    bool stopped_ = false;
};

// The index of the names from the players' table. Its parts are merged once, at the end,
// rather than again and again while they are written, which takes a sixth less time; SQLite's
// usual merging is set back for any later write.
QStringList namesIndexMaking() {
    const auto setting = [](const char* name, int value) {
        return QStringLiteral("INSERT INTO player_name (player_name, rank) VALUES ('%1', %2)")
            .arg(QLatin1String(name))
            .arg(value);
    };
    return {
        setting("automerge", 0),
        setting("crisismerge", kMostUnmergedParts),
        QStringLiteral("INSERT INTO player_name (rowid, name) SELECT %1, name FROM player"
                       " ORDER BY 1")
            .arg(kFideListOrderKey),
        QStringLiteral("INSERT INTO player_name (player_name) VALUES ('optimize')"),
        setting("automerge", kUsualAutomerge),
        setting("crisismerge", kUsualCrisismerge),
    };
}

qint64 countOf(const QSqlDatabase& database, const QString& statement) {
    QSqlQuery query = executeOrThrow(database, statement);
    return query.next() ? query.value(0).toLongLong() : 0;
}

// Writes the list into the open file in one transaction; none when the progress stopped it.
// The old list goes at the start of the transaction and comes back whole with its rollback.
std::optional<FideListSummary> importInto(const QSqlDatabase& database, const QString& databasePath,
                                          const QString& listFile, const QString& month,
                                          const FideListProgress& progress,
                                          const QString& lastModified) {
    checkedFideListVersion(database, databasePath);  // a foreign file keeps its own settings
    // The rollback journal keeps the old list's pages until the commit, and synchronous FULL
    // writes it to the disk before the file changes: a crash in between leaves the old list.
    executeOrThrow(database, QStringLiteral("PRAGMA journal_mode = DELETE"));
    executeOrThrow(database, QStringLiteral("PRAGMA synchronous = FULL"));
    executeOrThrow(database, QStringLiteral("PRAGMA cache_size = -%1").arg(kImportCacheKib));
    Transaction transaction(database);
    const int version = checkedFideListVersion(database, databasePath);
    // The old list goes before the steps that bring an older file up to date: they then
    // index no old rows.
    if (version > 0) {
        executeOrThrow(database, QStringLiteral("DELETE FROM meta"));
        executeOrThrow(database, QStringLiteral("DELETE FROM player"));
        executeOrThrow(database, QStringLiteral("INSERT INTO player_name (player_name)"
                                                " VALUES ('delete-all')"));
    }
    if (version < kFideListVersion) {
        for (int step = version + 1; step <= kFideListVersion; ++step) {
            for (const QString& statement : fideListSchemaStep(step)) {
                executeOrThrow(database, statement);
            }
        }
        executeOrThrow(database, QStringLiteral("PRAGMA user_version = %1").arg(kFideListVersion));
    }
    FideListReading reading;
    {
        PlayerInsertion insertion(database);
        reading = readFideListFileAhead(
            listFile, [&insertion](const FideListLine& line) { insertion.insert(line); }, progress);
    }
    if (reading.stopped) {
        return std::nullopt;
    }
    // The index of the names is made once from the whole table, in the order of its rows:
    // the index writes its words in bulk only while rows come in increasing order.
    {
        const StopDuringStatements stop(database, progress, QFileInfo(listFile).size());
        try {
            for (const QString& statement : namesIndexMaking()) {
                executeOrThrow(database, statement);
            }
        } catch (const SqlFailure&) {
            if (stop.stopped()) {
                return std::nullopt;
            }
            throw;
        }
    }
    FideListSummary summary;
    summary.month = month.isEmpty() ? reading.month : month;
    summary.playerCount = countOf(database, QStringLiteral("SELECT count(*) FROM player"));
    summary.path = databasePath;
    summary.lastModified = lastModified;
    // A player the list gives twice is kept once, from his first line.
    summary.damagedLines =
        static_cast<qint64>(reading.damagedLines + reading.players) - summary.playerCount;
    if (summary.playerCount == 0) {
        throw FileError(fromUtf8(messages::kFideListNoPlayer).arg(fullPath(listFile)));
    }
    QSqlQuery meta(database);
    meta.prepare(QStringLiteral("INSERT INTO meta VALUES (?, ?, ?, ?)"));
    meta.addBindValue(summary.month.isNull() ? QStringLiteral("") : summary.month);
    meta.addBindValue(summary.playerCount);
    meta.addBindValue(lastModified.isNull() ? QStringLiteral("") : lastModified);
    meta.addBindValue(summary.damagedLines);
    executeOrThrow(meta);
    if (progress && !progress(QFileInfo(listFile).size(), QFileInfo(listFile).size())) {
        return std::nullopt;
    }
    transaction.commit();
    return summary;
}

}  // namespace

std::optional<FideListSummary> importFideList(const QString& databasePath, const QString& listFile,
                                              const QString& month,
                                              const FideListProgress& progress,
                                              const QString& lastModified) {
    if (!month.isEmpty() && !isListMonth(month)) {
        throw FileError(fromUtf8(messages::kFideListBadMonth).arg(month));
    }
    const bool existed = QFileInfo::exists(databasePath);
    std::optional<FideListSummary> summary;
    try {
        {
            FideListConnection connection(databasePath, FideListConnection::Access::writing);
            summary = importInto(connection.database(), databasePath, listFile, month, progress,
                                 lastModified);
        }
    } catch (const SqlFailure& failure) {
        if (!existed) {
            QFile::remove(databasePath);
        }
        throw FileError(fideListFailureText(databasePath, failure.error));
    } catch (...) {
        if (!existed) {
            QFile::remove(databasePath);
        }
        throw;
    }
    if (!summary && !existed) {
        QFile::remove(databasePath);  // a stopped first import leaves no empty list behind
    }
    return summary;
}

}  // namespace tavolin
