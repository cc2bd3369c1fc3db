// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace tavolin {

// The tables of FIDE's list, one step per version as the history's: a file at version n
// (SQLite's user_version, 0 when new) is brought to kFideListVersion by the steps after n.
inline constexpr int kFideListVersion = 1;

const QStringList& fideListSchemaStep(int version);

// The file's version, 0 for a database with nothing in it. A file that holds anything else
// than the steps made, or was written by a later version, raises FileError and is left as it
// is; a failing statement raises SqlFailure.
int checkedFideListVersion(const QSqlDatabase& database, const QString& path);

// The error box's text of a failure on the list's file at `path`.
QString fideListFailureText(const QString& path, const QSqlError& error);

}  // namespace tavolin
