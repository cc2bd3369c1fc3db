// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideCoefficient.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavolin {
namespace {

TEST(FideCoefficientTest, AStoredValueOtherThan10_15Or25LoadsAs25) {
    struct Case {
        std::int32_t stored;
        int loaded;
    };
    for (const Case c : {Case{10, 10}, Case{15, 15}, Case{25, 25}, Case{0, 25}, Case{20, 25},
                         Case{-15, 25}, Case{std::numeric_limits<std::int32_t>::min(), 25}}) {
        EXPECT_EQ(fideCoefficientFromStored(c.stored), c.loaded) << c.stored;
    }
}

TEST(FideCoefficientTest, OnlyTheExactTextsChangeTheCoefficientInForce) {
    EXPECT_EQ(fideCoefficientFromText("10", 25), 10);
    EXPECT_EQ(fideCoefficientFromText("15", 10), 15);
    for (const char* other : {"", "20", " 15", "15 ", "0x0F", "015"}) {
        EXPECT_EQ(fideCoefficientFromText(other, 10), 10) << '"' << other << '"';
    }
}

}  // namespace
}  // namespace tavolin
