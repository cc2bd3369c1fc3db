// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "FideList.h"
#include "FideListReader.h"
#include "FideListSource.h"

namespace tavolin {

// Reads the list as readFideListFile does, but unzips and cuts its lines on a thread of its
// own, some thousands of players ahead: the caller's thread, which stores them, no longer
// waits for the reading. `handle` and `progress` run on the caller's thread, in the order the
// reading gave them. A stop asked by `progress`, and a failure of `handle`, end the reading
// thread before this returns; a failure of the reading (FileError) is raised here.
FideListReading readFideListFileAhead(const QString& path,
                                      const FideListReader::PlayerHandler& handle,
                                      const FideListProgress& progress);

}  // namespace tavolin
