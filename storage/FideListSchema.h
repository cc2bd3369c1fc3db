// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace tavolin {

// The tables of FIDE's list, one step per version as the history's: a file at version n
// (SQLite's user_version, 0 when new) is brought to kFideListVersion by the steps after n.
inline constexpr int kFideListVersion = 2;

const QStringList& fideListSchemaStep(int version);

// A player's row in the index of the names, from the player table's columns: active players
// first, then by standard rating, highest first, then by FIDE ID, which is the low 30 bits.
inline const QString kFideListOrderKey =
    QStringLiteral("((instr(flag, 'i') > 0) << 44) | ((9999 - standard_rating) << 30) | id");
inline constexpr qint64 kFideIdOfOrderKey = (qint64(1) << 30) - 1;

// The file's version, 0 for a database with nothing in it. A file that holds anything else
// than the steps made, or was written by a later version, raises FileError and is left as it
// is; a failing statement raises SqlFailure.
int checkedFideListVersion(const QSqlDatabase& database, const QString& path);

// The error box's text of a failure on the list's file at `path`.
QString fideListFailureText(const QString& path, const QSqlError& error);

}  // namespace tavolin
