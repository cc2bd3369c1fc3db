// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace tavolin::testing {

// A second program's connection to the same file, closed with the object.
class OtherConnection {
public:
    explicit OtherConnection(const QString& path) {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", kName);
        database.setDatabaseName(path);
        EXPECT_TRUE(database.open());
    }
    ~OtherConnection() {
        QSqlDatabase::database(kName, false).close();
        QSqlDatabase::removeDatabase(kName);
    }
    OtherConnection(const OtherConnection&) = delete;
    OtherConnection& operator=(const OtherConnection&) = delete;

    QSqlQuery run(const QString& statement) {
        QSqlQuery query(QSqlDatabase::database(kName));
        EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
        return query;
    }
    int number(const QString& statement) {
        QSqlQuery query = run(statement);
        return query.next() ? query.value(0).toInt() : -1;
    }

private:
    static constexpr const char* kName = "other-program";
};

}  // namespace tavolin::testing
