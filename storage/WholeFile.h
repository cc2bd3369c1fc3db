// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace tavolin {

// What a save does when the file's folder cannot take a temporary file beside it.
enum class WithoutTemporaryFile { fail, writeInPlace };

// Replaces the whole file at `path` with `contents`: written to a temporary file beside it,
// which then takes its place. Throws FileError with the reason when it cannot, the file
// as it was. `beforeReplace` runs once the contents are written, just before they replace
// the file (a test can change the file there).
void writeWholeFile(const QString& path, const QByteArray& contents,
                    WithoutTemporaryFile withoutTemporaryFile,
                    const std::function<void()>& beforeReplace = {});

}  // namespace tavolin
