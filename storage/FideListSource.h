// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>

#include "FideList.h"
#include "FideListReader.h"

namespace tavolin {

// What reading a list file gave.
struct FideListReading {
    bool stopped = false;  // the progress asked to stop
    std::size_t players = 0;
    std::size_t damagedLines = 0;
    // The list's month, "2026-10": from the header of a list of one rating, else the date of
    // the zip's member or of the text file.
    QString month;
};

// Reads FIDE's list from `path` and hands each player to `handle`: a zip is read as a stream
// (never unpacked to disk), the first of its .txt members that starts with the list's header
// being the list; any other file must be the list's text itself. Raises FileError with the
// error box's text for a file that is no list, a damaged or cut zip, a line far too long.
FideListReading readFideListFile(const QString& path, const FideListReader::PlayerHandler& handle,
                                 const FideListProgress& progress);

}  // namespace tavolin
