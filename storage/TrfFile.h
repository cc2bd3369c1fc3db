// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace tavolin {

// More than any event's report: a larger file is read by no one, whatever it holds.
inline constexpr qint64 kTrfLargestFile = 256 * 1024 * 1024;

// Reads a tournament report whole into `bytes`. Returns the error box's text when the file
// cannot be read (French, full path), empty when it was read. Only regular files: a pipe
// or a device might never end.
QString readTrfFile(const QString& path, QByteArray& bytes);

// Whether the file is a tournament report: by its first bytes, whatever its name, so that a
// report saved as ".txt" is one and a PGN file named ".trf" is not.
bool isTrfFile(const QString& path);

}  // namespace tavolin
