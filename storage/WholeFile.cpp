// SPDX-License-Identifier: GPL-3.0-or-later
#include "WholeFile.h"

#include <QSaveFile>

#include "FileError.h"
#include "FileFailure.h"

namespace tavolin {

void writeWholeFile(const QString& path, const QByteArray& contents,
                    WithoutTemporaryFile withoutTemporaryFile,
                    const std::function<void()>& beforeReplace) {
    QSaveFile file(path);
    file.setDirectWriteFallback(withoutTemporaryFile == WithoutTemporaryFile::writeInPlace);
    if (!file.open(QIODevice::WriteOnly)) {
        throw FileError(cannotWriteText(path));
    }
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        throw FileError(cannotWriteText(path));
    }
    if (beforeReplace) {
        beforeReplace();
    }
    if (!file.commit()) {
        throw FileError(cannotWriteText(path));
    }
}

}  // namespace tavolin
