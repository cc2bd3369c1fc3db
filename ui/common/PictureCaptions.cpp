// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureCaptions.h"

#include <QAbstractButton>
#include <QGroupBox>
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

namespace {

// The window's own text colour where it reads on the background, black or white otherwise.
QColor textColourOn(const QWidget& window, const CaptionBackground& background) {
    // From the window's palette, not the texts' own, set here before.
    const QColor themed = window.palette().color(QPalette::WindowText);
    const bool reads = contrastRatio(themed, background.lightest) >= kReadableContrast &&
                       contrastRatio(themed, background.darkest) >= kReadableContrast;
    if (reads) {
        return themed;
    }
    return isDark(background.lightest) ? QColor(Qt::white) : QColor(Qt::black);
}

void setTextColour(QWidget& widget, const QColor& text) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, text);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
    widget.setPalette(palette);
}

}  // namespace

void colourCaptions(QWidget& window, QLabel& title, const CaptionBackground& background) {
    const QColor text = textColourOn(window, background);
    for (QLabel* label : window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        setTextColour(*label, label == &title ? readableColour(Qt::red, {background.lightest,
                                                                         background.darkest})
                                              : text);
    }
}

void colourTextsOnPicture(QWidget& window, const QRect& pictureArea,
                          const CaptionBackground& background) {
    const QColor text = textColourOn(window, background);
    const QColor windowText = window.palette().color(QPalette::WindowText);
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool onPicture = child->geometry().intersects(pictureArea);
        if (qobject_cast<QLabel*>(child) != nullptr ||
            qobject_cast<QAbstractButton*>(child) != nullptr) {
            setTextColour(*child, onPicture ? text : windowText);
        } else if (qobject_cast<QGroupBox*>(child) != nullptr) {
            setTextColour(*child, onPicture ? text : windowText);
            for (QWidget* inside : child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                setTextColour(*inside, windowText);
            }
        }
    }
}

}  // namespace tavolin
