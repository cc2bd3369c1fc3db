// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveFunctions.h"

namespace tavolin {

// The library's name carries its interface's version, 13 for libarchive 3.
static_assert(ARCHIVE_VERSION_NUMBER / 1000000 == 3);
constexpr const char* kArchiveLibrary = "libarchive.so.13";

const ArchiveFunctions& archiveFunctions() {
    return functionsOnDemand<ArchiveFunctions>(
        kArchiveLibrary, [](const OnDemandLibrary& library, ArchiveFunctions& taken) {
            TAVOLIN_ARCHIVE_FUNCTIONS(TAVOLIN_TAKE_FUNCTION)
        });
}

}  // namespace tavolin
