// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveFunctions.h"

#include "OnDemandLibrary.h"

namespace tavolin {

// The library's name carries its interface's version, 13 for libarchive 3.
static_assert(ARCHIVE_VERSION_NUMBER / 1000000 == 3);
constexpr const char* kArchiveLibrary = "libarchive.so.13";

const ArchiveFunctions& archiveFunctions() {
    // A failed loading throws and is tried again at the next call.
    static const ArchiveFunctions functions = [] {
        static const OnDemandLibrary library(kArchiveLibrary);
        ArchiveFunctions taken{};
#define TAVOLIN_TAKE_FUNCTION(name) taken.name = library.typed<decltype(&::name)>(#name);
        TAVOLIN_ARCHIVE_FUNCTIONS(TAVOLIN_TAKE_FUNCTION)
#undef TAVOLIN_TAKE_FUNCTION
        return taken;
    }();
    return functions;
}

}  // namespace tavolin
