// SPDX-License-Identifier: GPL-3.0-or-later
// The contrast of texts, by the figures of the accessibility guidelines.
#include "ReadableColour.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(ReadableColourTest, ContrastIsTheGuidelinesRatio) {
    struct Case {
        QColor first, second;
        double ratio;
    };
    for (const Case& c : {
             Case{Qt::black, Qt::white, 21.0},
             Case{Qt::white, Qt::white, 1.0},
             Case{QColor(0x77, 0x77, 0x77), Qt::white, 4.48},  // the grey just too light
             Case{Qt::red, Qt::white, 4.0},
             Case{QColor(0x76, 0x76, 0x76), Qt::white, 4.54},  // the lightest that reads
         }) {
        EXPECT_NEAR(contrastRatio(c.first, c.second), c.ratio, 0.01)
            << c.first.name().toStdString();
        EXPECT_NEAR(contrastRatio(c.second, c.first), c.ratio, 0.01);
    }
}

// A colour is kept when it reads, and changed only as much as it must, in its own hue.
TEST(ReadableColourTest, MadeDarkerOnLightAndLighterOnDark) {
    const QColor beige(0xDA, 0xD0, 0xB5), cream(0xF4, 0xEF, 0xE1), darkGrey(0x35, 0x35, 0x35);
    EXPECT_EQ(readableColour(Qt::black, {beige, cream}), QColor(Qt::black));

    const QColor onPicture = readableColour(Qt::red, {beige, cream});
    EXPECT_GE(contrastRatio(onPicture, beige), kReadableContrast);
    EXPECT_LT(contrastRatio(onPicture, beige), kReadableContrast + 0.5);
    EXPECT_EQ(onPicture.hue(), 0);
    EXPECT_LT(onPicture.lightness(), QColor(Qt::red).lightness());

    const QColor onDark = readableColour(Qt::red, {darkGrey});
    EXPECT_GE(contrastRatio(onDark, darkGrey), kReadableContrast);
    EXPECT_EQ(onDark.hue(), 0);
    EXPECT_GT(onDark.lightness(), QColor(Qt::red).lightness());

    EXPECT_TRUE(isDark(darkGrey));
    EXPECT_FALSE(isDark(beige));
}

}  // namespace
}  // namespace tavolin
