// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqliteStatement.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>

#include <sqlite3.h>

#include "HistorySql.h"
#include "SqliteFunctions.h"

namespace tavolin {

SqliteStatement::SqliteStatement(const QSqlDatabase& database, const QString& statement) {
    const QVariant handle = database.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        connection_ = *static_cast<sqlite3* const*>(handle.constData());
    }
    if (connection_ == nullptr) {
        throw SqlFailure{QSqlError(QStringLiteral("no SQLite connection"), QString(),
                                   QSqlError::ConnectionError)};
    }
    const QByteArray text = statement.toUtf8();
    const int code = sqliteFunctions().sqlite3_prepare_v2(
        connection_, text.constData(), static_cast<int>(text.size()), &statement_, nullptr);
    if (code != SQLITE_OK) {
        fail(code);
    }
}

SqliteStatement::~SqliteStatement() {
    sqliteFunctions().sqlite3_finalize(statement_);
}

void SqliteStatement::fail(int code) const {
    throw SqlFailure{QSqlError(QStringLiteral("Unable to fetch row"),
                               QString::fromUtf8(sqliteFunctions().sqlite3_errmsg(connection_)),
                               QSqlError::StatementError, QString::number(code))};
}

void SqliteStatement::bind(int parameter, qint64 value) {
    if (const int code = sqliteFunctions().sqlite3_bind_int64(statement_, parameter, value);
        code != SQLITE_OK) {
        fail(code);
    }
}

void SqliteStatement::bindText(int parameter, std::string_view utf8) {
    const int code = sqliteFunctions().sqlite3_bind_text(
        statement_, parameter, utf8.data(), static_cast<int>(utf8.size()), SQLITE_STATIC);
    if (code != SQLITE_OK) {
        fail(code);
    }
}

void SqliteStatement::bindText(int parameter, const QString& text) {
    const int code = sqliteFunctions().sqlite3_bind_text16(
        statement_, parameter, text.utf16(), static_cast<int>(text.size() * sizeof(QChar)),
        SQLITE_TRANSIENT);
    if (code != SQLITE_OK) {
        fail(code);
    }
}

void SqliteStatement::reset() {
    sqliteFunctions().sqlite3_reset(statement_);
}

bool SqliteStatement::next() {
    const int code = sqliteFunctions().sqlite3_step(statement_);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code != SQLITE_DONE) {
        fail(code);
    }
    return false;
}

int SqliteStatement::kind(int column) const {
    return sqliteFunctions().sqlite3_column_type(statement_, column);
}

qint64 SqliteStatement::integer(int column) const {
    return sqliteFunctions().sqlite3_column_int64(statement_, column);
}

double SqliteStatement::real(int column) const {
    return sqliteFunctions().sqlite3_column_double(statement_, column);
}

QString SqliteStatement::text(int column) const {
    const void* characters = sqliteFunctions().sqlite3_column_text16(statement_, column);
    const int bytes = sqliteFunctions().sqlite3_column_bytes16(statement_, column);
    return QString(static_cast<const QChar*>(characters), bytes / static_cast<int>(sizeof(QChar)));
}

}  // namespace tavolin
