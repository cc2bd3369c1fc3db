// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatingHistory.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <limits>

#include "FileError.h"
#include "FileFailure.h"
#include "HistoryRows.h"
#include "HistorySchema.h"
#include "HistorySql.h"
#include "HistoryValues.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

// How long a write waits for another program's transaction before saying the history is
// busy: long enough for another program's save, short enough not to freeze the window.
constexpr int kBusyTimeoutMs = 1000;

QAtomicInt connectionCount;

int userVersion(const QSqlDatabase& database) {
    QSqlQuery query = executeOrThrow(database, QStringLiteral("PRAGMA user_version"));
    return query.next() ? query.value(0).toInt() : 0;
}

// Qt binds a null QString as SQL's NULL: an empty text is stored as one.
QString emptyIfNull(const QString& value) {
    return value.isNull() ? QStringLiteral("") : value;
}

QVariant orNull(const std::optional<int>& value) {
    return value ? QVariant(*value) : QVariant();
}

}  // namespace

RatingHistory::RatingHistory(QString path)
    : path_(std::move(path)),
      connection_(QStringLiteral("tavolin-history-%1").arg(connectionCount.fetchAndAddRelaxed(1))) {
}

RatingHistory::~RatingHistory() {
    close();
}

void RatingHistory::close() {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
    openFor_.reset();
}

QSqlDatabase RatingHistory::open(Access access) {
    if (QSqlDatabase::contains(connection_)) {
        if (openFor_ == access) {
            return QSqlDatabase::database(connection_);
        }
        close();
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        throw FileError(fromUtf8(messages::kHistoryNoDriver).arg(fullPath(path_)));
    }
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    database.setDatabaseName(path_);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    if (access == Access::reading) {
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    }
    database.setConnectOptions(options);
    try {
        if (!database.open()) {
            throw SqlFailure{database.lastError()};
        }
        hardenConnection(database);
    } catch (...) {
        database.close();
        database = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
        throw;
    }
    openFor_ = access;
    return database;
}

int RatingHistory::checkedVersion(const QSqlDatabase& database) const {
    executeOrThrow(database, QStringLiteral("SELECT count(*) FROM sqlite_schema"));  // a database?
    const int version = userVersion(database);
    if (version > kHistoryVersion) {
        throw FileError(fromUtf8(messages::kHistoryNewer).arg(fullPath(path_)));
    }
    const std::vector<SchemaEntry> schema = schemaOf(database);
    if (version == 0 && schema.empty()) {
        return 0;  // a database with nothing in it yet
    }
    const QString unexpected =
        version < 1 ? unexpectedInSchema(schema, 1) : unexpectedInSchema(schema, version);
    if (version < 1 || !unexpected.isEmpty()) {
        throw FileError(fromUtf8(messages::kHistoryForeign)
                            .arg(fullPath(path_), unexpected.isEmpty()
                                                      ? QStringLiteral("version %1").arg(version)
                                                      : unexpected));
    }
    return version;
}

void RatingHistory::bringUpToDate(QSqlDatabase& database) {
    if (checkedVersion(database) == kHistoryVersion) {
        return;
    }
    Transaction transaction(database);
    // Read again under the lock: another program may have changed it meanwhile.
    const int version = checkedVersion(database);
    for (int step = version + 1; step <= kHistoryVersion; ++step) {
        for (const QString& statement : historySchemaStep(step)) {
            executeOrThrow(database, statement);
        }
    }
    executeOrThrow(database, QStringLiteral("PRAGMA user_version = %1").arg(kHistoryVersion));
    transaction.commit();
}

