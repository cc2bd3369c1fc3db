// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "FileError.h"

namespace tavolin {

// The texts of the error box for a file that could not be read or written: in French, with
// the file's full path and the reason, worked out from the file system as it stands just
// after the failure ("Impossible d'écrire dans /home/anna/tavo.lin : accès refusé.").
QString cannotReadText(const QString& path);
QString cannotWriteText(const QString& path);

// The error of a file that could not be read.
FileError cannotReadError(const QString& path);
// The error of a file that could not be written with `bytesToWrite` bytes: the disk is
// full when the folder has less room than they need.
FileError cannotWriteError(const QString& path, qint64 bytesToWrite);

// A file's full path, as messages name it.
QString fullPath(const QString& path);

}  // namespace tavolin
