// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavolin {

// The texts of the error box for a file that could not be read or written: in French, with
// the file's full path and the reason, worked out from the file system as it stands just
// after the failure ("Impossible d'écrire dans /home/anna/tavo.lin : accès refusé.").
QString cannotReadText(const QString& path);
QString cannotWriteText(const QString& path);

// A file's full path, as messages name it.
QString fullPath(const QString& path);

}  // namespace tavolin
