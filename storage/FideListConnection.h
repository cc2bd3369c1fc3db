// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>

namespace tavolin {

// Qt's connection to the file of FIDE's list, under a name of its own, hardened as the
// history's, closed and removed with the object. Reading opens the file read-only: it never
// creates it. Opening raises SqlFailure, or FileError without Qt's SQLite driver.
class FideListConnection {
public:
    enum class Access { reading, writing };
    FideListConnection(const QString& path, Access access);
    ~FideListConnection();
    FideListConnection(const FideListConnection&) = delete;
    FideListConnection& operator=(const FideListConnection&) = delete;

    const QSqlDatabase& database() const { return database_; }

private:
    QString name_;
    QSqlDatabase database_;
};

}  // namespace tavolin
