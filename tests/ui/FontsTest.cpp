// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' fonts: the first family of each list that the system has.
#include "Fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>

namespace tavolin {
namespace {

TEST(FontsTest, EachFontIsTheFirstOfItsFamiliesThatIsInstalled) {
    struct Case {
        QFont font;
        const char* family;  // with the fonts the tests install, not the Windows ones
        bool bold;
    };
    for (const Case& c : {Case{interfaceFont(), "Liberation Sans", false},
                          Case{titleFont(), "Liberation Serif", false},
                          Case{productNameFont(), "Comic Neue", true}}) {
        EXPECT_EQ(c.font.family(), QString::fromUtf8(c.family));
        EXPECT_EQ(QFontInfo(c.font).family(), QString::fromUtf8(c.family));  // no substitute
        EXPECT_EQ(c.font.bold(), c.bold);
    }
}

}  // namespace
}  // namespace tavolin
