// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavolin {

// The name of the player file, in the current directory.
inline const QString kPlayerFileName = QStringLiteral("tavo.lin");

// Gets the player file ready before any window opens: a read-only mark is cleared (the
// owner may write), a failure there is ignored. Returns whether the file exists.
bool prepareDataFile(const QString& path);

}  // namespace tavolin
