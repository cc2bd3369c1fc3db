// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace tavolin {

namespace {

// The first family of the list that the system has is used. It is picked here from the
// families installed: given the whole list, Qt would ask fontconfig to resolve each missing
// one, a millisecond each at the program's start.
QFont fontOf(const QStringList& families, int pixelSize) {
    QFont font;
    const QStringList installed = QFontDatabase::families();
    const auto first = std::find_if(families.begin(), families.end(), [&](const QString& family) {
        return installed.contains(family, Qt::CaseInsensitive);
    });
    if (first != families.end()) {
        font.setFamily(*first);
    } else {
        font.setFamilies(families);
    }
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
