// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace tavolin::fuzzing {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A broken promise of the code under test: libFuzzer keeps the input that led here.
inline void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// A file in a folder of this process's own under /dev/shm (memory, not disk), written anew
// with each input, for the readers that take a path.
inline QString writeInput(const QString& name, std::string_view bytes) {
    static const QString folder = [] {
        const QString path = QStringLiteral("/dev/shm/tavolin-fuzz-%1").arg(getpid());
        QDir().mkpath(path);
        return path;
    }();
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    require(file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
            static_cast<qint64>(bytes.size()));
    return path;
}

}  // namespace tavolin::fuzzing
