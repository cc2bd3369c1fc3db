// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace tavolin {

// Replaces the whole file at `path` with `contents`, or leaves it as it was: the contents
// are written to a temporary file beside it, flushed to the disk, then renamed over it.
// When no temporary file can be made there (a full disk, a folder without rights), nothing
// is written and FileError says why. `beforeReplace` runs once the contents are written,
// just before they replace the file (a test can change the file there).
void writeWholeFile(const QString& path, const QByteArray& contents,
                    const std::function<void()>& beforeReplace = {});

}  // namespace tavolin
