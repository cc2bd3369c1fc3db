// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace tavolin {

// Player names are kept in Windows-1252, one byte a character.

// Characters the code page cannot hold become "?".
QByteArray toWindows1252(QStringView text);

// Whether the code page holds every character of `text`.
bool fitsWindows1252(QStringView text);

// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which the code page leaves undefined, read as the
// control characters of the same number, as Windows reads them.
QString fromWindows1252(QByteArrayView bytes);

}  // namespace tavolin
