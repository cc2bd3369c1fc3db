#include "PlayerFile.h"

#include <QFile>
#include <QSaveFile>

#include "FileError.h"

namespace tavolin {

namespace {

constexpr qsizetype kFileSize = qsizetype{kPlayerCount} * kRecordSize;

QString failure(const QString& path, const QString& what) {
    return QStringLiteral("%1 : %2").arg(path, what);
}

}  // namespace

QByteArray PlayerFile::readWhole() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileError(failure(path_, file.errorString()));
    }
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw FileError(failure(path_, file.errorString()));
    }
    if (contents.size() < kFileSize) {
        throw FileError(
            failure(path_, QStringLiteral("Read beyond end of file (%1 bytes, %2 needed)")
                               .arg(contents.size())
                               .arg(kFileSize)));
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
        throw FileError(failure(path_, QStringLiteral("No record %1").arg(number)));
    }
    QByteArray contents = readWhole();
    const auto& bytes = record.bytes();
    std::copy(bytes.begin(), bytes.end(), contents.begin() + qsizetype{number - 1} * kRecordSize);

    QSaveFile file(path_);
    // Only for a folder that cannot take a temporary file: the file is then written in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        throw FileError(failure(path_, file.errorString()));
    }
    if (file.write(contents) != contents.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        throw FileError(failure(path_, error));
    }
    if (beforeReplace_) {
        beforeReplace_();
    }
    if (!file.commit()) {
        throw FileError(failure(path_, file.errorString()));
    }
}

}  // namespace tavolin
