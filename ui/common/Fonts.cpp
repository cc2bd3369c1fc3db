#include "Fonts.h"

#include <QStringList>

namespace tavolin {

QFont interfaceFont() {
    QFont font;
    // Liberation Sans has Arial's widths, the nearest to MS Sans Serif of the free fonts.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

QFont titleFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Harrington"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif")});
    font.setPixelSize(27);
    return font;
}

QFont productNameFont() {
    QFont font;
    // Comic Neue was drawn after Comic Sans, without its faults.
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(19);
    font.setBold(true);
    return font;
}

}  // namespace tavolin
