// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadProgressText.h"

#include "ShownText.h"
#include "Utf8.h"

namespace tavolin {

QString megabytesText(qint64 bytes) {
    // Whole tenths, so that 12,45 Mo rounds the same whatever a double makes of it.
    const qint64 tenths = (qMax<qint64>(bytes, 0) + 50'000) / 100'000;
    // The decimal separator is the language's, part of the text.
    return fromUtf8(TAVOLIN_TEXT("DownloadProgressText", "%1,%2 Mo"))
        .arg(tenths / 10)
        .arg(tenths % 10);
}

QString receivedText(qint64 bytesReceived, qint64 bytesTotal) {
    if (bytesTotal < 0) {
        return fromUtf8(TAVOLIN_TEXT("DownloadProgressText", "%1 reçus"))
            .arg(megabytesText(bytesReceived));
    }
    return fromUtf8(TAVOLIN_TEXT("DownloadProgressText", "%1 reçus sur %2"))
        .arg(megabytesText(bytesReceived), megabytesText(bytesTotal));
}

}  // namespace tavolin
