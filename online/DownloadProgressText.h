// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace tavolin {

// What a download has received, in megabytes (10^6 bytes) to the tenth with a French decimal
// comma: "12,4 Mo reçus sur 44,7 Mo", or "12,4 Mo reçus" while the size is unknown (negative).
QString receivedText(qint64 bytesReceived, qint64 bytesTotal);

// A size in megabytes to the tenth, rounded half up: "44,7 Mo".
QString megabytesText(qint64 bytes);

}  // namespace tavolin
