// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramIcon.h"

#include <QGuiApplication>
#include <QPixmap>

namespace tavolin {

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        // Named as PNG: guessing the format would load every image plugin Qt has.
        icon.addPixmap(QPixmap(QStringLiteral(":/icons/tavolin-%1.png").arg(size), "png"));
    }
    return icon;
}

void giveWindowsTheProgramIcon() {
    if (QGuiApplication::windowIcon().isNull()) {
        QGuiApplication::setWindowIcon(programIcon());
    }
}

}  // namespace tavolin
