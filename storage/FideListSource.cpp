// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListSource.h"

#include <archive.h>
#include <archive_entry.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include "ArchiveFunctions.h"
#include "FileError.h"
#include "FileFailure.h"
#include "ShownText.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

constexpr qint64 kTextChunk = 1 << 20;

QString monthOf(const QDateTime& date) {
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM")) : QString();
}

// The list of one rating says which in its file's name.
FideListKind kindOfName(const QString& name) {
    const QString lower = QFileInfo(name).fileName().toLower();
    if (lower.contains(QLatin1String("rapid"))) {
        return FideListKind::rapid;
    }
    if (lower.contains(QLatin1String("blitz"))) {
        return FideListKind::blitz;
    }
    return FideListKind::standard;
}

[[noreturn]] void failWith(std::string_view message, const QString& path) {
    throw FileError(fromUtf8(message).arg(fullPath(path)));
}

// A list whose reading failed after its header: the line that ended it is too long.
[[noreturn]] void failLineTooLong(const FideListReader& reader, const QString& path) {
    throw FileError(fromUtf8(messages::kFideListLineTooLong)
                        .arg(fullPath(path), QString::number(reader.failedLine())));
}

void finishReading(FideListReader& reader, const QString& path, FideListReading& reading) {
    if (!reader.finish() && reader.headerRead()) {
        failLineTooLong(reader, path);
    }
    reading.players = reader.playerCount();
    reading.damagedLines = reader.damagedCount();
    if (!reader.layout()->month().empty()) {
        reading.month = QString::fromStdString(reader.layout()->month());
    }
}

FideListReading readText(QFile& file, const QString& path,
                         const FideListReader::PlayerHandler& handle,
                         const FideListProgress& progress) {
    FideListReading reading;
    reading.month = monthOf(QFileInfo(file).lastModified());
    FideListReader reader(handle, kindOfName(path));
    const qint64 total = file.size();
    qint64 done = 0;
    QByteArray chunk(kTextChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 count = file.read(chunk.data(), kTextChunk);
        if (count < 0) {
            throw cannotReadError(path);
        }
        if (count == 0) {
            break;
        }
        done += count;
        if (!reader.read(std::string_view(chunk.constData(), static_cast<std::size_t>(count)))) {
            if (!reader.headerRead()) {
                failWith(messages::kFideListNoHeader, path);
            }
            failLineTooLong(reader, path);
        }
        if (progress && !progress(done, total)) {
            reading.stopped = true;
            return reading;
        }
    }
    if (!reader.finish() && !reader.headerRead()) {
        failWith(messages::kFideListNoHeader, path);
    }
    finishReading(reader, path, reading);
    return reading;
}

struct ArchiveFree {
    void operator()(archive* zip) const { archiveFunctions().archive_read_free(zip); }
};

[[noreturn]] void failZip(archive* zip, const QString& path) {
    const char* words = archiveFunctions().archive_error_string(zip);
    throw FileError(
        fromUtf8(messages::kFideListZipDamaged)
            .arg(fullPath(path), words != nullptr
                                     ? QString::fromUtf8(words)
                                     : fromUtf8(TAVOLIN_TEXT("FideListSource", "zip illisible"))));
}

FideListReading readZip(const QString& path, const FideListReader::PlayerHandler& handle,
                        const FideListProgress& progress) {
    const ArchiveFunctions& libarchive = archiveFunctions();
    const std::unique_ptr<archive, ArchiveFree> zip(libarchive.archive_read_new());
    libarchive.archive_read_support_format_zip_streamable(zip.get());
    if (libarchive.archive_read_open_filename(zip.get(), QFile::encodeName(path).constData(),
                                              1 << 16) != ARCHIVE_OK) {
        failZip(zip.get(), path);
    }
    const qint64 total = QFileInfo(path).size();
    FideListReading reading;
    for (;;) {
        archive_entry* entry = nullptr;
        const int status = libarchive.archive_read_next_header(zip.get(), &entry);
        if (status == ARCHIVE_EOF) {
            failWith(messages::kFideListZipWithoutList, path);
        }
        if (status < ARCHIVE_WARN) {
            failZip(zip.get(), path);
        }
        const QString name =
            QString::fromUtf8(libarchive.archive_entry_pathname_utf8(entry) != nullptr
                                  ? libarchive.archive_entry_pathname_utf8(entry)
                                  : libarchive.archive_entry_pathname(entry));
        if (libarchive.archive_entry_filetype(entry) != AE_IFREG ||
            !name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) {
            continue;
        }
        FideListReader reader(handle, kindOfName(name));
        bool notAList = false;
        for (;;) {
            const void* block = nullptr;
            size_t size = 0;
            la_int64_t offset = 0;
            const int read = libarchive.archive_read_data_block(zip.get(), &block, &size, &offset);
            if (read == ARCHIVE_EOF) {
                break;
            }
            if (read < ARCHIVE_WARN) {
                failZip(zip.get(), path);
            }
            if (!reader.read(std::string_view(static_cast<const char*>(block), size))) {
                if (!reader.headerRead()) {
                    notAList = true;
                    break;
                }
                failLineTooLong(reader, path);
            }
            if (progress && !progress(libarchive.archive_filter_bytes(zip.get(), -1), total)) {
                reading.stopped = true;
                return reading;
            }
        }
        if (notAList || (!reader.finish() && !reader.headerRead())) {
            continue;
        }
        if (libarchive.archive_entry_mtime_is_set(entry)) {
            reading.month =
                monthOf(QDateTime::fromSecsSinceEpoch(libarchive.archive_entry_mtime(entry)));
        }
        finishReading(reader, path, reading);
        return reading;
    }
}

}  // namespace

FideListReading readFideListFile(const QString& path, const FideListReader::PlayerHandler& handle,
                                 const FideListProgress& progress) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        throw cannotReadError(path);
    }
    const QByteArray start = file.peek(4096);
    if (start.startsWith("PK")) {
        file.close();
        return readZip(path, handle, progress);
    }
    // Text has no NUL; a zip's name on a file that is no zip is a damaged download.
    if (start.contains('\0') || path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive)) {
        failWith(messages::kFideListNotZip, path);
    }
    return readText(file, path, handle, progress);
}

}  // namespace tavolin
