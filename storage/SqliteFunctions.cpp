// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqliteFunctions.h"

#include "OnDemandLibrary.h"

namespace tavolin {

// The library's name is the one of SQLite 3 on every version; Qt's driver loads that one.
static_assert(SQLITE_VERSION_NUMBER / 1000000 == 3);
constexpr const char* kSqliteLibrary = "libsqlite3.so.0";

const SqliteFunctions& sqliteFunctions() {
    // A failed loading throws and is tried again at the next call.
    static const SqliteFunctions functions = [] {
        static const OnDemandLibrary library(kSqliteLibrary);
        SqliteFunctions taken{};
#define TAVOLIN_TAKE_FUNCTION(name) taken.name = library.typed<decltype(&::name)>(#name);
        TAVOLIN_SQLITE_FUNCTIONS(TAVOLIN_TAKE_FUNCTION)
#undef TAVOLIN_TAKE_FUNCTION
        return taken;
    }();
    return functions;
}

}  // namespace tavolin
