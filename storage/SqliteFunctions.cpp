// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqliteFunctions.h"

namespace tavolin {

// The library's name is the one of SQLite 3 on every version; Qt's driver loads that one.
static_assert(SQLITE_VERSION_NUMBER / 1000000 == 3);
constexpr const char* kSqliteLibrary = "libsqlite3.so.0";

const SqliteFunctions& sqliteFunctions() {
    return functionsOnDemand<SqliteFunctions>(
        kSqliteLibrary, [](const OnDemandLibrary& library, SqliteFunctions& taken) {
            TAVOLIN_SQLITE_FUNCTIONS(TAVOLIN_TAKE_FUNCTION)
        });
}

}  // namespace tavolin
