// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileFailure.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

std::string_view readReason(const QFileInfo& file) {
    if (!file.exists()) {
        return messages::kReasonNotFound;
    }
    if (file.isDir()) {
        return messages::kReasonIsFolder;
    }
    if (!file.isReadable()) {
        return messages::kReasonAccessDenied;
    }
    return messages::kReasonReadError;
}

std::string_view writeReason(const QFileInfo& file) {
    const QFileInfo folder(file.absolutePath());
    if (file.isDir()) {
        return messages::kReasonIsFolder;
    }
    if (!folder.isDir()) {
        return messages::kReasonFolderNotFound;
    }
    if (file.exists() ? !file.isWritable() : !folder.isWritable()) {
        return messages::kReasonAccessDenied;
    }
    if (QStorageInfo(folder.absoluteFilePath()).bytesAvailable() == 0) {
        return messages::kReasonDiskFull;
    }
    return messages::kReasonWriteError;
}

}  // namespace

QString fullPath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString cannotReadText(const QString& path) {
    const QFileInfo file(path);
    return fromUtf8(messages::kCannotRead).arg(fullPath(path), fromUtf8(readReason(file)));
}

QString cannotWriteText(const QString& path) {
    const QFileInfo file(path);
    return fromUtf8(messages::kCannotWrite).arg(fullPath(path), fromUtf8(writeReason(file)));
}

}  // namespace tavolin
