// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace tavolin {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double worstContrast(const QColor& colour, std::initializer_list<QColor> backgrounds) {
    double worst = 21;
    for (const QColor& background : backgrounds) {
        worst = std::min(worst, contrastRatio(colour, background));
    }
    return worst;
}

}  // namespace

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool isDark(const QColor& background) {
    // Below this luminance, white text reads better than black.
    return relativeLuminance(background) < 0.18;
}

QColor readableColour(const QColor& wanted, std::initializer_list<QColor> backgrounds) {
    if (backgrounds.size() == 0 || worstContrast(wanted, backgrounds) >= kReadableContrast) {
        return wanted;
    }
    double lightest = 0;
    for (const QColor& background : backgrounds) {
        lightest = std::max(lightest, relativeLuminance(background));
    }
    constexpr double kDarkBelow = 0.18;  // the luminance isDark() takes for dark
    const bool darken = lightest >= kDarkBelow;
    // Lightness moved in small steps, hue and saturation kept: the first that reads.
    const QColor hsl = wanted.toHsl();
    for (int step = 1; step <= 100; ++step) {
        const float lightness =
            darken ? std::max(0.0F, hsl.lightnessF() * (1.0F - step / 100.0F))
                   : std::min(1.0F, hsl.lightnessF() + (1.0F - hsl.lightnessF()) * step / 100.0F);
        const QColor candidate =
            QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness).toRgb();
        if (worstContrast(candidate, backgrounds) >= kReadableContrast) {
            return candidate;
        }
    }
    return darken ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace tavolin