qint64 RatingHistory::add(const HistoryPeriod& period) {
    try {
        QSqlDatabase database = open(Access::writing);
        bringUpToDate(database);
        Transaction transaction(database);
        QSqlQuery insertPeriod(database);
        insertPeriod.prepare(QStringLiteral(
            "INSERT INTO period (closed_at, slot, player_name, system, coefficient, young,"
            " rating_before, average, score, performance, new_rating_text, new_rating)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        insertPeriod.addBindValue(period.closedAt.toString(kClosedAtFormat));
        insertPeriod.addBindValue(period.slot);
        insertPeriod.addBindValue(emptyIfNull(period.playerName));
        insertPeriod.addBindValue(static_cast<int>(period.system));
        insertPeriod.addBindValue(orNull(period.coefficient));
        insertPeriod.addBindValue(period.young ? 1 : 0);
        insertPeriod.addBindValue(orNull(period.ratingBefore));
        insertPeriod.addBindValue(emptyIfNull(period.average));
        insertPeriod.addBindValue(emptyIfNull(period.score));
        insertPeriod.addBindValue(emptyIfNull(period.performance));
        insertPeriod.addBindValue(emptyIfNull(period.newRatingText));
        insertPeriod.addBindValue(period.newRating);
        executeOrThrow(insertPeriod);
        const qint64 id = insertPeriod.lastInsertId().toLongLong();

        QSqlQuery insertGame(database);
        insertGame.prepare(
            QStringLiteral("INSERT INTO game (period_id, number, opponent_rating, score,"
                           " opponent_name, date, event, round) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        int number = 0;
        for (const HistoryGame& game : period.games) {
            insertGame.addBindValue(id);
            insertGame.addBindValue(++number);
            insertGame.addBindValue(game.entry.opponentRating);
            insertGame.addBindValue(game.entry.score);
            insertGame.addBindValue(emptyIfNull(game.opponentName));
            insertGame.addBindValue(emptyIfNull(game.date));
            insertGame.addBindValue(emptyIfNull(game.event));
            insertGame.addBindValue(emptyIfNull(game.round));
            executeOrThrow(insertGame);
        }
        transaction.commit();
        return id;
    } catch (const SqlFailure& failure) {
        throw FileError(failureText(path_, failure.error));
    }
}

std::vector<HistoryPeriod> RatingHistory::readPeriods(const QSqlDatabase& database, int slot) {
    const QString where = slot == 0 ? QString() : QStringLiteral(" WHERE slot = ?");
    QSqlQuery periodQuery(database);
    periodQuery.prepare(QStringLiteral("SELECT %1 FROM period%2 ORDER BY closed_at, id")
                            .arg(kPeriodColumns, where));
    if (slot != 0) {
        periodQuery.addBindValue(slot);
    }
    executeOrThrow(periodQuery);
    std::vector<HistoryPeriod> periods;
    QHash<qint64, std::size_t> indexOfId;
    while (nextRow(periodQuery)) {
        QDateTime closedAt;
        HistoryPeriod period = periodOfRow(
            periodQuery, [&closedAt](const QVariant& value) { closedAt = checkedDate(value); });
        period.closedAt = closedAt;
        indexOfId.insert(period.id, periods.size());
        periods.push_back(std::move(period));
    }

    QSqlQuery gameQuery(database);
    gameQuery.prepare(QStringLiteral("SELECT game.period_id, %1 FROM game JOIN period ON period.id"
                                     " = game.period_id%2 ORDER BY game.period_id, game.number")
                          .arg(kGameColumns, where));
    if (slot != 0) {
        gameQuery.addBindValue(slot);
    }
    executeOrThrow(gameQuery);
    while (nextRow(gameQuery)) {
        HistoryGame game = gameOfRow(gameQuery, 1);
        const auto period = indexOfId.constFind(gameQuery.value(0).toLongLong());
        if (period != indexOfId.constEnd()) {
            periods[*period].games.push_back(std::move(game));
        }
    }
    return periods;
}

std::vector<HistoryGame> RatingHistory::readGames(const QSqlDatabase& database, qint64 id) {
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT %1 FROM game WHERE period_id = ? ORDER BY number")
                      .arg(kGameColumns));
    query.addBindValue(id);
    executeOrThrow(query);
    std::vector<HistoryGame> games;
    while (nextRow(query)) {
        games.push_back(gameOfRow(query, 0));
    }
    return games;
}

template <typename Result, typename Read>
Result RatingHistory::readOrNothing(Read read) {
    if (!QFileInfo::exists(path_)) {
        return {};
    }
    try {
        QSqlDatabase database = open(Access::reading);
        const Transaction reading(database, Transaction::reading);
        if (checkedVersion(database) == 0) {
            return {};  // no period closed yet
        }
        return read(database);
    } catch (const SqlFailure& failure) {
        throw FileError(failureText(path_, failure.error));
    } catch (const DamagedValue& damaged) {
        throw FileError(fromUtf8(messages::kHistoryDamaged).arg(fullPath(path_), damaged.what));
    }
}

std::vector<HistoryPeriod> RatingHistory::periods(int slot) {
    return readOrNothing<std::vector<HistoryPeriod>>(
        [&](const QSqlDatabase& database) { return readPeriods(database, slot); });
}

std::vector<HistoryGame> RatingHistory::games(qint64 id) {
    return readOrNothing<std::vector<HistoryGame>>(
        [&](const QSqlDatabase& database) { return readGames(database, id); });
}

std::optional<HistoryPeriod> RatingHistory::takeLatest(int slot) {
    if (!QFileInfo::exists(path_)) {
        return std::nullopt;
    }
    try {
        QSqlDatabase database = open(Access::writing);
        bringUpToDate(database);
        Transaction transaction(database);
        // The latest is the last of the list, which is in order of closing, then of id.
        QSqlQuery latest(database);
        latest.prepare(
            QStringLiteral("SELECT %1 FROM period%2 ORDER BY closed_at DESC, id DESC"
                           " LIMIT 1")
                .arg(kPeriodColumns, slot == 0 ? QString() : QStringLiteral(" WHERE slot = ?")));
        if (slot != 0) {
            latest.addBindValue(slot);
        }
        executeOrThrow(latest);
        if (!nextRow(latest)) {
            return std::nullopt;
        }
        QDateTime closedAt;
        HistoryPeriod period = periodOfRow(
            latest, [&closedAt](const QVariant& value) { closedAt = checkedDate(value); });
        period.closedAt = closedAt;
        latest.finish();
        period.games = readGames(database, period.id);
        QSqlQuery deletion(database);
        deletion.prepare(QStringLiteral("DELETE FROM period WHERE id = ?"));
        deletion.addBindValue(period.id);
        executeOrThrow(deletion);
        transaction.commit();
        return period;
    } catch (const SqlFailure& failure) {
        throw FileError(failureText(path_, failure.error));
    } catch (const DamagedValue& damaged) {
        throw FileError(fromUtf8(messages::kHistoryDamaged).arg(fullPath(path_), damaged.what));
    }
}

void RatingHistory::remove(qint64 id) {
    if (!QFileInfo::exists(path_)) {
        return;  // nothing to delete, and no empty history to make
    }
    try {
        QSqlDatabase database = open(Access::writing);
        bringUpToDate(database);
        Transaction transaction(database);
        QSqlQuery deletion(database);
        deletion.prepare(QStringLiteral("DELETE FROM period WHERE id = ?"));
        deletion.addBindValue(id);
        executeOrThrow(deletion);
        transaction.commit();
    } catch (const SqlFailure& failure) {
        throw FileError(failureText(path_, failure.error));
    }
}

std::optional<quint32> RatingHistory::fideId(int slot) {
    return readOrNothing<std::optional<quint32>>(
        [&](const QSqlDatabase& database) -> std::optional<quint32> {
            if (checkedVersion(database) < 4) {
                return std::nullopt;  // written before players were linked
            }
            QSqlQuery query(database);
            query.prepare(QStringLiteral("SELECT fide_id FROM player_fide_id WHERE slot = ?"));
            query.addBindValue(slot);
            executeOrThrow(query);
            if (!nextRow(query)) {
                return std::nullopt;
            }
            return static_cast<quint32>(checkedInteger(
                query.value(0), 1, std::numeric_limits<quint32>::max(), "fide_id"));
        });
}

void RatingHistory::setFideId(int slot, std::optional<quint32> id) {
    try {
        QSqlDatabase database = open(Access::writing);
        bringUpToDate(database);
        Transaction transaction(database);
        QSqlQuery change(database);
        if (id) {
            change.prepare(
                QStringLiteral("INSERT OR REPLACE INTO player_fide_id (slot, fide_id) VALUES (?, ?)"));
            change.addBindValue(slot);
            change.addBindValue(static_cast<qlonglong>(*id));
        } else {
            change.prepare(QStringLiteral("DELETE FROM player_fide_id WHERE slot = ?"));
            change.addBindValue(slot);
        }
        executeOrThrow(change);
        transaction.commit();
    } catch (const SqlFailure& failure) {
        throw FileError(failureText(path_, failure.error));
    }
}

}  // namespace tavolin
