// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatingHistory.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <limits>

#include <sqlite3.h>

#include "FileError.h"
#include "FileFailure.h"
#include "HistorySchema.h"
#include "HistoryValues.h"
#include "PlayerRecord.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

// How long a write waits for another program's transaction before saying the history is
// busy: long enough for another program's save, short enough not to freeze the window.
constexpr int kBusyTimeoutMs = 1000;

// SQLite's primary result codes, as Qt's driver passes them on.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteInputOutput = 10;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCannotOpen = 14;
constexpr int kSqliteNotADatabase = 26;

QAtomicInt connectionCount;

// A statement that failed, until it becomes the error box's text.
struct SqlFailure {
    QSqlError error;
};

void executeOrThrow(QSqlQuery& query) {
    if (!query.exec()) {
        throw SqlFailure{query.lastError()};
    }
}

QSqlQuery executeOrThrow(const QSqlDatabase& database, const QString& statement) {
    QSqlQuery query(database);
    if (!query.exec(statement)) {
        throw SqlFailure{query.lastError()};
    }
    return query;
}

// A history file is data, never code: nothing in its schema runs with the program's rights
// (SQLite's defensive mode, untrusted schema), and the foreign keys hold.
void hardenConnection(const QSqlDatabase& database) {
    const QVariant handle = database.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        if (sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData())) {
            sqlite3_db_config(connection, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
            sqlite3_db_config(connection, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        }
    }
    executeOrThrow(database, QStringLiteral("PRAGMA trusted_schema = OFF"));
    executeOrThrow(database, QStringLiteral("PRAGMA foreign_keys = ON"));
}

int userVersion(const QSqlDatabase& database) {
    QSqlQuery query = executeOrThrow(database, QStringLiteral("PRAGMA user_version"));
    return query.next() ? query.value(0).toInt() : 0;
}

// SQLite's own words, or Qt's when SQLite gave none, as the detail after a French sentence.
QString detailOf(const QSqlError& error) {
    const QString database = error.databaseText().trimmed();
    return database.isEmpty() ? error.driverText().trimmed() : database;
}

QString failureText(const QString& path, const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    const QString file = fullPath(path);
    switch (code) {
        case kSqliteBusy:
        case kSqliteLocked:
            return fromUtf8(messages::kHistoryBusy).arg(file);
        case kSqliteCorrupt:
        case kSqliteNotADatabase:
            return fromUtf8(messages::kHistoryDamaged).arg(file, detailOf(error));
        // The file system's reason, in French: access refused, disk full…
        case kSqliteFull:  // SQLite knows: no need to guess from the free space
            return fromUtf8(messages::kCannotWrite).arg(file, fromUtf8(messages::kReasonDiskFull));
        case kSqliteReadOnly:
        case kSqliteInputOutput:
        case kSqliteCannotOpen:
            return cannotWriteText(path);
        default:
            return fromUtf8(messages::kHistoryFailed).arg(file, detailOf(error));
    }
}

