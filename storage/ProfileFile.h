// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tavolin {

// A profile (INI) file: "[section]" lines followed by "key=value" lines, after a UTF-8
// byte-order mark or not. Reading never fails (a missing or unreadable file reads as empty).
// Writing changes one value and leaves every other byte of the file as it was: other sections,
// comments, unknown keys, blank lines and the file's line ends. Section and key names compare
// without regard to case.
class ProfileFile {
public:
    explicit ProfileFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // The value as an integer: decimal, or hexadecimal after "0x", "0X" or "$", with an
    // optional sign. A missing key, an empty value or anything else gives `fallback`.
    int readInteger(const QString& section, const QString& key, int fallback) const;

    // The value's text, blanks around it removed; nothing when the key is missing.
    std::optional<QByteArray> readValue(const QString& section, const QString& key) const;

    // Replaces the key's value in place, or appends the key at the end of its section, or
    // the section at the end of the file; creates the file when missing. The file is
    // replaced whole and at once. Raises FileError (cannotReadText) for a file that exists
    // but cannot be read, leaving it as it is, and FileError (cannotWriteText).
    void writeValue(const QString& section, const QString& key, const QByteArray& value) const;

private:
    QString path_;
};

// An integer written as a profile file holds it; nothing for any other text.
std::optional<int> parseProfileInteger(QByteArrayView text);

}  // namespace tavolin
