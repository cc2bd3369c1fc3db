// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFileCheck.h"

#include <QFile>

namespace tavolin {

bool prepareDataFile(const QString& path) {
    QFile file(path);
    if (file.exists()) {
        file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
    }
    return file.exists();
}

}  // namespace tavolin
