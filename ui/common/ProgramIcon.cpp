// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramIcon.h"

namespace tavolin {

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/tavolin-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace tavolin
