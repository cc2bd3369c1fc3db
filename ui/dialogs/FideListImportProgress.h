// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "FideList.h"

class QWidget;

namespace tavolin {

// Imports FIDE's list from `file` into the database at `listPath` under a progress window
// with a stop button, the window answering meanwhile; none when stopped. Bad input raises
// FileError, the old list kept whole.
std::optional<FideListSummary> importFideListShowingProgress(QWidget* parent,
                                                             const QString& listPath,
                                                             const QString& file,
                                                             const QString& lastModified = {});

}  // namespace tavolin
