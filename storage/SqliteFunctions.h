// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sqlite3.h>

#include "OnDemandLibrary.h"

namespace tavolin {

// The functions of SQLite the program calls itself, on connections Qt's driver opened:
// taken from the library the driver loaded, at the first use, so that the program's start
// does not load it.
#define TAVOLIN_SQLITE_FUNCTIONS(take)                                                            \
    take(sqlite3_prepare_v2) take(sqlite3_finalize) take(sqlite3_errmsg) take(sqlite3_bind_int64) \
        take(sqlite3_bind_text) take(sqlite3_bind_text16) take(sqlite3_reset) take(sqlite3_step)  \
            take(sqlite3_column_type) take(sqlite3_column_int64) take(sqlite3_column_double)      \
                take(sqlite3_column_text16) take(sqlite3_column_bytes16)                          \
                    take(sqlite3_progress_handler) take(sqlite3_db_config)

struct SqliteFunctions {
    TAVOLIN_SQLITE_FUNCTIONS(TAVOLIN_FUNCTION_POINTER)
};

// SQLite's functions, the library loaded at the first call; FileError when it cannot be.
const SqliteFunctions& sqliteFunctions();

}  // namespace tavolin
