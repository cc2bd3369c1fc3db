// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgnFile.h"

#include <QFile>
#include <QFileInfo>
#include <array>

#include "FileFailure.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

QString readPgnFile(const QString& path, PgnReader& reader,
                    const std::function<bool(qint64 read, qint64 size)>& progress) {
    QFile file(path);
    // A device or a pipe might never end (/dev/zero) or never answer: only regular files.
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isFile()) {
        return fromUtf8(messages::kCannotRead)
            .arg(fullPath(path), fromUtf8(messages::kReasonNotRegularFile));
    }
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        return cannotReadText(path);
    }
    const qint64 size = file.size();
    std::array<char, 64 * 1024> buffer;
    qint64 total = 0;
    for (;;) {
        const qint64 count = file.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (count < 0) {
            return cannotReadText(path);
        }
        if (count == 0) {
            break;
        }
        reader.feed({buffer.data(), static_cast<std::size_t>(count)});
        total += count;
        if (progress && !progress(total, size)) {
            return {};
        }
    }
    reader.finish();
    return {};
}

}  // namespace tavolin
