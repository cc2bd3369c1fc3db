// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <string_view>

#include "FuzzInput.h"

namespace tavolin::fuzzing {

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
