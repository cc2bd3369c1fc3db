// SPDX-License-Identifier: GPL-3.0-or-later
// Libraries loaded at their first use: every function the program calls is found, and a
// library or function that is not there is told, never called.
#include "OnDemandLibrary.h"

#include <gtest/gtest.h>

#include "ArchiveFunctions.h"
#include "FileError.h"
#include "SqliteFunctions.h"

namespace tavolin {
namespace {

TEST(OnDemandLibraryTest, EveryFunctionTheProgramCallsIsFound) {
    const ArchiveFunctions& archive = archiveFunctions();
#define TAVOLIN_EXPECT_FOUND(name) EXPECT_NE(archive.name, nullptr) << #name;
    TAVOLIN_ARCHIVE_FUNCTIONS(TAVOLIN_EXPECT_FOUND)
#undef TAVOLIN_EXPECT_FOUND
    const SqliteFunctions& sqlite = sqliteFunctions();
#define TAVOLIN_EXPECT_FOUND(name) EXPECT_NE(sqlite.name, nullptr) << #name;
    TAVOLIN_SQLITE_FUNCTIONS(TAVOLIN_EXPECT_FOUND)
#undef TAVOLIN_EXPECT_FOUND
    // The very library's functions: its version as its header gives it.
    EXPECT_EQ(archive.archive_read_free(archive.archive_read_new()), ARCHIVE_OK);
}

TEST(OnDemandLibraryTest, AMissingLibraryOrFunctionIsToldByName) {
    try {
        OnDemandLibrary missing("libtavolin-none.so.1");
        FAIL() << "a missing library was opened";
    } catch (const FileError& error) {
        EXPECT_TRUE(
            QString::fromUtf8(error.what())
                .startsWith("Impossible de charger la bibliothèque libtavolin-none.so.1 : "))
            << error.what();
    }
    const OnDemandLibrary archive("libarchive.so.13");
    EXPECT_NE(archive.function("archive_version_number"), nullptr);
    try {
        archive.function("archive_tavolin_none");
        FAIL() << "a missing function was found";
    } catch (const FileError& error) {
        EXPECT_NE(QString::fromUtf8(error.what()).indexOf("archive_tavolin_none"), -1)
            << error.what();
    }
}

}  // namespace
}  // namespace tavolin
