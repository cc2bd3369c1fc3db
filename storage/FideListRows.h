// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "FideList.h"
#include "SqliteStatement.h"

namespace tavolin {

// The player table's columns in the order playerOfRow() reads them.
extern const QString kFideListPlayerColumns;

// A row's player, his numbers checked against what the list can hold; a value beyond raises
// FileError (the list at `path` is damaged), before anything reckons with it.
FideListPlayer playerOfRow(const SqliteStatement& row, const QString& path);

}  // namespace tavolin
