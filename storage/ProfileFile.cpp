// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <algorithm>
#include <limits>

#include "FileError.h"
#include "FileFailure.h"
#include "UserMessages.h"
#include "Utf8.h"
#include "WholeFile.h"

namespace tavolin {

namespace {

// One line of the file, its end ("\r\n", "\n" or none for a last line without one) kept.
struct Line {
    QByteArray text;
    QByteArray end;
};

QList<Line> splitLines(const QByteArray& contents) {
    QList<Line> lines;
    qsizetype start = 0;
    while (start < contents.size()) {
        const qsizetype newline = contents.indexOf('\n', start);
        if (newline < 0) {
            lines.append({contents.mid(start), {}});
            break;
        }
        const bool crlf = newline > start && contents[newline - 1] == '\r';
        const qsizetype textEnd = crlf ? newline - 1 : newline;
        lines.append({contents.mid(start, textEnd - start), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
    return lines;
}

QByteArray joinLines(const QList<Line>& lines) {
    QByteArray contents;
    for (const Line& line : lines) {
        contents += line.text + line.end;
    }
    return contents;
}

// The section a "[name]" line opens, or nothing for any other line.
std::optional<QByteArray> sectionName(const QByteArray& text) {
    const QByteArray trimmed = text.trimmed();
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    }
    return std::nullopt;
}

bool isComment(const QByteArray& text) {
    const QByteArray trimmed = text.trimmed();
    return trimmed.startsWith(';') || trimmed.startsWith('#');
}

// The key of a "key=value" line, or nothing.
std::optional<QByteArray> keyName(const QByteArray& text) {
    const qsizetype equals = text.indexOf('=');
    if (equals < 0 || isComment(text)) {
        return std::nullopt;
    }
    return text.left(equals).trimmed();
}

bool sameName(const QByteArray& a, const QString& b) {
    return QString::fromUtf8(a).compare(b, Qt::CaseInsensitive) == 0;
}

// Where a section's lines are: the header line and the line after its last line.
struct SectionPlace {
    qsizetype header = -1;
    qsizetype end = -1;
};

SectionPlace findSection(const QList<Line>& lines, const QString& section) {
    SectionPlace place;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (const auto name = sectionName(lines[k].text)) {
            if (place.header >= 0) {
                place.end = k;
                return place;
            }
            if (sameName(*name, section)) {
                place.header = k;
            }
        }
    }
    if (place.header >= 0) {
        place.end = lines.size();
    }
    return place;
}

qsizetype findKey(const QList<Line>& lines, SectionPlace place, const QString& key) {
    for (qsizetype k = place.header + 1; k < place.end; ++k) {
        if (const auto name = keyName(lines[k].text); name && sameName(*name, key)) {
            return k;
        }
    }
    return -1;
}

constexpr QByteArrayView kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The file's lines, and the byte-order mark some editors put before the first one.
struct Contents {
    QByteArray byteOrderMark;
    QList<Line> lines;
};

enum class WhenUnreadable { ReadAsEmpty, Fail };

// A missing file is empty. One that exists but cannot be read is empty for the reader of a
// switch, but never for a writer: writing it back from nothing would lose every other line.
Contents readContents(const QString& path, WhenUnreadable whenUnreadable) {
    QFile file(path);
    QByteArray bytes;
    if (file.exists()) {
        const bool read = file.open(QIODevice::ReadOnly) &&
                          (bytes = file.readAll(), file.error() == QFileDevice::NoError);
        if (!read) {
            if (whenUnreadable == WhenUnreadable::Fail) {
                throw cannotReadError(path);
            }
            bytes.clear();
        }
    }
    Contents contents;
    if (bytes.startsWith(kUtf8ByteOrderMark)) {
        contents.byteOrderMark = bytes.left(kUtf8ByteOrderMark.size());
        bytes.remove(0, kUtf8ByteOrderMark.size());
    }
    contents.lines = splitLines(bytes);
    return contents;
}

// The line end new lines get: the file's own, or "\n" for a file that has none.
QByteArray lineEndOf(const QList<Line>& lines) {
    for (const Line& line : lines) {
        if (!line.end.isEmpty()) {
            return line.end;
        }
    }
    return "\n";
}

}  // namespace

std::optional<int> parseProfileInteger(QByteArrayView text) {
    QByteArray digits = text.toByteArray().trimmed();
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits = digits.mid(1);
    }
    int base = 10;
    if (digits.startsWith("0x") || digits.startsWith("0X")) {
        base = 16;
        digits = digits.mid(2);
    } else if (digits.startsWith("$")) {
        base = 16;
        digits = digits.mid(1);
    }
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong magnitude = digits.toLongLong(&ok, base);
    // toLongLong accepts a sign and blanks of its own; the digits alone are wanted here.
    const bool onlyDigits = std::all_of(digits.begin(), digits.end(), [base](char c) {
        return (c >= '0' && c <= '9') ||
               (base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
    });
    if (!ok || !onlyDigits) {
        return std::nullopt;
    }
    const qlonglong value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<QByteArray> ProfileFile::readValue(const QString& section, const QString& key) const {
    const QList<Line> lines = readContents(path_, WhenUnreadable::ReadAsEmpty).lines;
    const SectionPlace place = findSection(lines, section);
    if (place.header < 0) {
        return std::nullopt;
    }
    const qsizetype line = findKey(lines, place, key);
    if (line < 0) {
        return std::nullopt;
    }
    const QByteArray& text = lines[line].text;
    return text.mid(text.indexOf('=') + 1).trimmed();
}

int ProfileFile::readInteger(const QString& section, const QString& key, int fallback) const {
    const std::optional<QByteArray> value = readValue(section, key);
    if (!value) {
        return fallback;
    }
    return parseProfileInteger(*value).value_or(fallback);
}

void ProfileFile::writeValue(const QString& section, const QString& key,
                             const QByteArray& value) const {
    Contents read = readContents(path_, WhenUnreadable::Fail);
    QList<Line>& lines = read.lines;
    const QByteArray end = lineEndOf(lines);
    const QByteArray keyText = key.toUtf8();
    SectionPlace place = findSection(lines, section);

    if (place.header < 0) {
        if (!lines.isEmpty() && lines.back().end.isEmpty()) {
            lines.back().end = end;
        }
        lines.append({'[' + section.toUtf8() + ']', end});
        lines.append({keyText + '=' + value, end});
    } else if (const qsizetype line = findKey(lines, place, key); line >= 0) {
        QByteArray& text = lines[line].text;
        text = text.left(text.indexOf('=') + 1) + value;
    } else {
        // After the section's last line that is not blank.
        qsizetype at = place.end;
        while (at > place.header + 1 && lines[at - 1].text.trimmed().isEmpty()) {
            --at;
        }
        if (lines[at - 1].end.isEmpty()) {
            lines[at - 1].end = end;
        }
        lines.insert(at, {keyText + '=' + value, end});
    }

    const QByteArray contents = read.byteOrderMark + joinLines(lines);
    QDir().mkpath(QFileInfo(path_).absolutePath());  // the user's configuration folder
    writeWholeFile(path_, contents);
}

}  // namespace tavolin