// One user action's writes: all of them or none. The write lock is taken at the start, so
// a busy history is told before anything is written. A reading one sees the history as it
// was at its first read, whatever another program writes meanwhile.
class Transaction {
public:
    enum Kind { writing, reading };
    explicit Transaction(const QSqlDatabase& database, Kind kind = writing) : database_(database) {
        executeOrThrow(database_, kind == writing ? QStringLiteral("BEGIN IMMEDIATE")
                                                  : QStringLiteral("BEGIN"));
    }
    ~Transaction() {
        if (!committed_) {
            QSqlQuery(database_).exec(QStringLiteral("ROLLBACK"));
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit() {
        executeOrThrow(database_, QStringLiteral("COMMIT"));
        committed_ = true;
    }

private:
    QSqlDatabase database_;
    bool committed_ = false;
};

// Qt binds a null QString as SQL's NULL: an empty text is stored as one.
QString emptyIfNull(const QString& value) {
    return value.isNull() ? QStringLiteral("") : value;
}

QVariant orNull(const std::optional<int>& value) {
    return value ? QVariant(*value) : QVariant();
}

// Steps through a query's rows; a step that fails (a damaged page) raises, so that a
// history is never shown in part as if it were whole.
bool nextRow(QSqlQuery& query) {
    if (query.next()) {
        return true;
    }
    if (query.lastError().isValid()) {
        throw SqlFailure{query.lastError()};
    }
    return false;
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
    periodQuery.prepare(
        QStringLiteral("SELECT id, closed_at, slot, player_name, system, coefficient, young,"
                       " rating_before, average, score, performance, new_rating_text, new_rating"
                       " FROM period%1 ORDER BY closed_at, id")
            .arg(where));
    if (slot != 0) {
        periodQuery.addBindValue(slot);
    }
    executeOrThrow(periodQuery);
    std::vector<HistoryPeriod> periods;
    QHash<qint64, std::size_t> indexOfId;
    while (nextRow(periodQuery)) {
        const auto value = [&periodQuery](int column) { return periodQuery.value(column); };
        HistoryPeriod period;
        period.id = checkedInteger(value(0), 1, std::numeric_limits<qint64>::max(), "id");
        period.closedAt = checkedDate(value(1));
        period.slot = static_cast<int>(checkedInteger(value(2), 1, kPlayerCount, "slot"));
        period.playerName = checkedText(value(3), "player_name");
        period.system = static_cast<RatingSystem>(
            checkedInteger(value(4), static_cast<int>(RatingSystem::Elo),
                           static_cast<int>(RatingSystem::Fide2024), "system"));
        period.coefficient = checkedIntegerOrNone(value(5), 10, 40, "coefficient");
        period.young = checkedInteger(value(6), 0, 1, "young") == 1;
        period.ratingBefore =
            checkedIntegerOrNone(value(7), 0, kHighestStoredRating, "rating_before");
        period.average = checkedText(value(8), "average");
        period.score = checkedText(value(9), "score");
        period.performance = checkedText(value(10), "performance");
        period.newRatingText = checkedText(value(11), "new_rating_text");
        period.newRating =
            static_cast<int>(checkedInteger(value(12), 0, kHighestStoredRating, "new_rating"));
        indexOfId.insert(period.id, periods.size());
        periods.push_back(std::move(period));
    }

    QSqlQuery gameQuery(database);
    gameQuery.prepare(
        QStringLiteral(
            "SELECT game.period_id, game.opponent_rating, game.score, game.opponent_name,"
            " game.date, game.event, game.round FROM game JOIN period ON period.id ="
            " game.period_id%1 ORDER BY game.period_id, game.number")
            .arg(where));
    if (slot != 0) {
        gameQuery.addBindValue(slot);
    }
    executeOrThrow(gameQuery);
    while (nextRow(gameQuery)) {
        const auto value = [&gameQuery](int column) { return gameQuery.value(column); };
        HistoryGame game;
        game.entry.opponentRating =
            checkedReal(value(1), 0, kHighestStoredRating, "opponent_rating");
        game.entry.score = checkedReal(value(2), 0, 1, "score");
        if (game.entry.score != kWinScore && game.entry.score != kDrawScore &&
            game.entry.score != kLossScore) {
            throw DamagedValue{QStringLiteral("score : %1").arg(game.entry.score)};
        }
        game.opponentName = checkedText(value(3), "opponent_name");
        game.date = checkedText(value(4), "date");
        game.event = checkedText(value(5), "event");
        game.round = checkedText(value(6), "round");
        const auto period = indexOfId.constFind(gameQuery.value(0).toLongLong());
        if (period != indexOfId.constEnd()) {
            periods[*period].games.push_back(game);
        }
    }
    return periods;
}

std::vector<HistoryPeriod> RatingHistory::periods(int slot) {
    if (!QFileInfo::exists(path_)) {
        return {};
    }
    try {
        QSqlDatabase database = open(Access::reading);
        const Transaction reading(database, Transaction::reading);
        if (checkedVersion(database) == 0) {
            return {};  // no period closed yet
        }
        return readPeriods(database, slot);
    } catch (const SqlFailure& failure) {
        throw FileError(failureText(path_, failure.error));
    } catch (const DamagedValue& damaged) {
        throw FileError(fromUtf8(messages::kHistoryDamaged).arg(fullPath(path_), damaged.what));
    }
}

std::optional<HistoryPeriod> RatingHistory::takeLatest(int slot) {
    if (!QFileInfo::exists(path_)) {
        return std::nullopt;
    }
    try {
        QSqlDatabase database = open(Access::writing);
        bringUpToDate(database);
        Transaction transaction(database);
        std::vector<HistoryPeriod> periods = readPeriods(database, slot);
        if (periods.empty()) {
            return std::nullopt;
        }
        QSqlQuery deletion(database);
        deletion.prepare(QStringLiteral("DELETE FROM period WHERE id = ?"));
        deletion.addBindValue(periods.back().id);
        executeOrThrow(deletion);
        transaction.commit();
        return std::move(periods.back());
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

}  // namespace tavolin
