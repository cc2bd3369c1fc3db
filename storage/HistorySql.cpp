// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistorySql.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include "FileFailure.h"
#include "SqliteFunctions.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

// SQLite's own words, or Qt's when SQLite gave none, as the detail after a French sentence.
QString detailOf(const QSqlError& error) {
    const QString database = error.databaseText().trimmed();
    return database.isEmpty() ? error.driverText().trimmed() : database;
}

}  // namespace

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

bool nextRow(QSqlQuery& query) {
    if (query.next()) {
        return true;
    }
    if (query.lastError().isValid()) {
        throw SqlFailure{query.lastError()};
    }
    return false;
}

QString failureText(const QString& path, const QSqlError& error) {
    return failureText(
        path, error, {messages::kHistoryBusy, messages::kHistoryDamaged, messages::kHistoryFailed});
}

QString failureText(const QString& path, const QSqlError& error, const SqlFailureTexts& texts) {
    // SQLite's primary result code, as Qt's driver passes it on.
    const int code = error.nativeErrorCode().toInt() & 0xff;
    const QString file = fullPath(path);
    switch (code) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return fromUtf8(texts.busy).arg(file);
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return fromUtf8(texts.damaged).arg(file, detailOf(error));
        // The file system's reason, in French: access refused, disk full…
        case SQLITE_FULL:  // SQLite knows: no need to guess from the free space
            return fromUtf8(messages::kCannotWrite).arg(file, fromUtf8(messages::kReasonDiskFull));
        case SQLITE_READONLY:
        case SQLITE_IOERR:
        case SQLITE_CANTOPEN:
            return cannotWriteText(path);
        default:
            return fromUtf8(texts.failed).arg(file, detailOf(error));
    }
}

void hardenConnection(const QSqlDatabase& database) {
    const QVariant handle = database.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        if (sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData())) {
            sqliteFunctions().sqlite3_db_config(connection, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
            sqliteFunctions().sqlite3_db_config(connection, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0,
                                                nullptr);
        }
    }
    executeOrThrow(database, QStringLiteral("PRAGMA trusted_schema = OFF"));
    executeOrThrow(database, QStringLiteral("PRAGMA foreign_keys = ON"));
}

Transaction::Transaction(const QSqlDatabase& database, Kind kind) : database_(database) {
    executeOrThrow(database_,
                   kind == writing ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
}

Transaction::~Transaction() {
    if (!committed_) {
        QSqlQuery(database_).exec(QStringLiteral("ROLLBACK"));
    }
}

void Transaction::commit() {
    executeOrThrow(database_, QStringLiteral("COMMIT"));
    committed_ = true;
}

}  // namespace tavolin
