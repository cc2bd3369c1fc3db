// SPDX-License-Identifier: GPL-3.0-or-later
#include "WholeFile.h"

#include <QSaveFile>

#include "FileError.h"
#include "FileFailure.h"

namespace tavolin {

void writeWholeFile(const QString& path, const QByteArray& contents,
                    const std::function<void()>& beforeReplace) {
    QSaveFile file(path);
    // Never in place: a write that fails halfway would leave the file cut short or empty.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        throw cannotWriteError(path, contents.size());
    }
    if (file.write(contents) != contents.size() || !file.flush()) {
        file.cancelWriting();
        throw cannotWriteError(path, contents.size());
    }
    if (beforeReplace) {
        beforeReplace();
    }
    // commit() syncs the temporary file to the disk before it takes the file's name.
    if (!file.commit()) {
        throw cannotWriteError(path, contents.size());
    }
}

}  // namespace tavolin
