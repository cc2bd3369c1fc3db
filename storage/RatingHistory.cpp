// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatingHistory.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "FileError.h"
#include "FileFailure.h"
#include "HistorySchema.h"
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

int userVersion(const QSqlDatabase& database) {
    QSqlQuery query = executeOrThrow(database, QStringLiteral("PRAGMA user_version"));
    return query.next() ? query.value(0).toInt() : 0;
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
            return fromUtf8(messages::kHistoryDamaged).arg(file, error.databaseText());
        // The file system's reason, in French: access refused, disk full…
        case kSqliteFull:  // SQLite knows: no need to guess from the free space
            return fromUtf8(messages::kCannotWrite).arg(file, fromUtf8(messages::kReasonDiskFull));
        case kSqliteReadOnly:
        case kSqliteInputOutput:
        case kSqliteCannotOpen:
            return cannotWriteText(path);
        default:
            return fromUtf8(messages::kHistoryFailed).arg(file, error.text());
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

std::optional<int> intOrNone(const QVariant& value) {
    return value.isNull() ? std::nullopt : std::optional<int>(value.toInt());
}

const QString kClosedAtFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

}  // namespace

RatingHistory::RatingHistory(QString path)
    : path_(std::move(path)),
      connection_(QStringLiteral("tavolin-history-%1").arg(connectionCount.fetchAndAddRelaxed(1))) {
}

RatingHistory::~RatingHistory() {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

QSqlDatabase RatingHistory::open() {
    if (QSqlDatabase::contains(connection_)) {
        return QSqlDatabase::database(connection_);
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        throw FileError(fromUtf8(messages::kHistoryNoDriver).arg(fullPath(path_)));
    }
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    database.setDatabaseName(path_);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    try {
        if (!database.open()) {
            throw SqlFailure{database.lastError()};
        }
        executeOrThrow(database, QStringLiteral("PRAGMA foreign_keys = ON"));
        bringUpToDate(database);
    } catch (...) {
        database.close();
        database = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
        throw;
    }
    return database;
}

void RatingHistory::bringUpToDate(QSqlDatabase& database) {
    if (userVersion(database) == kHistoryVersion) {
        return;
    }
    Transaction transaction(database);
    // Read again under the lock: another program may have brought it up to date meanwhile.
    const int version = userVersion(database);
    if (version > kHistoryVersion) {
        throw FileError(fromUtf8(messages::kHistoryNewer).arg(fullPath(path_)));
    }
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
        QSqlDatabase database = open();
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

std::vector<HistoryPeriod> RatingHistory::periods(int slot) {
    if (!QFileInfo::exists(path_)) {
        return {};
    }
    try {
        QSqlDatabase database = open();
        const Transaction reading(database, Transaction::reading);
        const QString where = slot == 0 ? QString() : QStringLiteral(" WHERE slot = ?");
        QSqlQuery periodQuery(database);
        periodQuery.prepare(
            QStringLiteral(
                "SELECT id, closed_at, slot, player_name, system, coefficient, young,"
                " rating_before, average, score, performance, new_rating_text, new_rating"
                " FROM period%1 ORDER BY closed_at, id")
                .arg(where));
        if (slot != 0) {
            periodQuery.addBindValue(slot);
        }
        executeOrThrow(periodQuery);
        std::vector<HistoryPeriod> periods;
        QHash<qint64, std::size_t> indexOfId;
        while (periodQuery.next()) {
            HistoryPeriod period;
            period.id = periodQuery.value(0).toLongLong();
            period.closedAt =
                QDateTime::fromString(periodQuery.value(1).toString(), kClosedAtFormat);
            period.slot = periodQuery.value(2).toInt();
            period.playerName = periodQuery.value(3).toString();
            period.system = static_cast<RatingSystem>(periodQuery.value(4).toInt());
            period.coefficient = intOrNone(periodQuery.value(5));
            period.young = periodQuery.value(6).toInt() != 0;
            period.ratingBefore = intOrNone(periodQuery.value(7));
            period.average = periodQuery.value(8).toString();
            period.score = periodQuery.value(9).toString();
            period.performance = periodQuery.value(10).toString();
            period.newRatingText = periodQuery.value(11).toString();
            period.newRating = periodQuery.value(12).toInt();
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
        while (gameQuery.next()) {
            HistoryGame game;
            game.entry = {gameQuery.value(1).toDouble(), gameQuery.value(2).toDouble()};
            game.opponentName = gameQuery.value(3).toString();
            game.date = gameQuery.value(4).toString();
            game.event = gameQuery.value(5).toString();
            game.round = gameQuery.value(6).toString();
            const auto period = indexOfId.constFind(gameQuery.value(0).toLongLong());
            if (period != indexOfId.constEnd()) {
                periods[*period].games.push_back(game);
            }
        }
        return periods;
    } catch (const SqlFailure& failure) {
        throw FileError(failureText(path_, failure.error));
    }
}

void RatingHistory::remove(qint64 id) {
    if (!QFileInfo::exists(path_)) {
        return;  // nothing to delete, and no empty history to make
    }
    try {
        QSqlDatabase database = open();
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
