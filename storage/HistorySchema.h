// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace tavolin {

// The history's tables, one step per version: a history at version n (SQLite's
// user_version, 0 when new) is brought to kHistoryVersion by the steps n + 1 onwards.
inline constexpr int kHistoryVersion = 2;

// The statements of step `version`, 1 to kHistoryVersion.
const QStringList& historySchemaStep(int version);

}  // namespace tavolin
