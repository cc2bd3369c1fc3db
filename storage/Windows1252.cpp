// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows1252.h"

#include <QList>
#include <array>

#include "Windows1252Table.h"

namespace tavolin {

namespace {

constexpr const auto& kHighControls = kWindows1252From0x80;

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
