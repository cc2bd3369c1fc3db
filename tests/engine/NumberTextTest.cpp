// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tavolin {
namespace {

struct FormatCase {
    long double value;
    const char* separator;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << static_cast<double>(c.value) << " -> " << c.expected;
}

class ResultFigureTextTest : public testing::TestWithParam<FormatCase> {};

TEST_P(ResultFigureTextTest, ShowsFourSignificantDigits) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(resultFigureText(c.value, c.separator), c.expected);
}

constexpr long double kInf = std::numeric_limits<long double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Figures, ResultFigureTextTest,
    testing::Values(
        // Cut at the fifth digit, 5 rounding up whatever the fourth digit is.
        FormatCase{987.25L, ",", "987,3"}, FormatCase{1522.5L, ",", "1523"},
        FormatCase{1523.5L, ",", "1524"}, FormatCase{1646.5L, ",", "1647"},
        FormatCase{1612.4999L, ",", "1612"},
        // Exponent form from 10000 up, also when rounding reaches it.
        FormatCase{11249, ",", "1,125E4"}, FormatCase{10000, ",", "1E4"},
        FormatCase{9999.5L, ",", "1E4"}, FormatCase{9999.4L, ",", "9999"},
        FormatCase{123456789, ",", "1,235E8"}, FormatCase{1e20L, ",", "1E20"},
        // Below one, and below 0.0001.
        FormatCase{0.5L, ",", "0,5"}, FormatCase{0.0001L, ",", "0,0001"},
        FormatCase{0.000099996L, ",", "0,0001"}, FormatCase{0.00009L, ",", "9E-5"},
        FormatCase{0.00001234L, ",", "1,234E-5"}, FormatCase{1e-300L, ",", "1E-300"},
        // Whole numbers and trailing zeros.
        FormatCase{1600, ",", "1600"}, FormatCase{2.5L, ",", "2,5"}, FormatCase{3, ",", "3"},
        FormatCase{100, ",", "100"}, FormatCase{1.2L, ",", "1,2"},
        // Zero, negatives.
        FormatCase{0, ",", "0"}, FormatCase{-0.0L, ",", "0"}, FormatCase{-1522.5L, ",", "-1523"},
        FormatCase{-0.5L, ",", "-0,5"}, FormatCase{-11249, ",", "-1,125E4"},
        FormatCase{-0.00009L, ",", "-9E-5"},
        // The separator is the caller's, any character.
        FormatCase{987.25L, ".", "987.3"}, FormatCase{11249, ".", "1.125E4"},
        FormatCase{0.5L, "\u066B", "0\u066B5"},
        // Values that are not numbers.
        FormatCase{std::numeric_limits<long double>::quiet_NaN(), ",", "NAN"},
        FormatCase{kInf, ",", "INF"}, FormatCase{-kInf, ",", "-INF"}));

TEST(ResultFigureTextTest, CutsEighteenDigitsNotTheExactValue) {
    // The double nearest 1.0585 lies just below it, but its first 18 digits read
    // 1.05850000000000000: the figure shown rounds up.
    EXPECT_LT(static_cast<long double>(1.0585), 1.0585L);
    EXPECT_EQ(resultFigureText(1.0585, ","), "1,059");
    EXPECT_EQ(resultFigureText(0.10295, ","), "0,103");
}

TEST(ResultFigureTextTest, ShowsExtendedValuesAsTheyAre) {
    // A value just below a half in extended precision stays below it.
    const long double justBelow = 1522.5L - 1e-15L;
    EXPECT_EQ(resultFigureText(justBelow, ","), "1523");  // 18 digits round it back to .5
    EXPECT_EQ(resultFigureText(1522.4L, ","), "1522");
}

struct RoundCase {
    long double value;
    long double expected;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << static_cast<double>(c.value) << " -> " << static_cast<double>(c.expected);
}

class RoundHalfEvenTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, GoesToTheEvenNeighbourOnHalves) {
    EXPECT_EQ(roundHalfEven(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Halves, RoundHalfEvenTest,
                         testing::Values(RoundCase{152.5L, 152}, RoundCase{153.5L, 154},
                                         RoundCase{12.5L, 12}, RoundCase{37.5L, 38},
                                         RoundCase{-2.5L, -2}, RoundCase{-3.5L, -4},
                                         RoundCase{2.4999L, 2}, RoundCase{1524.9L, 1525},
                                         // 0.025 as a double is a little above 0.025.
                                         RoundCase{static_cast<long double>(0.025) * 100, 3}));

// The exponent is read from the characters std::to_chars wrote, never from what follows them
// in the buffer (here digits that would turn 1600 into 1,6E399).
TEST(ScientificExponentTest, ReadsOnlyTheTextsOwnCharacters) {
    const std::string buffer = "1.6e+0399";
    EXPECT_EQ(scientificExponent(std::string_view(buffer).substr(0, 7)), 3);
    EXPECT_EQ(scientificExponent("2.5e-05"), -5);
    EXPECT_EQ(scientificExponent("9.99e+4931"), 4931);
    EXPECT_EQ(scientificExponent("1.0"), 0);
}

TEST(IntegerTextTest, WritesDigitsAndSign) {
    EXPECT_EQ(integerText(-72), "-72");
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(336), "336");
    EXPECT_EQ(integerText(roundHalfEven(-0.4L)), "0");
    EXPECT_EQ(integerText(1e20L), "100000000000000000000");
    EXPECT_EQ(integerText(-1e20L), "-100000000000000000000");
}

TEST(IntegerTextTest, NeverCastsValuesThatAreNotNumbers) {
    EXPECT_EQ(integerText(roundHalfEven(std::numeric_limits<long double>::quiet_NaN())), "NAN");
    EXPECT_EQ(integerText(roundHalfEven(kInf)), "INF");
    EXPECT_EQ(integerText(roundHalfEven(-kInf)), "-INF");
    EXPECT_EQ(integerText(std::numeric_limits<long double>::max()).size(), 4933u);
}

}  // namespace
}  // namespace tavolin
