// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureCaptions.h"

#include <QLabel>
#include <QWidget>

#include "ReadableColour.h"

namespace tavolin {

CaptionBackground pictureBackground(const QImage& picture) {
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    CaptionBackground shades{Qt::black, Qt::white};
    double lightest = -1, darkest = 2;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const QColor colour(line[x]);
            const double luminance = relativeLuminance(colour);
            if (luminance > lightest) {
                lightest = luminance;
                shades.lightest = colour;
            }
            if (luminance < darkest) {
                darkest = luminance;
                shades.darkest = colour;
            }
        }
    }
    return shades;
}

void colourCaptions(QWidget& window, QLabel& title, const CaptionBackground& background) {
    const auto readsOn = [&background](const QColor& colour) {
        return contrastRatio(colour, background.lightest) >= kReadableContrast &&
               contrastRatio(colour, background.darkest) >= kReadableContrast;
    };
    const QColor plain = isDark(background.lightest) ? QColor(Qt::white) : QColor(Qt::black);
    for (QLabel* label : window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        // From the window's palette, not the label's own, set here before.
        const QColor themed = window.palette().color(QPalette::WindowText);
        QColor text = readsOn(themed) ? themed : plain;
        if (label == &title) {
            text = readableColour(Qt::red, {background.lightest, background.darkest});
        }
        QPalette palette = label->palette();
        palette.setColor(QPalette::Active, QPalette::WindowText, text);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
        label->setPalette(palette);
    }
}

}  // namespace tavolin
