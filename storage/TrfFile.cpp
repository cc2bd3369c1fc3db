// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrfFile.h"

#include <QFile>
#include <QFileInfo>

#include "FileFailure.h"
#include "TrfDetection.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

// Enough for the blank lines and the header a pairing program may write before a record.
constexpr qint64 kBytesLookedAt = 4096;

}  // namespace

QString readTrfFile(const QString& path, QByteArray& bytes) {
    bytes.clear();
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isFile()) {
        return fromUtf8(messages::kCannotRead)
            .arg(fullPath(path), fromUtf8(messages::kReasonNotRegularFile));
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        return cannotReadText(path);
    }
    if (file.size() > kTrfLargestFile) {
        return fromUtf8(messages::kTrfTooLarge)
            .arg(fullPath(path), QString::number(kTrfLargestFile / (1024 * 1024)));
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return cannotReadText(path);
    }
    return {};
}

bool isTrfFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Unreadable: the extension decides which dialog tells it.
        return info.suffix().compare(QStringLiteral("trf"), Qt::CaseInsensitive) == 0;
    }
    const QByteArray head = file.read(kBytesLookedAt);
    return looksLikeTrf({head.constData(), static_cast<std::size_t>(head.size())});
}

}  // namespace tavolin
