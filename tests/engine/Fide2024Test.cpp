// SPDX-License-Identifier: GPL-3.0-or-later
// The 2024 FIDE regulations: the published tables row by row, the reference's worked
// examples, and the edges of the rules.
#include "Fide2024.h"

#include <gtest/gtest.h>

#include <cmath>

#include <limits>
#include <vector>

#include "Calculation.h"
#include "UserMessages.h"

namespace tavolin {
namespace {

// Table 8.1.2 as published: the rows' differences and the higher player's expected score.
struct PdRow {
    int low, high, higher;
};
constexpr PdRow kPublishedPd[] = {
    {0, 3, 50},         {4, 10, 51},    {11, 17, 52},   {18, 25, 53},   {26, 32, 54},
    {33, 39, 55},       {40, 46, 56},   {47, 53, 57},   {54, 61, 58},   {62, 68, 59},
    {69, 76, 60},       {77, 83, 61},   {84, 91, 62},   {92, 98, 63},   {99, 106, 64},
    {107, 113, 65},     {114, 121, 66}, {122, 129, 67}, {130, 137, 68}, {138, 145, 69},
    {146, 153, 70},     {154, 162, 71}, {163, 170, 72}, {171, 179, 73}, {180, 188, 74},
    {189, 197, 75},     {198, 206, 76}, {207, 215, 77}, {216, 225, 78}, {226, 235, 79},
    {236, 245, 80},     {246, 256, 81}, {257, 267, 82}, {268, 278, 83}, {279, 290, 84},
    {291, 302, 85},     {303, 315, 86}, {316, 328, 87}, {329, 344, 88}, {345, 357, 89},
    {358, 374, 90},     {375, 391, 91}, {392, 411, 92}, {412, 432, 93}, {433, 456, 94},
    {457, 484, 95},     {485, 517, 96}, {518, 559, 97}, {560, 619, 98}, {620, 735, 99},
    {736, 100000, 100},
};

TEST(Fide2024TablesTest, ExpectedScoreAtEveryRowBoundary) {
    for (const PdRow& row : kPublishedPd) {
        for (const int d : {row.low, row.high}) {
            EXPECT_EQ(fide2024ExpectedScore(d), row.higher) << d;
            EXPECT_EQ(fide2024ExpectedScore(-d), 100 - row.higher) << -d;
        }
    }
}

TEST(Fide2024TablesTest, DifferenceForEveryPublishedScore) {
    constexpr int kPublishedDp[51] = {
        0,   7,   14,  21,  29,  36,  43,  50,  57,  65,  72,  80,  87,  95,  102, 110, 117,
        125, 133, 141, 149, 158, 166, 175, 184, 193, 202, 211, 220, 230, 240, 251, 262, 273,
        284, 296, 309, 322, 336, 351, 366, 383, 401, 422, 444, 470, 501, 538, 589, 677, 800};
    for (int p = 50; p <= 100; ++p) {
        EXPECT_EQ(fide2024DifferenceForScore(p), kPublishedDp[p - 50]) << p;
        EXPECT_EQ(fide2024DifferenceForScore(100 - p), -kPublishedDp[p - 50]) << 100 - p;
    }
}

using L = ResultLabel;

struct Period {
    const char* rating;
    const char* coefficient;
    std::vector<GameEntry> games;
};

CalculationResult calculated(const Period& period) {
    CalculationInput in;
    in.system = RatingSystem::Fide2024;
    in.ratingText = period.rating;
    in.coefficientText = period.coefficient;
    in.games = period.games;
    return calculate(in);
}

struct Fide2024Case {
    const char* name;
    Period period;
    std::vector<LabelText> labels;
};

void PrintTo(const Fide2024Case& c, std::ostream* os) {
    *os << c.name;
}

class Fide2024CalculationTest : public testing::TestWithParam<Fide2024Case> {};

TEST_P(Fide2024CalculationTest, WritesTheLabels) {
    const Fide2024Case& c = GetParam();
    const CalculationResult result = calculated(c.period);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(result.labels, c.labels);
}

// Σ PD / points, the average of the counted opponents, and the figures of the reference.
INSTANTIATE_TEST_SUITE_P(
    Periods, Fide2024CalculationTest,
    testing::Values(
        Fide2024Case{"reference_1850_K20",
                     {"1850", "20", {{2010, 1}, {1700, 0.5}, {2300, 0}, {1400, 1}}},
                     {{L::performance, "10"},
                      {L::score, "1,99/2,5"},
                      {L::average, "1853"},
                      {L::newRating, "1860"}}},
        Fide2024Case{"reference_2400_K10_tie_down",
                     {"2400", "10", {{2210, 0.5}}},
                     {{L::performance, "-3"},
                      {L::score, "0,75/0,5"},
                      {L::average, "2210"},
                      {L::newRating, "2397"}}},
        Fide2024Case{"tie_up",
                     {"2190", "10", {{2000, 1}}},
                     {{L::performance, "3"},
                      {L::score, "0,75/1"},
                      {L::average, "2000"},
                      {L::newRating, "2193"}}},
        Fide2024Case{"reference_2800_no_cap_from_2650",
                     {"2800", "10", {{1800, 1}}},
                     {{L::performance, "0"},
                      {L::score, "1/1"},
                      {L::average, "1800"},
                      {L::newRating, "2800"}}},
        Fide2024Case{"capped_below_2650",
                     {"2649", "10", {{2149, 1}}},
                     {{L::performance, "1"},
                      {L::score, "0,92/1"},
                      {L::average, "2149"},
                      {L::newRating, "2650"}}},
        Fide2024Case{"not_capped_from_2650",
                     {"2650", "10", {{2150, 1}}},
                     {{L::performance, "0"},
                      {L::score, "0,96/1"},
                      {L::average, "2150"},
                      {L::newRating, "2650"}}},
        // 18 × 40 = 720 > 700: K = ⌊700 / 18⌋ = 38, 38 × 18 × 0.5 = 342.
        Fide2024Case{"cap_of_700",
                     {"2000", "40", std::vector<GameEntry>(18, GameEntry{2000, 1})},
                     {{L::performance, "342"},
                      {L::score, "9/18"},
                      {L::average, "2000"},
                      {L::newRating, "2342"}}},
        // 1399 is off the list: left out, but still listed.
        Fide2024Case{"opponent_below_1400_left_out",
                     {"1850", "20", {{1399, 1}, {1400, 1}}},
                     {{L::performance, "2"},
                      {L::score, "0,92/1"},
                      {L::average, "1400"},
                      {L::newRating, "1852"}}},
        // Ra = (8500 + 3600) / 7, p = 4 / 7 → .57, dp 50: 1778.57 → 1779. The window shows
        // the figures it comes from: the average and score with the draws, and dp.
        Fide2024Case{"reference_first_rating",
                     {"", "20", {{1700, 1}, {1700, 1}, {1600, 1}, {1800, 0}, {1700, 0}}},
                     {{L::performance, "+50"},
                      {L::score, "4/7"},
                      {L::average, "1729"},
                      {L::newRating, "1779"}}},
        // 9 wins over 2300: p = 10 / 11 → .91, dp 383, Ra 2209 + 383 = 2592, held to 2200.
        Fide2024Case{"first_rating_at_most_2200",
                     {" ", "20", std::vector<GameEntry>(9, GameEntry{2300, 1})},
                     {{L::performance, "+383"},
                      {L::score, "10/11"},
                      {L::average, "2209"},
                      {L::newRating, "2200"}}}),
    [](const auto& row) { return std::string(row.param.name); });

struct RefusalCase {
    const char* name;
    Period period;
    std::string_view message;
    bool clearsRating;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class Fide2024RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(Fide2024RefusalTest, WritesNoLabel) {
    const RefusalCase& c = GetParam();
    const CalculationResult result = calculated(c.period);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.clearRating, c.clearsRating);
    EXPECT_TRUE(result.labels.empty());
}

const std::vector<GameEntry> kFiveGames{{1700, 1}, {1700, 0.5}, {1800, 0}, {1900, 0}, {1600, 1}};

INSTANTIATE_TEST_SUITE_P(
    Refusals, Fide2024RefusalTest,
    testing::Values(
        RefusalCase{"rating_1399", {"1399", "20", kFiveGames}, messages::kFideIncorrect, true},
        RefusalCase{"rating_3001", {"3001", "20", kFiveGames}, messages::kFideIncorrect, true},
        RefusalCase{
            "rating_not_whole", {"1850.5", "20", kFiveGames}, messages::kFideIncorrect, true},
        RefusalCase{
            "rating_hexadecimal", {"$7D0", "20", kFiveGames}, messages::kFideIncorrect, true},
        RefusalCase{"no_counted_game",
                    {"1850", "20", {{1399, 1}}},
                    messages::kFide2024NoCountedGame,
                    false},
        RefusalCase{"four_games",
                    {"", "20", {kFiveGames.begin(), kFiveGames.end() - 1}},
                    messages::kFide2024TooFewGames,
                    false},
        RefusalCase{"fifth_game_below_1400",
                    {"", "20", {{1700, 1}, {1700, 1}, {1700, 1}, {1700, 1}, {1399, 1}}},
                    messages::kFide2024TooFewGames,
                    false},
        RefusalCase{"zero_score",
                    {"", "20", std::vector<GameEntry>(6, GameEntry{1800, 0})},
                    messages::kFide2024ZeroScore,
                    false},
        // p = 1.5 / 7 → .21, dp −230, Ra 1514: 1284, below the list.
        RefusalCase{"first_rating_below_1400",
                    {"", "20", {{1400, 0.5}, {1400, 0}, {1400, 0}, {1400, 0}, {1400, 0}}},
                    messages::kFide2024BelowList,
                    false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Fide2024Test, ANewRatingBelowTheListIsShownWithAWarning) {
    const CalculationResult result = calculated({"1400", "20", {{1400, 0}}});
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(result.notice, messages::kFide2024LeavesList);
    ASSERT_EQ(result.labels.size(), 4u);
    EXPECT_EQ(result.labels.back(), (LabelText{L::newRating, "1390"}));
}

// The figures say what they left out, a line under them each.
TEST(Fide2024Test, TheGamesLeftOutAreToldUnderTheFigures) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        std::vector<GameEntry> games;
        std::vector<std::string> notes;
    };
    const std::vector<Case> cases{
        Case{{{2010, 1}, {1700, 0.5}}, {}},
        Case{{{2010, 1}, {1399, 1}}, {"1 partie non comptée (adversaire classé sous 1400)"}},
        Case{{{2010, 1}, {1000, 0}, {1200, 0.5}},
             {"2 parties non comptées (adversaire classé sous 1400)"}},
        Case{{{2010, 1}, {1300, 1}, {nan, 1}, {1500, 0.7}},
             {"1 partie non comptée (adversaire classé sous 1400)",
              "2 parties non comptées (parties abîmées)"}},
        Case{{{1400, 0}, {1000, 1}},
             {"1 partie non comptée (adversaire classé sous 1400)",
              std::string(messages::kFide2024LeavesList)}},
    };
    for (const Case& c : cases) {
        const CalculationResult result = calculated({"1400", "20", c.games});
        EXPECT_EQ(result.message, "");
        EXPECT_EQ(result.notes, c.notes) << c.games.size();
    }
}

// The detail of each game, against the rules' worked examples; its totals are the figures.
TEST(Fide2024Test, EachGameWeighsAsTheWorkedExamplesSay) {
    struct Row {
        int difference, expectedHundredths, changeHundredths;
    };
    struct Case {
        Period period;
        std::vector<Row> rows;
        const char* change;
    };
    const std::vector<Case> cases{
        Case{{"1850", "20", {{2010, 1}, {1700, 0.5}, {2300, 0}, {1400, 1}}},
             {{-160, 29, 1420}, {150, 70, -400}, {-400, 8, -160}, {400, 92, 160}},
             "10"},
        Case{{"2400", "10", {{2210, 0.5}}}, {{190, 75, -250}}, "-3"},
        Case{{"2800", "10", {{1800, 1}}}, {{1000, 100, 0}}, "0"},
    };
    for (const Case& c : cases) {
        const CalculationResult result = calculated(c.period);
        ASSERT_EQ(result.details.size(), c.rows.size());
        long double changes = 0;
        for (std::size_t k = 0; k < c.rows.size(); ++k) {
            const GameDetail& game = result.details[k];
            EXPECT_TRUE(game.counted && game.weighed);
            EXPECT_EQ(game.difference, c.rows[k].difference) << k;
            EXPECT_EQ(std::lround(game.expected * 100), c.rows[k].expectedHundredths) << k;
            EXPECT_EQ(std::lround(game.change * 100), c.rows[k].changeHundredths) << k;
            changes += game.change;
        }
        // "Variation" is the sum, rounded half away from zero.
        ASSERT_EQ(result.labels.front().label, L::performance);
        EXPECT_EQ(result.labels.front().text, c.change);
        EXPECT_EQ(std::to_string(std::lround(changes)), c.change);
    }
    // Unrated: the rows say which games count, without weights.
    const CalculationResult first =
        calculated({"", "20", {{1700, 1}, {1700, 1}, {1700, 1}, {1700, 0}, {1700, 0}, {1300, 1}}});
    ASSERT_EQ(first.details.size(), 6u);
    EXPECT_TRUE(first.details[0].counted);
    EXPECT_FALSE(first.details[5].counted);
    EXPECT_FALSE(first.details[0].weighed);
    // The worked example's steps: 3 points of 5 against 1700 on average.
    EXPECT_EQ(
        calculated({"", "20", {{1700, 1}, {1700, 1}, {1700, 1}, {1700, 0}, {1700, 0}}}).explanation,
        "Deux nulles contre 1800 ajoutées : 4/7 ; p = 0,57 → +50 ; moyenne 1729 ; "
        "premier classement 1779");
}

TEST(Fide2024Test, TheCoefficientComesFromTheExactTexts) {
    struct Case {
        const char* text;
        int before, after;
    };
    for (const Case c : {Case{"40", 20, 40}, Case{"10", 20, 10}, Case{"25", 40, 40},
                         Case{"", 10, 10}, Case{" 20", 40, 40}}) {
        const std::vector<GameEntry> games{{1500, 1}};
        CalculationInput in;
        in.system = RatingSystem::Fide2024;
        in.ratingText = "1500";
        in.coefficientText = c.text;
        in.fide2024Coefficient = c.before;
        in.games = games;
        EXPECT_EQ(calculate(in).fide2024Coefficient, c.after) << c.text;
    }
    for (const std::int32_t stored : {0, 15, 25, -40, std::numeric_limits<std::int32_t>::max()}) {
        EXPECT_EQ(fide2024CoefficientFromStored(stored), 20) << stored;
    }
}

// A damaged file's games: left out, never converted.
TEST(Fide2024Test, GamesThatCannotBeRealAreLeftOut) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const GameEntry game :
         {GameEntry{nan, 1}, GameEntry{inf, 1}, GameEntry{1e300, 1}, GameEntry{-1e300, 0},
          GameEntry{1500.5, 1}, GameEntry{3001, 1}, GameEntry{1500, nan}, GameEntry{1500, 0.7}}) {
        EXPECT_FALSE(fide2024CountedGame(game).has_value())
            << game.opponentRating << " " << game.score;
    }
    EXPECT_TRUE(fide2024CountedGame({3000, 0.5}).has_value());
}

}  // namespace
// The K used is said when 700 / games caps the box's: twenty games at K 40 are rated at 35.
TEST(Fide2024CalculationNotesTest, TheKUsedIsSaidWhenItIsNotTheBoxs) {
    const std::vector<GameEntry> twenty(20, GameEntry{1850, 0.5});
    CalculationInput input;
    input.system = RatingSystem::Fide2024;
    input.ratingText = "1850";
    input.coefficientText = "40";
    input.games = twenty;
    const CalculationResult capped = calculate(input);
    EXPECT_EQ(capped.coefficientNote, "K 35 (700 / 20 parties)");
    EXPECT_EQ(capped.notes, std::vector<std::string>{"K 35 (700 / 20 parties)"});
    input.games = std::span<const GameEntry>(twenty).first(17);  // 40 × 17 = 680
    EXPECT_EQ(calculate(input).coefficientNote, "");
}

}  // namespace tavolin
