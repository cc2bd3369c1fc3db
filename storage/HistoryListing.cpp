// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryListing.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlQuery>
#include <QVariant>
#include <limits>
#include <optional>

#include <sqlite3.h>

#include "FileError.h"
#include "FileFailure.h"
#include "GameEntry.h"
#include "HistoryRows.h"
#include "HistorySql.h"
#include "HistoryValues.h"
#include "LocalTimeConverter.h"
#include "PlayerRecord.h"
#include "RatingHistory.h"
#include "SqliteStatement.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

// What the list shows of a period, and whether its other columns hold values periodOfRow
// accepts. A row with anything out of the ordinary is read again through Qt and checked as
// the whole reading checks it, so that the history is told damaged in the same words.
QString periodQuery(bool oneSlot) {
    return QStringLiteral(
               "SELECT id, closed_at, slot, player_name, system, rating_before, new_rating,"
               " (coefficient IS NULL OR (typeof(coefficient) = 'integer'"
               " AND coefficient BETWEEN 10 AND 40))"
               " AND typeof(young) = 'integer' AND young BETWEEN 0 AND 1"
               " AND typeof(average) = 'text' AND typeof(score) = 'text'"
               " AND typeof(performance) = 'text' AND typeof(new_rating_text) = 'text'"
               " FROM period%1 ORDER BY closed_at, id")
        .arg(oneSlot ? QStringLiteral(" WHERE slot = ?") : QString());
}

enum PeriodColumn {
    kId,
    kClosedAt,
    kSlot,
    kPlayerName,
    kSystem,
    kRatingBefore,
    kNewRating,
    kOthersInRange
};

// The games' period and score, in the order they were written: one pass over the table,
// where asking for each period's games would look each of them up. Every player's: picking
// one's costs SQLite more than handing the others over.
const QString kGameQuery = QStringLiteral("SELECT period_id, score FROM game");

// A period's games counted and added up; a score other than 0, ½ and 1 has its games read
// and checked one by one. The scores being halves, their sum is exact in any order.
struct GameTotals {
    int count = 0;
    double points = 0;
    bool scoreOutOfRange = false;

    void add(const SqliteStatement& game, int column) {
        ++count;
        const int kind = game.kind(column);
        const double score = game.real(column);
        if ((kind != SQLITE_INTEGER && kind != SQLITE_FLOAT) ||
            (score != kWinScore && score != kDrawScore && score != kLossScore)) {
            scoreOutOfRange = true;
        }
        points += score;
    }
    void add(const GameTotals& more) {
        count += more.count;
        points += more.points;
        scoreOutOfRange = scoreOutOfRange || more.scoreOutOfRange;
    }
};

bool isWithin(const SqliteStatement& row, int column, qint64 lowest, qint64 highest) {
    return row.kind(column) == SQLITE_INTEGER && row.integer(column) >= lowest &&
           row.integer(column) <= highest;
}

}  // namespace

// The history's connection, its read transaction and the statements stepping through the
// rows, ended in the reverse order.
struct HistoryListing::Reading {
    RatingHistory history;
    QSqlDatabase database;
    std::optional<Transaction> transaction;
    std::optional<SqliteStatement> games;  // until they are all counted
    std::optional<SqliteStatement> rows;
    QHash<qint64, GameTotals> totals;
    LocalTimeConverter converter;
    QString lastName;  // shared by the next rows of the same name

    explicit Reading(const QString& path) : history(path) {}
    ~Reading() {
        rows.reset();
        games.reset();
        transaction.reset();
        database = QSqlDatabase();
    }

    // A period's games are written together: their totals are gathered before they are
    // kept by the period's id.
    void countGames() {
        SqliteStatement& game = *games;
        std::optional<qint64> period;
        GameTotals gathered;
        while (game.next()) {
            if (game.kind(0) != SQLITE_INTEGER) {
                continue;  // no period's: never listed
            }
            if (period != game.integer(0)) {
                if (period) {
                    totals[*period].add(gathered);
                }
                period = game.integer(0);
                gathered = GameTotals();
            }
            gathered.add(game, 1);
        }
        if (period) {
            totals[*period].add(gathered);
        }
        games.reset();
    }

    PeriodSummary summaryOfRow() {
        std::optional<PeriodSummary> summary = plainSummary();
        if (!summary) {
            summary = summaryOfWholeRow(rows->integer(kId));
        }
        if (summary->playerName != lastName) {
            lastName = summary->playerName;
        }
        summary->playerName = lastName;
        const GameTotals played = totals.value(summary->id);
        if (played.scoreOutOfRange) {
            (void)RatingHistory::readGames(database, summary->id);  // raises DamagedValue
        }
        summary->gameCount = played.count;
        summary->points = played.points;
        return *summary;
    }

