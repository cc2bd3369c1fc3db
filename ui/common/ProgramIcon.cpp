// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramIcon.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace tavolin {

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        // Read as PNG only: guessing the format would load every image plugin Qt has.
        QImageReader reader(QStringLiteral(":/icons/tavolin-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

void giveWindowsTheProgramIcon() {
    if (QGuiApplication::windowIcon().isNull()) {
        QGuiApplication::setWindowIcon(programIcon());
    }
}

}  // namespace tavolin
