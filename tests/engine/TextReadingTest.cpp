// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextReading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace tavolin {
namespace {

struct WholeCase {
    const char* text;
    std::int32_t value;
    bool complete;
};

void PrintTo(const WholeCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ReadWholeNumberTest : public testing::TestWithParam<WholeCase> {};

TEST_P(ReadWholeNumberTest, ReadsAsTheEntryFieldsDo) {
    const WholeCase& c = GetParam();
    const WholeNumber number = readWholeNumber(c.text);
    EXPECT_EQ(number.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(number.complete, c.complete) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadWholeNumberTest,
    testing::Values(
        WholeCase{"1850", 1850, true}, WholeCase{"  1850", 1850, true},
        WholeCase{"+1850", 1850, true}, WholeCase{"-5", -5, true}, WholeCase{"007", 7, true},
        // Hexadecimal after $, x or 0x.
        WholeCase{"$7D0", 2000, true}, WholeCase{"$7d0", 2000, true}, WholeCase{"x7D0", 2000, true},
        WholeCase{"X7D0", 2000, true}, WholeCase{"0x7D0", 2000, true},
        WholeCase{"0X7d0", 2000, true}, WholeCase{"-$10", -16, true}, WholeCase{"$", 0, false},
        WholeCase{"0x", 0, false}, WholeCase{"$7G", 7, false},
        // Not wholly a number: the leading digits are kept.
        WholeCase{"", 0, false}, WholeCase{"   ", 0, false}, WholeCase{"+", 0, false},
        WholeCase{"-", 0, false}, WholeCase{"1850 ", 1850, false}, WholeCase{"12a", 12, false},
        WholeCase{"a12", 0, false}, WholeCase{"1.5", 1, false}, WholeCase{"1,5", 1, false},
        WholeCase{"1e3", 1, false}, WholeCase{"1 000", 1, false}, WholeCase{"\t12", 0, false},
        WholeCase{"-3x", -3, false},
        // The 32-bit range.
        WholeCase{"2147483647", 2147483647, true}, WholeCase{"-2147483648", -2147483647 - 1, true},
        WholeCase{"2147483648", 214748364, false}, WholeCase{"99999999999", 999999999, false},
        WholeCase{"$FFFFFFFFF", 0x0FFFFFFF, false}));

struct RatingCase {
    const char* text;
    double value;
    int errorPosition;
};

void PrintTo(const RatingCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ReadRatingTextTest : public testing::TestWithParam<RatingCase> {};

TEST_P(ReadRatingTextTest, ReadsTheCurrentRating) {
    const RatingCase& c = GetParam();
    const RatingText rating = readRatingText(c.text);
    EXPECT_EQ(rating.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(rating.errorPosition, c.errorPosition) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadRatingTextTest,
    testing::Values(
        RatingCase{"1500", 1500, 0}, RatingCase{"  1500", 1500, 0}, RatingCase{"+1500", 1500, 0},
        RatingCase{"-1500", -1500, 0}, RatingCase{"1500.", 1500, 0}, RatingCase{".5", 0.5, 0},
        RatingCase{"1500.25", 1500.25, 0}, RatingCase{"1e3", 1000, 0}, RatingCase{"1E3", 1000, 0},
        RatingCase{"15e+2", 1500, 0}, RatingCase{"2e-1", 0.2, 0}, RatingCase{"0.1", 0.1, 0},
        // Errors: the position of the failing character, the digits read before it.
        RatingCase{"", 0, 1}, RatingCase{"   ", 0, 4}, RatingCase{"1,5", 1, 2},
        RatingCase{"15a0", 15, 3}, RatingCase{"1500 ", 1500, 5}, RatingCase{"abc", 0, 1},
        RatingCase{"1e", 1, 3}, RatingCase{"1e+", 1, 4}, RatingCase{".", 0, 2},
        RatingCase{"-", 0, 2}, RatingCase{"$5DC", 0, 1}, RatingCase{"1.5.2", 15, 4},
        RatingCase{"-1.5x", 15, 5}, RatingCase{"1e3x", 13, 4}));

TEST(ReadRatingTextTest, ExponentsOutOfRangeGiveInfinityOrZero) {
    EXPECT_EQ(readRatingText("1e99999").value, std::numeric_limits<double>::infinity());
    EXPECT_EQ(readRatingText("-1e99999").value, -std::numeric_limits<double>::infinity());
    EXPECT_EQ(readRatingText("1e-99999").value, 0);
    EXPECT_EQ(readRatingText("1e400").value, std::numeric_limits<double>::infinity());
    EXPECT_EQ(readRatingText("1e400").errorPosition, 0);
}

TEST(ReadRatingTextTest, LongDigitRunsStayDefined) {
    const std::string digits(6000, '9');
    EXPECT_EQ(readRatingText(digits).value, std::numeric_limits<double>::infinity());
    EXPECT_EQ(readRatingText(digits + "x").errorPosition, 6001);
}

// The new rating a closed period makes current: the figure shown, to the nearest whole
// number, halves upward.
TEST(NearestWholeOfFigureTest, RoundsTheFigureShownHalvesUpward) {
    struct Case {
        const char* text;
        const char* separator;
        std::optional<int> expected;
    };
    for (const Case& c : {Case{"885,7", ",", 886}, Case{"885,5", ",", 886}, Case{"885,4", ",", 885},
                          Case{"1860", ",", 1860}, Case{"885.7", ".", 886}, Case{"-0,5", ",", 0},
                          Case{"-1,5", ",", -1}, Case{"1,125E4", ",", 11250},
                          Case{"885,7", ".", std::nullopt}, Case{"", ",", std::nullopt},
                          Case{"NAN", ",", std::nullopt}, Case{"INF", ",", std::nullopt},
                          Case{"9,9E99", ",", std::nullopt}, Case{"abc", ",", std::nullopt}}) {
        EXPECT_EQ(nearestWholeOfFigure(c.text, c.separator), c.expected) << c.text;
    }
}

}  // namespace
}  // namespace tavolin
