// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstring>

namespace tavolin::testing {

inline constexpr int kRecordBytes = 848;

// Little-endian fields written by hand, independent of the program's own record code.
inline void putInt32(QByteArray& bytes, qsizetype offset, std::int32_t value) {
    for (int k = 0; k < 4; ++k) {
        bytes[offset + k] = static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * k));
    }
}

inline void putDouble(QByteArray& bytes, qsizetype offset, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, 8);
    for (int k = 0; k < 8; ++k) {
        bytes[offset + k] = static_cast<char>(bits >> (8 * k));
    }
}

inline std::int32_t getInt32(const QByteArray& bytes, qsizetype offset) {
    std::uint32_t value = 0;
    for (int k = 0; k < 4; ++k) {
        value |= std::uint32_t{static_cast<std::uint8_t>(bytes[offset + k])} << (8 * k);
    }
    return static_cast<std::int32_t>(value);
}

inline double getDouble(const QByteArray& bytes, qsizetype offset) {
    std::uint64_t bits = 0;
    for (int k = 0; k < 8; ++k) {
        bits |= std::uint64_t{static_cast<std::uint8_t>(bytes[offset + k])} << (8 * k);
    }
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

inline qsizetype recordOffset(int player) {
    return qsizetype{player - 1} * kRecordBytes;
}

// Ten records, all zero but system 1 (ELO) and coefficient 25, as a new user's file.
inline QByteArray blankPlayerFile() {
    QByteArray bytes(10 * kRecordBytes, '\0');
    for (int player = 1; player <= 10; ++player) {
        putInt32(bytes, recordOffset(player) + 840, 1);
        putInt32(bytes, recordOffset(player) + 844, 25);
    }
    return bytes;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

}  // namespace tavolin::testing
