// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

#include "PgnReader.h"

namespace tavolin {

// Reads a PGN file through `reader`, 64 KiB at a time, whatever its size. `progress` gets
// the bytes read and the file's size after each piece, and stops the reading by returning
// false. Returns the error box's text when the file cannot be read (French, full path),
// empty when it was read, whole or up to some damage (`reader.truncated()` then says so)
// or until stopped.
QString readPgnFile(const QString& path, PgnReader& reader,
                    const std::function<bool(qint64 read, qint64 size)>& progress = {});

}  // namespace tavolin
