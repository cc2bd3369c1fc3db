// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <string_view>

namespace tavolin {

// What the history's readers and writers share over Qt SQL: statements that raise when they
// fail, the failure in the error box's words, and transactions.

// A statement that failed, until it becomes the error box's text.
struct SqlFailure {
    QSqlError error;
};

void executeOrThrow(QSqlQuery& query);
QSqlQuery executeOrThrow(const QSqlDatabase& database, const QString& statement);

// Steps through a query's rows; a step that fails (a damaged page) raises, so that a
// history is never shown in part as if it were whole.
bool nextRow(QSqlQuery& query);

// The error box's text for a failure on the history at `path`: busy, damaged, disk full…
QString failureText(const QString& path, const QSqlError& error);

// How a file other than the history names the same failures: "%1" its path, "%2" SQLite's words.
struct SqlFailureTexts {
    std::string_view busy;
    std::string_view damaged;
    std::string_view failed;
};
QString failureText(const QString& path, const QSqlError& error, const SqlFailureTexts& texts);

// A database file is data, never code: nothing in its schema runs with the program's rights
// (SQLite's defensive mode, untrusted schema), and the foreign keys hold.
void hardenConnection(const QSqlDatabase& database);

// One user action's writes: all of them or none. The write lock is taken at the start, so
// a busy history is told before anything is written. A reading one sees the history as it
// was at its first read, whatever another program writes meanwhile.
class Transaction {
public:
    enum Kind { writing, reading };
    explicit Transaction(const QSqlDatabase& database, Kind kind = writing);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    QSqlDatabase database_;
    bool committed_ = false;
};

}  // namespace tavolin
