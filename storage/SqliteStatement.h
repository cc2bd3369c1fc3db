// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace tavolin {

// A statement run through SQLite's own interface on a Qt connection, within its transaction,
// for the rows a long history has by the hundred thousand: Qt's driver turns every value of
// every row into a QVariant, which took most of the time of listing one. Failures raise
// SqlFailure as Qt's statements do, in SQLite's words.
class SqliteStatement {
public:
    SqliteStatement(const QSqlDatabase& database, const QString& statement);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    void bind(int parameter, qint64 value);  // from 1, as SQLite counts them
    // A UTF-8 text that the caller keeps until the statement next runs.
    void bindText(int parameter, std::string_view utf8);
    void bindText(int parameter, const QString& text);  // copied
    // Ready to run again, with new values bound.
    void reset();
    // The next row; false after the last. A step that fails (a damaged page) raises.
    bool next();

    // The column's kind: SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB, SQLITE_NULL.
    int kind(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    // A text as Qt's driver reads it (SQLite's own UTF-16).
    QString text(int column) const;

private:
    [[noreturn]] void fail(int code) const;

    sqlite3* connection_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
};

}  // namespace tavolin
