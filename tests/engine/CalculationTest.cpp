// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculation.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "DifferenceToScore.h"
#include "UserMessages.h"

namespace tavolin {
namespace {

using L = ResultLabel;

std::vector<GameEntry> against(double rating, std::initializer_list<double> scores) {
    std::vector<GameEntry> games;
    for (double score : scores) {
        games.push_back({rating, score});
    }
    return games;
}

// n games against `rating` scoring `points` in all (whole wins, then one draw if needed).
std::vector<GameEntry> scoring(int n, double points, double rating) {
    std::vector<GameEntry> games;
    for (int k = 0; k < n; ++k) {
        const double score = points >= 1 ? 1 : points;
        points -= score;
        games.push_back({rating, score});
    }
    return games;
}

CalculationInput input(RatingSystem system, std::string_view rating,
                       const std::vector<GameEntry>& games) {
    CalculationInput in;
    in.system = system;
    in.ratingText = rating;
    in.games = games;
    return in;
}

std::string textOf(const CalculationResult& result, ResultLabel label) {
    for (const LabelText& written : result.labels) {
        if (written.label == label) {
            return written.text;
        }
    }
    return "(not written)";
}

TEST(CalculationEloTest, EvenScoreAgainstStrongerOpponents) {
    const auto games = against(1600, {1, 0, 0.5, 0.5});
    CalculationInput in = input(RatingSystem::Elo, "1500", games);
    const CalculationResult result = calculate(in);
    EXPECT_EQ(result.message, "");
    EXPECT_FALSE(result.clearRating);
    const std::vector<LabelText> expected{
        {L::score, "50"}, {L::performance, "1600"}, {L::average, "1600"}, {L::newRating, "1525"}};
    EXPECT_EQ(result.labels, expected);

    in.roundToTens = true;  // 152.5 tens go to the even 152
    EXPECT_EQ(textOf(calculate(in), L::newRating), "1520");
}

struct EloCase {
    const char* name;
    RatingSystem system;
    const char* rating;
    std::vector<GameEntry> games;
    bool young;
    const char* score;
    const char* performance;
    const char* average;
    const char* newRating;
};

void PrintTo(const EloCase& c, std::ostream* os) {
    *os << c.name;
}

class CalculationFigures : public testing::TestWithParam<EloCase> {};

TEST_P(CalculationFigures, Match) {
    const EloCase& c = GetParam();
    CalculationInput in = input(c.system, c.rating, c.games);
    in.young = c.young;
    const CalculationResult result = calculate(in);
    ASSERT_EQ(result.message, "");
    const std::vector<LabelText> expected{{L::score, c.score},
                                          {L::performance, c.performance},
                                          {L::average, c.average},
                                          {L::newRating, c.newRating}};
    EXPECT_EQ(result.labels, expected);
}

INSTANTIATE_TEST_SUITE_P(
    EloAndInjes, CalculationFigures,
    testing::Values(
        // 6 of 8: 0.75 gives 193, P = 1793 > R.
        EloCase{"YoungEightGamesTakesThePerformance", RatingSystem::Elo, "1500",
                scoring(8, 6, 1600), true, "75", "1793", "1600", "1793"},
        EloCase{"AdultEightGamesWeighsSixteen", RatingSystem::Elo, "1500", scoring(8, 6, 1600),
                false, "75", "1793", "1600", "1647"},  // (8 × 1793 + 8 × 1500) / 16 = 1646.5
        EloCase{"YoungSevenGamesWeighsEight", RatingSystem::Elo, "1500", scoring(7, 5, 1600), true,
                "71", "1758", "1600", "1726"},  // (7 × 1758 + 1500) / 8 = 1725.75
        // P < R: the weight is 16, young or not.
        EloCase{"LossWeighsSixteen", RatingSystem::Elo, "2000", scoring(4, 2, 1600), false, "50",
                "1600", "1600", "1920"},
        EloCase{"LossWeighsSixteenForTheYoung", RatingSystem::Elo, "2000", scoring(4, 2, 1600),
                true, "50", "1600", "1600", "1920"},
        EloCase{"PerformanceEqualsRating", RatingSystem::Elo, "1600", scoring(4, 2, 1600), false,
                "50", "1600", "1600", "1600"},
        EloCase{"LowestRatingAccepted", RatingSystem::Elo, "1000", scoring(4, 2, 1000), false, "50",
                "1000", "1000", "1000"},
        EloCase{"HighestRatingAccepted", RatingSystem::Elo, "3000", scoring(4, 2, 3000), false,
                "50", "3000", "3000", "3000"},
        // Percentages on halves go to the even neighbour.
        EloCase{"OneOfEightShows12", RatingSystem::Elo, "1500", scoring(8, 1, 1500), false, "12",
                "1178", "1500", "1393"},  // 0.125 gives -322; (8 × 1178 + 16 × 1500) / 24 = 1392.67
        EloCase{"ThreeOfEightShows38", RatingSystem::Elo, "1500", scoring(8, 3, 1500), false, "38",
                "1413", "1500", "1471"},  // (8 × 1413 + 16 × 1500) / 24 = 1471
        // The stored 0.025 lies above 0.025: 3, not 2.
        EloCase{"HalfPointOfTwentyShows3", RatingSystem::Elo, "1500", scoring(20, 0.5, 1500), false,
                "3", "1030", "1500", "1239"},  // (20 × 1030 + 16 × 1500) / 36 = 1238.9
        // 16.5 of 20 lies below the extended 0.825, 18.5 of 20 above the extended 0.925.
        EloCase{"SixteenAndAHalfOfTwenty", RatingSystem::Elo, "1500", scoring(20, 16.5, 1500),
                false, "82", "1762", "1500", "1762"},
        EloCase{"EighteenAndAHalfOfTwenty", RatingSystem::Elo, "1500", scoring(20, 18.5, 1500),
                false, "93", "1922", "1500", "1922"},  // the stored 0.925 lies above: 93
        // Averages that are not whole numbers.
        EloCase{"FractionalAverage",
                RatingSystem::Elo,
                "1500",
                {{1850, 1}, {1700, 0.5}, {2010, 0}},
                false,
                "50",
                "1853",
                "1853",
                "1566"},  // (3 × 1853.3 + 13 × 1500) / 16
        // INJES: 7 games and P > R takes P; 6 games weigh (6P + R) / 7.
        EloCase{"InjesSevenGames", RatingSystem::Injes, "1500", scoring(7, 5, 1600), false, "71",
                "1758", "1600", "1758"},
        EloCase{"InjesSixGames", RatingSystem::Injes, "1500", scoring(6, 4, 1600), false, "67",
                "1725", "1600", "1693"},  // (6 × 1725 + 1500) / 7 = 1692.86
        EloCase{"InjesBelowRating", RatingSystem::Injes, "1601", scoring(7, 3.5, 1600), false, "50",
                "1600", "1600", "1601"},  // (7 × 1600 + 7 × 1601) / 14 = 1600.5 exactly
        EloCase{"InjesAcceptsSevenHundred", RatingSystem::Injes, "700", scoring(4, 2, 1000), false,
                "50", "1000", "1000", "871,4"}));  // (4 × 1000 + 3 × 700) / 7

struct RefusalCase {
    RatingSystem system;
    const char* rating;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << "system " << static_cast<int>(c.system) << " rating \"" << c.rating << '"';
}

class CalculationRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(CalculationRefusals, RefuseTheRatingAndChangeNoLabel) {
    const RefusalCase& c = GetParam();
    const auto games = scoring(4, 2, 1600);
    CalculationInput in = input(c.system, c.rating, games);
    in.coefficientText = "10";
    in.fideCoefficient = 15;
    const CalculationResult result = calculate(in);
    EXPECT_EQ(result.message, c.message) << '"' << c.rating << '"';
    EXPECT_TRUE(result.clearRating);
    EXPECT_TRUE(result.labels.empty());
    EXPECT_EQ(result.fideCoefficient, 15);  // a refused calculation changes nothing
}

INSTANTIATE_TEST_SUITE_P(
    Ratings, CalculationRefusals,
    testing::Values(RefusalCase{RatingSystem::Elo, "999", messages::kEloIncorrect.data()},
                    RefusalCase{RatingSystem::Elo, "3001", messages::kEloIncorrect.data()},
                    RefusalCase{RatingSystem::Elo, "", messages::kEloIncorrect.data()},
                    RefusalCase{RatingSystem::Elo, "15,5", messages::kEloIncorrect.data()},
                    RefusalCase{RatingSystem::Elo, "15a0", messages::kEloIncorrect.data()},
                    RefusalCase{RatingSystem::Elo, "$5DC", messages::kEloIncorrect.data()},
                    RefusalCase{RatingSystem::Elo, "700", messages::kEloIncorrect.data()},
                    RefusalCase{RatingSystem::Injes, "699", messages::kInjesIncorrect.data()},
                    RefusalCase{RatingSystem::Injes, "3001", messages::kInjesIncorrect.data()},
                    RefusalCase{RatingSystem::Injes, "", messages::kInjesIncorrect.data()},
                    RefusalCase{RatingSystem::Injes, "9,5", messages::kInjesIncorrect.data()},
                    RefusalCase{RatingSystem::Fide, "", messages::kFideIncorrect.data()},
                    RefusalCase{RatingSystem::Fide, "999", messages::kFideIncorrect.data()},
                    RefusalCase{RatingSystem::Fide, "3001", messages::kFideIncorrect.data()},
                    RefusalCase{RatingSystem::Fide, "1e", messages::kFideIncorrect.data()}));

TEST(CalculationTest, RatingMessagesBeginWithABlank) {
    EXPECT_EQ(messages::kEloIncorrect, " Votre ELO actuel est incorrect");
    EXPECT_EQ(messages::kInjesIncorrect, " Votre INJES actuel est incorrect");
    EXPECT_EQ(messages::kFideIncorrect, " Votre FIDE actuel est incorrect");
}

TEST(CalculationTest, AcceptsRatingsWrittenOtherwise) {
    const auto games = scoring(4, 2, 1600);
    for (const char* rating : {"1500", " 1500", "+1500", "1500.", "15e2", "1.5E3"}) {
        EXPECT_EQ(textOf(calculate(input(RatingSystem::Elo, rating, games)), L::newRating), "1525")
            << '"' << rating << '"';
    }
}

TEST(CalculationTest, NoGamesChangesNothing) {
    for (RatingSystem system :
         {RatingSystem::Elo, RatingSystem::Injes, RatingSystem::Fide, RatingSystem::Perf}) {
        CalculationInput in = input(system, "", {});
        in.coefficientText = "10";
        in.fideCoefficient = 15;
        const CalculationResult result = calculate(in);
        EXPECT_TRUE(result.labels.empty());
        EXPECT_EQ(result.message, "");
        EXPECT_FALSE(result.clearRating);
        EXPECT_EQ(result.fideCoefficient, 15);
    }
}

TEST(CalculationFideTest, EqualRatingsExpectHalfTheGames) {
    const auto games = scoring(5, 3, 1600);
    CalculationInput in = input(RatingSystem::Fide, "1600", games);
    in.coefficientText = "25";
    const CalculationResult result = calculate(in);
    EXPECT_EQ(result.message, "");
    const std::vector<LabelText> expected{{L::performance, "12"},  // Round(12.5)
                                          {L::score, "2,5/3"},
                                          {L::average, "1600"},
                                          {L::newRating, "1613"}};  // 1612.5
    EXPECT_EQ(result.labels, expected);
    EXPECT_EQ(result.fideCoefficient, 25);

    in.roundToTens = true;
    EXPECT_EQ(textOf(calculate(in), L::newRating), "1610");  // 161.25 tens
}

TEST(CalculationFideTest, CoefficientComesFromTheComboText) {
    const auto games = scoring(5, 3, 1600);
    struct Case {
        const char* text;
        int before;
        int after;
        const char* variation;
    };
    for (const Case& c : {Case{"10", 25, 10, "5"}, Case{"15", 25, 15, "8"},
                          Case{"25", 10, 25, "12"}, Case{"20", 15, 15, "8"}, Case{"", 10, 10, "5"},
                          Case{" 10", 25, 25, "12"}, Case{"10 ", 15, 15, "8"}}) {
        CalculationInput in = input(RatingSystem::Fide, "1600", games);
        in.coefficientText = c.text;
        in.fideCoefficient = c.before;
        const CalculationResult result = calculate(in);
        EXPECT_EQ(result.fideCoefficient, c.after) << '"' << c.text << '"';
        EXPECT_EQ(textOf(result, L::performance), c.variation) << '"' << c.text << '"';
    }
}

TEST(CalculationFideTest, StrongerPlayerLosesPointsForAnEvenScore) {
    // D = 200: We about 0.760, so 4 games expect 3.04 points: shown as 3.
    const auto games = scoring(4, 2, 1600);
    CalculationInput in = input(RatingSystem::Fide, "1800", games);
    in.coefficientText = "10";
    const CalculationResult result = calculate(in);
    const long double We = expectedScore(200);
    const long double change = 10 * (2 - 4 * We);
    EXPECT_EQ(textOf(result, L::performance), "-10");
    EXPECT_NEAR(static_cast<double>(change), -10.4, 0.05);
    EXPECT_EQ(textOf(result, L::score), "3/2");
    EXPECT_EQ(textOf(result, L::newRating), "1790");  // 1789.6
}

// The detail weighs every game against the opponents' average, as the rules do: its totals
// are n × We and the change before rounding; ELO, INJES and Perf list their games.
TEST(CalculationTest, TheDetailAddsUpToTheFigures) {
    const auto games = scoring(4, 2, 1600);
    CalculationInput in = input(RatingSystem::Fide, "1800", games);
    in.coefficientText = "10";
    const CalculationResult fide = calculate(in);
    ASSERT_EQ(fide.details.size(), 4u);
    long double expected = 0, change = 0;
    for (const GameDetail& game : fide.details) {
        EXPECT_TRUE(game.counted && game.weighed);
        EXPECT_EQ(game.difference, 200);
        expected += game.expected;
        change += game.change;
    }
    EXPECT_EQ(expected, 4 * expectedScore(200));
    EXPECT_EQ(change, 10 * (2 - 4 * expectedScore(200)));
    EXPECT_EQ(textOf(fide, L::performance), "-10");

    for (const RatingSystem system : {RatingSystem::Elo, RatingSystem::Injes, RatingSystem::Perf}) {
        const CalculationResult result = calculate(input(system, "1800", games));
        ASSERT_EQ(result.details.size(), 4u);
        EXPECT_EQ(result.details[3].number, 4);
        EXPECT_EQ(result.details[3].opponentRating, 1600);
        EXPECT_TRUE(result.details[3].counted);
        EXPECT_FALSE(result.details[3].weighed);
    }
    EXPECT_TRUE(calculate(input(RatingSystem::Fide, "abc", games)).details.empty());  // refused
}

TEST(CalculationFideTest, TheoreticalScoreGoesToTheHalfPoint) {
    // n × We to the hundredth: 0-24 down, 25-74 to the half, 75-99 up.
    const auto games = scoring(1, 1, 1600);
    struct Case {
        const char* rating;
        const char* score;
    };
    // One game: We itself. 1600 + d for a few d.
    for (const Case& c :
         {Case{"1600", "0,5/1"}, Case{"1700", "0,5/1"}, Case{"1800", "1/1"}, Case{"1500", "0,5/1"},
          Case{"1400", "0/1"}, Case{"2400", "1/1"}, Case{"1000", "0/1"}}) {
        EXPECT_EQ(textOf(calculate(input(RatingSystem::Fide, c.rating, games)), L::score), c.score)
            << c.rating;
    }
}

TEST(CalculationPerfTest, CountsFourToThirteenGames) {
    for (int n : {3, 14, 1, 50}) {
        const auto games = scoring(n, 1, 1600);
        const CalculationResult result = calculate(input(RatingSystem::Perf, "", games));
        EXPECT_EQ(result.message, messages::kPerfGameCount) << n;
        EXPECT_FALSE(result.clearRating);
        EXPECT_TRUE(result.labels.empty());
    }
}

TEST(CalculationPerfTest, AllWonIsWorth736) {
    const auto games = scoring(4, 4, 1600);
    const CalculationResult result = calculate(input(RatingSystem::Perf, "", games));
    const std::vector<LabelText> expected{
        {L::score, "736"}, {L::average, "1600"}, {L::newRating, "2336"}};
    EXPECT_EQ(result.labels, expected);
}

TEST(CalculationPerfTest, UsesNoRating) {
    const auto games = scoring(13, 0.5, 2000);
    for (const char* rating : {"", "abc", "1500"}) {
        const CalculationResult result = calculate(input(RatingSystem::Perf, rating, games));
        EXPECT_EQ(textOf(result, L::score), "-538");
        EXPECT_EQ(textOf(result, L::newRating), "1462");
    }
}

TEST(CalculationTest, RoundingToTheTensAppliesToEverySystem) {
    struct Case {
        RatingSystem system;
        const char* rating;
        std::vector<GameEntry> games;
        const char* plain;
        const char* rounded;
    };
    const std::vector<Case> cases{
        {RatingSystem::Elo, "1500", scoring(4, 2, 1600), "1525", "1520"},
        {RatingSystem::Elo, "1540", scoring(4, 2, 1600), "1555", "1560"},      // 155.5 tens
        {RatingSystem::Injes, "1601", scoring(7, 3.5, 1600), "1601", "1600"},  // 1600.5
        {RatingSystem::Fide, "1600", scoring(5, 3, 1600), "1613", "1610"},
        {RatingSystem::Perf, "", scoring(4, 2.5, 1603), "1698", "1700"},  // 1603 + 95
    };
    for (const Case& c : cases) {
        CalculationInput in = input(c.system, c.rating, c.games);
        EXPECT_EQ(textOf(calculate(in), L::newRating), c.plain) << static_cast<int>(c.system);
        in.roundToTens = true;
        EXPECT_EQ(textOf(calculate(in), L::newRating), c.rounded) << static_cast<int>(c.system);
    }
}

TEST(CalculationTest, LabelsAreWrittenInTheOrderOfEachSystem) {
    const auto games = scoring(5, 3, 1600);
    auto order = [&](RatingSystem system) {
        std::vector<ResultLabel> labels;
        for (const LabelText& written : calculate(input(system, "1600", games)).labels) {
            labels.push_back(written.label);
        }
        return labels;
    };
    EXPECT_EQ(order(RatingSystem::Elo),
              (std::vector{L::score, L::performance, L::average, L::newRating}));
    EXPECT_EQ(order(RatingSystem::Injes),
              (std::vector{L::score, L::performance, L::average, L::newRating}));
    EXPECT_EQ(order(RatingSystem::Fide),
              (std::vector{L::performance, L::score, L::average, L::newRating}));
    EXPECT_EQ(order(RatingSystem::Perf), (std::vector{L::score, L::average, L::newRating}));
}

TEST(CalculationTest, InterpolationConvertsByTheNormalCurve) {
    const auto games = scoring(8, 6, 1600);  // 0.75: 193 by the table, 191 by the curve
    CalculationInput in = input(RatingSystem::Injes, "1500", games);
    EXPECT_EQ(textOf(calculate(in), L::performance), "1793");
    in.interpolation = true;
    int progressCalls = 0;
    in.progress = [&](int) { ++progressCalls; };
    EXPECT_EQ(textOf(calculate(in), L::performance), "1791");
    EXPECT_GT(progressCalls, 0);
}

TEST(CalculationTest, DecimalSeparatorIsTheCallers) {
    const auto games = against(1600, {1, 0, 1});  // average 1600, 2 of 3
    CalculationInput in = input(RatingSystem::Fide, "1600", games);
    in.decimalSeparator = ".";
    EXPECT_EQ(textOf(calculate(in), L::score), "1.5/2");
}

TEST(CalculationTest, DamagedGamesGiveDefinedTexts) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (RatingSystem system :
         {RatingSystem::Elo, RatingSystem::Injes, RatingSystem::Fide, RatingSystem::Perf}) {
        const std::vector<GameEntry> nanRating{{nan, 1}, {1600, 0}, {1600, 1}, {1600, 0}};
        const CalculationResult a = calculate(input(system, "1500", nanRating));
        EXPECT_EQ(textOf(a, L::average), "NAN");
        EXPECT_EQ(textOf(a, L::newRating), "NAN");

        const std::vector<GameEntry> nanScore{{1600, nan}, {1600, 0}, {1600, 1}, {1600, 0}};
        const CalculationResult b = calculate(input(system, "1500", nanScore));
        EXPECT_EQ(textOf(b, L::average), "1600");
        EXPECT_EQ(b.labels.size(), system == RatingSystem::Perf ? 3u : 4u);

        const std::vector<GameEntry> huge{{1e308, 1}, {1e308, 0}, {1600, 1}, {-inf, 0}};
        const CalculationResult c = calculate(input(system, "1500", huge));
        EXPECT_EQ(textOf(c, L::average), "NAN");  // inf + -inf
    }
    const std::vector<GameEntry> nanScore{{1600, nan}, {1600, 0}, {1600, 1}, {1600, 0}};
    EXPECT_EQ(textOf(calculate(input(RatingSystem::Elo, "1500", nanScore)), L::score), "NAN");
    const std::vector<GameEntry> hugeRating{{1e308, 1}, {1e308, 0}, {1600, 1}, {1600, 0}};
    EXPECT_EQ(textOf(calculate(input(RatingSystem::Elo, "1500", hugeRating)), L::average), "INF");
}

}  // namespace
}  // namespace tavolin