    // The row's summary when every value is of its column's kind and within its range, its
    // closing in the program's or SQLite's form: what the checks of the whole reading
    // accept without a doubt. None otherwise.
    std::optional<PeriodSummary> plainSummary() {
        const SqliteStatement& row = *rows;
        const bool ratingBeforeInRange = row.kind(kRatingBefore) == SQLITE_NULL ||
                                         isWithin(row, kRatingBefore, 0, kHighestStoredRating);
        if (!isWithin(row, kId, 1, std::numeric_limits<qint64>::max()) ||
            row.kind(kClosedAt) != SQLITE_TEXT || !isWithin(row, kSlot, 1, kPlayerCount) ||
            row.kind(kPlayerName) != SQLITE_TEXT ||
            !isWithin(row, kSystem, static_cast<int>(RatingSystem::Elo),
                      static_cast<int>(RatingSystem::Fide2024)) ||
            !ratingBeforeInRange || !isWithin(row, kNewRating, 0, kHighestStoredRating) ||
            !isWithin(row, kOthersInRange, 1, 1)) {
            return std::nullopt;
        }
        const std::optional<Closing> closing = plainClosing(row.text(kClosedAt), converter);
        if (!closing) {
            return std::nullopt;
        }
        PeriodSummary summary;
        summary.id = row.integer(kId);
        summary.closedOn = closing->day;
        summary.closedAtTime = closing->time;
        summary.closedAtMsecs = closing->msecsSinceEpoch;
        summary.slot = static_cast<int>(row.integer(kSlot));
        summary.playerName = row.text(kPlayerName);
        summary.system = static_cast<RatingSystem>(row.integer(kSystem));
        if (row.kind(kRatingBefore) != SQLITE_NULL) {
            summary.ratingBefore = static_cast<int>(row.integer(kRatingBefore));
        }
        summary.newRating = static_cast<int>(row.integer(kNewRating));
        return summary;
    }

    // The period's row read whole through Qt and checked in its columns' order, as the whole
    // reading checks it: raises its DamagedValue, or gives the summary of what it accepts.
    PeriodSummary summaryOfWholeRow(qint64 id) {
        QSqlQuery whole(database);
        whole.prepare(QStringLiteral("SELECT %1 FROM period WHERE id = ?").arg(kPeriodColumns));
        whole.addBindValue(id);
        executeOrThrow(whole);
        if (!nextRow(whole)) {
            throw DamagedValue{QStringLiteral("id : %1").arg(id)};  // listed, yet not found
        }
        Closing closing;
        const HistoryPeriod period = periodOfRow(whole, [&](const QVariant& closedAt) {
            closing = checkedClosing(closedAt, converter);
        });
        PeriodSummary summary = summaryOf(period);
        summary.closedOn = closing.day;
        summary.closedAtTime = closing.time;
        summary.closedAtMsecs = closing.msecsSinceEpoch;
        return summary;
    }
};

HistoryListing::HistoryListing(const QString& path, int slot) : path_(path) {
    if (!QFileInfo::exists(path_)) {
        return;  // reading never makes the file
    }
    auto reading = std::make_unique<Reading>(path_);
    try {
        reading->database = reading->history.open(RatingHistory::Access::reading);
        reading->transaction.emplace(reading->database, Transaction::reading);
        if (reading->history.checkedVersion(reading->database) == 0) {
            return;  // no period closed yet
        }
        reading->games.emplace(reading->database, kGameQuery);
        reading->rows.emplace(reading->database, periodQuery(slot != 0));
        if (slot != 0) {
            reading->rows->bind(1, slot);
        }
    } catch (const SqlFailure& failure) {
        throw FileError(failureText(path_, failure.error));
    }
    reading_ = std::move(reading);
}

HistoryListing::~HistoryListing() = default;

std::vector<PeriodSummary> HistoryListing::next(std::size_t most) {
    std::vector<PeriodSummary> summaries;
    if (!reading_) {
        return summaries;
    }
    try {
        if (reading_->games) {
            reading_->countGames();
        }
        summaries.reserve(most);
        while (summaries.size() < most) {
            if (!reading_->rows->next()) {
                reading_.reset();  // the snapshot is let go: the history can be written
                break;
            }
            summaries.push_back(reading_->summaryOfRow());
        }
    } catch (const SqlFailure& failure) {
        reading_.reset();
        throw FileError(failureText(path_, failure.error));
    } catch (const DamagedValue& damaged) {
        reading_.reset();
        throw FileError(fromUtf8(messages::kHistoryDamaged).arg(fullPath(path_), damaged.what));
    }
    return summaries;
}

}  // namespace tavolin
