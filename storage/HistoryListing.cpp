// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryListing.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlQuery>
#include <QVariant>
#include <limits>
#include <optional>

#include "FileError.h"
#include "FileFailure.h"
#include "GameEntry.h"
#include "HistoryRows.h"
#include "HistorySql.h"
#include "HistoryValues.h"
#include "LocalTimeConverter.h"
#include "PlayerRecord.h"
#include "RatingHistory.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

// What the list shows of a period, read and checked here, and whether its other columns
// hold values periodOfRow would accept: when not, the row is read whole, so that the history
// is told damaged in the same words as when read whole.
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

enum PeriodColumn { kId, kClosedAt, kSlot, kPlayerName, kSystem, kRatingBefore, kNewRating };
constexpr int kOthersInRange = kNewRating + 1;

// The games' period and score, in the order they were written: one pass over the table,
// where asking for each period's games would look each of them up. Every player's: picking
// one's costs SQLite more than Qt takes to hand the others over.
const QString kGameQuery = QStringLiteral("SELECT period_id, score FROM game");

// A period's games counted and added up; a score other than 0, ½ and 1 has its games read
// and checked one by one. The scores being halves, their sum is exact in any order.
struct GameTotals {
    int count = 0;
    double points = 0;
    bool scoreOutOfRange = false;

    void add(const QVariant& score) {
        ++count;
        const int type = score.typeId();
        const double value = score.toDouble();
        if ((type != QMetaType::Double && type != QMetaType::LongLong && type != QMetaType::Int) ||
            (value != kWinScore && value != kDrawScore && value != kLossScore)) {
            scoreOutOfRange = true;
        }
        points += value;
    }
    void add(const GameTotals& more) {
        count += more.count;
        points += more.points;
        scoreOutOfRange = scoreOutOfRange || more.scoreOutOfRange;
    }
};

}  // namespace

// The history's connection, its read transaction and the queries stepping through the rows,
// ended in the reverse order.
struct HistoryListing::Reading {
    RatingHistory history;
    QSqlDatabase database;
    std::optional<Transaction> transaction;
    std::optional<QSqlQuery> games;  // until they are all counted
    std::optional<QSqlQuery> rows;
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
        QSqlQuery& query = *games;
        std::optional<qint64> period;
        GameTotals gathered;
        while (nextRow(query)) {
            const QVariant id = query.value(0);
            if (id.typeId() != QMetaType::LongLong) {
                continue;  // no period's: never listed
            }
            if (period != id.toLongLong()) {
                if (period) {
                    totals[*period].add(gathered);
                }
                period = id.toLongLong();
                gathered = GameTotals();
            }
            gathered.add(query.value(1));
        }
        if (period) {
            totals[*period].add(gathered);
        }
        games.reset();
    }

    PeriodSummary summaryOfRow() {
        const QSqlQuery& row = *rows;
        const auto value = [&row](int column) { return row.value(column); };
        if (value(kOthersInRange).toInt() != 1) {
            checkWholeRow(value(kId));
        }
        PeriodSummary summary;
        summary.id = checkedInteger(value(kId), 1, std::numeric_limits<qint64>::max(), "id");
        const Closing closing = checkedClosing(value(kClosedAt), converter);
        summary.closedOn = closing.day;
        summary.closedAtTime = closing.time;
        summary.closedAtMsecs = closing.msecsSinceEpoch;
        summary.slot = static_cast<int>(checkedInteger(value(kSlot), 1, kPlayerCount, "slot"));
        const QString name = checkedText(value(kPlayerName), "player_name");
        if (name != lastName) {
            lastName = name;
        }
        summary.playerName = lastName;
        summary.system = static_cast<RatingSystem>(
            checkedInteger(value(kSystem), static_cast<int>(RatingSystem::Elo),
                           static_cast<int>(RatingSystem::Fide2024), "system"));
        summary.ratingBefore =
            checkedIntegerOrNone(value(kRatingBefore), 0, kHighestStoredRating, "rating_before");
        summary.newRating = static_cast<int>(
            checkedInteger(value(kNewRating), 0, kHighestStoredRating, "new_rating"));
        const GameTotals played = totals.value(summary.id);
        if (played.scoreOutOfRange) {
            (void)RatingHistory::readGames(database, summary.id);  // raises DamagedValue
        }
        summary.gameCount = played.count;
        summary.points = played.points;
        return summary;
    }

    // The period's row read whole, each value checked in its column's order: raises the
    // DamagedValue a whole reading would.
    void checkWholeRow(const QVariant& id) {
        QSqlQuery whole(database);
        whole.prepare(QStringLiteral("SELECT %1 FROM period WHERE id = ?").arg(kPeriodColumns));
        whole.addBindValue(id);
        executeOrThrow(whole);
        if (nextRow(whole)) {
            (void)periodOfRow(whole, [](const QVariant& closedAt) { (void)checkedDate(closedAt); });
        }
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
        QSqlQuery& games = reading->games.emplace(reading->database);
        games.setForwardOnly(true);
        if (!games.exec(kGameQuery)) {
            throw SqlFailure{games.lastError()};
        }
        QSqlQuery& rows = reading->rows.emplace(reading->database);
        rows.setForwardOnly(true);
        rows.prepare(periodQuery(slot != 0));
        if (slot != 0) {
            rows.addBindValue(slot);
        }
        executeOrThrow(rows);
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
            if (!nextRow(*reading_->rows)) {
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
