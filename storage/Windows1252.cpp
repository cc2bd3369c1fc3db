// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows1252.h"

#include <QList>
#include <array>

namespace tavolin {

namespace {

// 0x80 to 0x9F; the rest of the code page is Latin-1. 0 marks an undefined byte.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char encode(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    if (c >= 0x80 && c < 0xA0 && kHighControls[c - 0x80] == 0) {
        return static_cast<char>(c);  // an undefined byte, read as its control character
    }
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] != 0 && kHighControls[k] == c) {
            return static_cast<char>(0x80 + k);
        }
    }
    return '?';
}

}  // namespace

QByteArray toWindows1252(QStringView text) {
    QByteArray bytes;
    for (char32_t c : text.toUcs4()) {
        bytes.append(encode(c));
    }
    return bytes;
}

bool fitsWindows1252(QStringView text) {
    for (char32_t c : text.toUcs4()) {
        if (c != U'?' && encode(c) == '?') {
            return false;
        }
    }
    return true;
}

QString fromWindows1252(QByteArrayView bytes) {
    QString text;
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        const char16_t mapped = (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : 0;
        text.append(QChar(mapped != 0 ? mapped : char16_t{b}));
    }
    return text;
}

}  // namespace tavolin
