// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <archive.h>
#include <archive_entry.h>

#include "OnDemandLibrary.h"

namespace tavolin {

// The functions of libarchive the program calls, taken from the library at the first use:
// the program's start does not load it.
#define TAVOLIN_ARCHIVE_FUNCTIONS(take)                                                   \
    take(archive_read_new) take(archive_read_free) take(archive_error_string)             \
        take(archive_read_support_format_zip_streamable) take(archive_read_open_filename) \
            take(archive_read_next_header) take(archive_read_data_block)                  \
                take(archive_filter_bytes) take(archive_entry_pathname_utf8)              \
                    take(archive_entry_pathname) take(archive_entry_filetype)             \
                        take(archive_entry_mtime_is_set) take(archive_entry_mtime)

struct ArchiveFunctions {
    TAVOLIN_ARCHIVE_FUNCTIONS(TAVOLIN_FUNCTION_POINTER)
};

// libarchive's functions, the library loaded at the first call; FileError when it cannot be.
const ArchiveFunctions& archiveFunctions();

}  // namespace tavolin
