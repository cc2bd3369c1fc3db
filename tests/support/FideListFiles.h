// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <ctime>
#include <string>
#include <vector>

#include "PlayerFiles.h"  // writeFile

namespace tavolin::testing {

// A member of a zip made for a test.
struct ZipMember {
    std::string name;
    std::string contents;
    std::time_t modified = 1'790'000'000;  // 2026-09-21
};

// Writes a zip of `members`, deflated, with libarchive's writer.
inline void writeZip(const QString& path, const std::vector<ZipMember>& members) {
    archive* zip = archive_write_new();
    ASSERT_EQ(archive_write_set_format_zip(zip), ARCHIVE_OK);
    ASSERT_EQ(archive_write_open_filename(zip, QFile::encodeName(path).constData()), ARCHIVE_OK);
    for (const ZipMember& member : members) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, member.name.c_str());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(member.contents.size()));
        archive_entry_set_mtime(entry, member.modified, 0);
        ASSERT_EQ(archive_write_header(zip, entry), ARCHIVE_OK);
        ASSERT_EQ(archive_write_data(zip, member.contents.data(), member.contents.size()),
                  static_cast<la_ssize_t>(member.contents.size()));
        archive_entry_free(entry);
    }
    ASSERT_EQ(archive_write_close(zip), ARCHIVE_OK);
    archive_write_free(zip);
}

inline QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace tavolin::testing
