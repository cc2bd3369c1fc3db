// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include <QStringList>

namespace tavolin {

namespace {

// The first family of the list that the system has is used.
QFont fontOf(const QStringList& families, int pixelSize) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

QFont interfaceFont() {
    // Liberation Sans has Arial's widths, the nearest to MS Sans Serif of the free fonts.
    return fontOf({"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"}, 11);
}

QFont titleFont() {
    return fontOf({"Harrington", "Liberation Serif", "Times New Roman", "DejaVu Serif"}, 27);
}

QFont productNameFont() {
    // Comic Neue was drawn after Comic Sans, without its faults.
    QFont font = fontOf({"Comic Sans MS", "Comic Neue", "DejaVu Sans"}, 19);
    font.setBold(true);
    return font;
}

}  // namespace tavolin
