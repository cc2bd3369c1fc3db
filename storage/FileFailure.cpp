// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileFailure.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

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

// A file is replaced through a temporary file beside it: the folder must take one too.
std::string_view writeReason(const QFileInfo& file, qint64 bytesToWrite) {
    const QFileInfo folder(file.absolutePath());
    if (file.isDir()) {
        return messages::kReasonIsFolder;
    }
    if (!folder.isDir()) {
        return messages::kReasonFolderNotFound;
    }
    if ((file.exists() && !file.isWritable()) || !folder.isWritable()) {
        return messages::kReasonAccessDenied;
    }
    // The file system takes whole blocks: a write fails before the last byte is free.
    const QStorageInfo storage(folder.absoluteFilePath());
    const qint64 block = std::max(storage.blockSize(), 4096);
    if (storage.bytesAvailable() < bytesToWrite + 2 * block) {
        return messages::kReasonDiskFull;
    }
    return messages::kReasonWriteError;
}

}  // namespace

QString fullPath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString cannotReadText(const QString& path) {
    return QString::fromUtf8(cannotReadError(path).what());
}

FileError cannotReadError(const QString& path) {
    const QString reason = fromUtf8(readReason(QFileInfo(path)));
    return FileError(fromUtf8(messages::kCannotRead).arg(fullPath(path), reason), reason);
}

QString cannotWriteText(const QString& path) {
    return QString::fromUtf8(cannotWriteError(path, 0).what());
}

FileError cannotWriteError(const QString& path, qint64 bytesToWrite) {
    const QString reason = fromUtf8(writeReason(QFileInfo(path), bytesToWrite));
    return FileError(fromUtf8(messages::kCannotWrite).arg(fullPath(path), reason), reason);
}

}  // namespace tavolin
