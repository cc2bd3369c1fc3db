// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListConnection.h"

#include <QAtomicInt>
#include <QSqlError>

#include "FileError.h"
#include "FileFailure.h"
#include "HistorySql.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

// As long as the history waits for another program's transaction.
constexpr int kBusyTimeoutMs = 1000;

QAtomicInt connectionCount;

}  // namespace

FideListConnection::FideListConnection(const QString& path, Access access)
    : name_(QStringLiteral("tavolin-fide-list-%1").arg(connectionCount.fetchAndAddRelaxed(1))) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        throw FileError(fromUtf8(messages::kFideListNoDriver).arg(fullPath(path)));
    }
    database_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    database_.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    if (access == Access::reading) {
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    }
    database_.setConnectOptions(options);
    try {
        if (!database_.open()) {
            throw SqlFailure{database_.lastError()};
        }
        hardenConnection(database_);
    } catch (...) {
        database_.close();
        database_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
        throw;
    }
}

FideListConnection::~FideListConnection() {
    database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

}  // namespace tavolin
