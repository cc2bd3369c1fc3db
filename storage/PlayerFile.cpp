// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerFile.h"

#include <QFile>
#include <algorithm>
#include <cstring>

#include "FileError.h"
#include "FileFailure.h"
#include "UserMessages.h"
#include "Utf8.h"
#include "WholeFile.h"

namespace tavolin {

namespace {

constexpr qsizetype kFileSize = qsizetype{kPlayerCount} * kRecordSize;

}  // namespace

QByteArray readPlayerFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw cannotReadError(path);
    }
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw cannotReadError(path);
    }
    return contents;
}

QByteArray PlayerFile::readWhole() const {
    QByteArray contents = readPlayerFileBytes(path_);
    if (contents.size() < kFileSize) {
        throw FileError(fromUtf8(messages::kFileTooShort)
                            .arg(fullPath(path_))
                            .arg(contents.size())
                            .arg(kFileSize));
    }
    return contents;
}

std::array<PlayerRecord, kPlayerCount> PlayerFile::readAll() const {
    const QByteArray contents = readWhole();
    std::array<PlayerRecord, kPlayerCount> records;
    for (int k = 0; k < kPlayerCount; ++k) {
        PlayerRecord::Bytes bytes;
        std::copy_n(contents.constData() + qsizetype{k} * kRecordSize, kRecordSize, bytes.begin());
        records[k] = PlayerRecord(bytes);
    }
    return records;
}

void PlayerFile::writeRecord(int number, const PlayerRecord& record) const {
    if (number < 1 || number > kPlayerCount) {
        throw FileError(fromUtf8(messages::kNoSuchRecord).arg(fullPath(path_)).arg(number));
    }
    QByteArray contents = readWhole();
    const auto& bytes = record.bytes();
    char* const place = contents.data() + qsizetype{number - 1} * kRecordSize;
    if (std::memcmp(place, bytes.data(), bytes.size()) == 0) {
        return;  // a file is written only when it changes
    }
    std::memcpy(place, bytes.data(), bytes.size());

    writeWholeFile(path_, contents, beforeReplace_);
}

}  // namespace tavolin
