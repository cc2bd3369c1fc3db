// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculation.h"

#include <cmath>
#include <optional>

#include "DifferenceToScore.h"
#include "FideCoefficient.h"
#include "FilledMessage.h"
#include "NumberText.h"
#include "Precision.h"
#include "TextReading.h"
#include "UserMessages.h"

namespace tavolin {

namespace {

// The detail's line on how the figures were found.
constexpr ShownText kPerformanceExplanation = TAVOLIN_TEXT(
    "Calculation", "Score %1/%2 = %3 % → %4 (%5) ; moyenne des adversaires %6 ; performance %7");
constexpr ShownText kByNormalCurve = TAVOLIN_TEXT("Calculation", "courbe normale");
constexpr ShownText kByTable = TAVOLIN_TEXT("Calculation", "table");
constexpr ShownText kFirstRatingExplanation = TAVOLIN_TEXT(
    "Calculation",
    "Deux nulles contre 1800 ajoutées : %1/%2 ; p = %3 → %4 ; moyenne %5 ; premier classement %6");
constexpr ShownText kBonusExplanation =
    TAVOLIN_TEXT("Calculation", "Score %1/%2 → %3 ; moyenne des adversaires %4 ; performance %5");

// The working values every system starts from.
struct Totals {
    int games = 0;
    double points = 0;            // scored in those games
    double opponentsAverage = 0;  // of the opponents' ratings
    double scoreFraction = 0;     // points / games
    double rating = 0;            // the current rating, as read from its field
    bool ratingReadable = false;
};

struct Range {
    double lowest;
    double highest;
};

constexpr Range kEloRange{1000, 3000};
constexpr Range kInjesRange{700, 3000};
constexpr Range kFideRange{1000, 3000};
constexpr int kInjesWeight = 7;
constexpr int kAdultEloWeight = 16;
constexpr int kYoungEloWeight = 8;

bool ratingAccepted(const Totals& totals, Range range) {
    return totals.ratingReadable && totals.rating >= range.lowest && totals.rating <= range.highest;
}

Totals sumGames(const CalculationInput& input) {
    Totals totals;
    const RatingText rating = readRatingText(input.ratingText);
    totals.rating = rating.value;
    totals.ratingReadable = rating.errorPosition == 0;
    totals.games = static_cast<int>(input.games.size());

    double opponents = 0;
    for (const GameEntry& game : input.games) {
        opponents = roundedToDouble(static_cast<long double>(opponents) + game.opponentRating);
        totals.points = roundedToDouble(static_cast<long double>(totals.points) + game.score);
    }
    totals.scoreFraction = roundedToDouble(static_cast<long double>(totals.points) / totals.games);
    totals.opponentsAverage = roundedToDouble(static_cast<long double>(opponents) / totals.games);
    return totals;
}

// What a system's calculation leaves for the frame: its labels and the new rating.
struct SystemOutcome {
    std::vector<LabelText> labels;
    double newRating = 0;
};

class Calculation {
public:
    explicit Calculation(const CalculationInput& input) : input_(input) {}

    CalculationResult calculate() {
        result_.fideCoefficient = input_.fideCoefficient;
        result_.fide2024Coefficient = input_.fide2024Coefficient;
        if (input_.games.empty()) {
            return result_;
        }
        totals_ = sumGames(input_);

        std::optional<SystemOutcome> outcome;
        switch (input_.system) {
            case RatingSystem::Elo:
                outcome = elo();
                break;
            case RatingSystem::Injes:
                outcome = injes();
                break;
            case RatingSystem::Fide:
                outcome = fide();
                break;
            case RatingSystem::Perf:
                outcome = perf();
                break;
            case RatingSystem::Fide2024:
                outcome = fide2024();
                break;
        }
        if (!outcome) {
            result_.details.clear();
            return result_;
        }
        if (result_.details.empty()) {  // every game counts the same way
            for (std::size_t k = 0; k < input_.games.size(); ++k) {
                result_.details.push_back(listedGame(k, true));
            }
        }

        double newRating = outcome->newRating;
        if (input_.roundToTens) {
            newRating = roundedToDouble(roundHalfEven(newRating / 10.0L) * 10);
        }
        result_.labels = std::move(outcome->labels);
        result_.labels.push_back(
            {ResultLabel::average, figureText(countedAverage_.value_or(totals_.opponentsAverage))});
        result_.labels.push_back({ResultLabel::newRating, figureText(newRating)});
        return result_;
    }

private:
    std::string figureText(long double value) const {
        return resultFigureText(value, input_.decimalSeparator);
    }

    GameDetail listedGame(std::size_t index, bool counted) const {
        GameDetail detail;
        detail.number = static_cast<int>(index) + 1;
        detail.opponentRating = input_.games[index].opponentRating;
        detail.score = input_.games[index].score;
        detail.counted = counted;
        return detail;
    }

    void refuse(std::string_view message, bool clearRating) {
        result_.message = message;
        result_.clearRating = clearRating;
    }

    // The steps ELO and INJES share: the difference, the performance and their labels.
    struct Performance {
        double rating;
        std::vector<LabelText> labels;
        std::string explanation;
    };

    static std::string signedText(long double whole) {
        std::string text = integerText(whole);
        if (whole > 0) {
            text.insert(text.begin(), '+');
        }
        return text;
    }

    Performance performance() const {
        const int difference = input_.interpolation
                                   ? differenceByIntegration(totals_.scoreFraction, input_.progress)
                                   : differenceFromTable(totals_.scoreFraction);
        const double bonus = difference;
        const double rating =
            roundedToDouble(static_cast<long double>(totals_.opponentsAverage) + bonus);
        const long double percentage =
            roundHalfEven(static_cast<long double>(totals_.scoreFraction) * 100);
        // "Score 5/8 = 62,5 % → +95 (table) ; moyenne des adversaires 1825 ; performance 1920"
        std::string explanation = filledMessage(
            kPerformanceExplanation,
            {figureText(totals_.points), std::to_string(totals_.games),
             figureText(static_cast<long double>(totals_.scoreFraction) * 100),
             signedText(difference), (input_.interpolation ? kByNormalCurve : kByTable).text(),
             figureText(totals_.opponentsAverage), figureText(rating)});
        return {rating,
                {{ResultLabel::score, integerText(percentage)},
                 {ResultLabel::performance, figureText(rating)}},
                std::move(explanation)};
    }

    std::optional<SystemOutcome> elo() {
        if (!ratingAccepted(totals_, kEloRange)) {
            refuse(messages::kEloIncorrect, true);
            return std::nullopt;
        }
        Performance perf = performance();
        result_.explanation = perf.explanation;
        // N, the new rating, from the performance P over n games and the current rating R,
        // weighted by w games: N = (n·P + (w − n)·R) / w while n < w.
        const long double P = perf.rating, R = totals_.rating;
        const int n = totals_.games;
        const int w = input_.young ? kYoungEloWeight : kAdultEloWeight;
        long double N;
        if (P < R) {
            // Losing points always weighs 16, young or not.
            N = (n * P + kAdultEloWeight * R) / (n + kAdultEloWeight);
        } else if (P == R) {
            N = R;
        } else if (n < w) {
            N = (n * P + (w - n) * R) / w;
        } else {
            N = P;
        }
        return SystemOutcome{std::move(perf.labels), roundedToDouble(N)};
    }

    std::optional<SystemOutcome> injes() {
        if (!ratingAccepted(totals_, kInjesRange)) {
            refuse(messages::kInjesIncorrect, true);
            return std::nullopt;
        }
        Performance perf = performance();
        result_.explanation = perf.explanation;
        // As ELO's N = (n·P + (w − n)·R) / w, weighted by 7 games.
        const long double P = perf.rating, R = totals_.rating;
        const int n = totals_.games;
        long double N;
        if (P > R && n >= kInjesWeight) {
            N = P;
        } else if (P > R) {
            N = (n * P + (kInjesWeight - n) * R) / kInjesWeight;
        } else {
            N = (n * P + kInjesWeight * R) / (n + kInjesWeight);
        }
        return SystemOutcome{std::move(perf.labels), roundedToDouble(N)};
    }

    std::optional<SystemOutcome> fide() {
        // An unreadable rating, or one outside 1000..3000, would give a meaningless rating.
        if (!ratingAccepted(totals_, kFideRange)) {
            refuse(messages::kFideIncorrect, true);
            return std::nullopt;
        }
        result_.fideCoefficient =
            fideCoefficientFromText(input_.coefficientText, result_.fideCoefficient);
        // The rules' letters: the difference D = R − A between the rating and the opponents'
        // average, the expected score We of D per game, the theoretical score E shown for
        // n × We, and N = R + K × (S − n × We).
        const int K = result_.fideCoefficient;
        const long double R = totals_.rating, S = totals_.points, A = totals_.opponentsAverage;
        const int n = totals_.games;

        const double D = roundedToDouble(R - A);
        const long double We = A == R ? 0.5L : expectedScore(D);
        const long double expected = n * We;
        const double E = theoreticalScore(expected);
        const long double change = K * (S - expected);
        const double N = roundedToDouble(R + change);
        // Every game against the opponents' average, as the rules weigh them.
        for (std::size_t k = 0; k < input_.games.size(); ++k) {
            GameDetail detail = listedGame(k, true);
            detail.weighed = true;
            detail.difference = D;
            detail.expected = We;
            detail.change = K * (detail.score - We);
            result_.details.push_back(detail);
        }

        std::string scores = figureText(E);  // theoretical/real, e.g. 2,5/3
        scores += '/';
        scores += figureText(S);
        return SystemOutcome{{{ResultLabel::performance, integerText(roundHalfEven(change))},
                              {ResultLabel::score, std::move(scores)}},
                             N};
    }

    // n × We to the hundredth, then to the half point: hundredths 0-24 down, 25-74 to the
    // half, 75-99 up.
    static double theoreticalScore(long double expected) {
        double E = roundedToDouble(roundHalfEven(expected * 100) / 100);
        const long double whole = std::trunc(static_cast<long double>(E));
        const long double fraction = E - whole;
        if (fraction > 0.749L) {
            E = roundedToDouble(roundHalfEven(E));
        } else if (fraction >= 0.25L) {
            E = roundedToDouble(whole + 0.5L);
        } else {
            E = roundedToDouble(roundHalfEven(E));
        }
        return E;
    }

    // The 2024 regulations, in hundredths of a point. An empty rating field is an unrated
    // player, who may get his first rating.
    std::optional<SystemOutcome> fide2024() {
        std::vector<Fide2024Game> counted;
        int belowList = 0;
        int damaged = 0;
        for (const GameEntry& game : input_.games) {
            if (const auto kept = fide2024CountedGame(game)) {
                counted.push_back(*kept);
            } else if (game.opponentRating >= 0 && game.opponentRating < kFide2024LowestRating &&
                       (game.score == kWinScore || game.score == kDrawScore ||
                        game.score == kLossScore)) {
                ++belowList;  // an opponent who is not on the list
            } else {
                ++damaged;
            }
        }
        noteLeftOut(belowList, messages::kFide2024LeftOutBelowListOne,
                    messages::kFide2024LeftOutBelowListMany);
        noteLeftOut(damaged, messages::kFide2024LeftOutDamagedOne,
                    messages::kFide2024LeftOutDamagedMany);
        if (isBlank(input_.ratingText)) {
            for (std::size_t k = 0; k < input_.games.size(); ++k) {
                result_.details.push_back(
                    listedGame(k, fide2024CountedGame(input_.games[k]).has_value()));
            }
            return fide2024FirstRatingOutcome(counted);
        }
        const std::optional<int> rating = fide2024Rating(input_.ratingText);
        if (!rating) {
            refuse(messages::kFideIncorrect, true);
            return std::nullopt;
        }
        result_.fide2024Coefficient =
            fide2024CoefficientFromText(input_.coefficientText, result_.fide2024Coefficient);
        if (counted.empty()) {
            refuse(messages::kFide2024NoCountedGame, false);
            return std::nullopt;
        }
        const Fide2024Change change =
            fide2024RatedChange(*rating, result_.fide2024Coefficient, counted);
        if (change.coefficient != result_.fide2024Coefficient) {
            result_.coefficientNote =
                filledMessage(messages::kFide2024CoefficientCapped,
                              std::to_string(change.coefficient), std::to_string(change.games));
            result_.notes.push_back(result_.coefficientNote);
        }
        for (std::size_t k = 0; k < input_.games.size(); ++k) {
            GameDetail detail = listedGame(k, fide2024CountedGame(input_.games[k]).has_value());
            if (detail.counted) {
                const Fide2024GameWeight weight = fide2024GameWeight(
                    *rating, change.coefficient, *fide2024CountedGame(input_.games[k]));
                detail.weighed = true;
                detail.difference = weight.difference;
                detail.expected = weight.expectedHundredths / 100.0L;
                detail.change = weight.changeHundredths / 100.0L;
            }
            result_.details.push_back(detail);
        }
        if (change.newRating < kFide2024LowestRating) {
            result_.notice = messages::kFide2024LeavesList;
            result_.notes.emplace_back(messages::kFide2024LeavesList);
        }
        std::string scores = figureText(change.expectedHundredths / 100.0L);
        scores += '/';
        scores += figureText(change.scoreHundredths / 100.0L);
        countedAverage_ = average(change.opponentsSum, change.games);
        return SystemOutcome{{{ResultLabel::performance, integerText(change.change)},
                              {ResultLabel::score, std::move(scores)}},
                             static_cast<double>(change.newRating)};
    }

    std::optional<SystemOutcome> fide2024FirstRatingOutcome(std::span<const Fide2024Game> counted) {
        const Fide2024FirstRating first = fide2024FirstRating(counted);
        switch (first.refusal) {
            case FirstRatingRefusal::TooFewGames:
                refuse(messages::kFide2024TooFewGames, false);
                return std::nullopt;
            case FirstRatingRefusal::ZeroScore:
                refuse(messages::kFide2024ZeroScore, false);
                return std::nullopt;
            case FirstRatingRefusal::BelowList:
                refuse(messages::kFide2024BelowList, false);
                return std::nullopt;
            case FirstRatingRefusal::None:
                break;
        }
        // The figures FIDE computes it from: the average and the score with the two 1800
        // draws, and the change table 8.1.1 gives for that score (1808 = 1713 + 95).
        const long double withDraws =
            (first.opponentsSum + 3600.0L) / static_cast<long double>(first.games + 2);
        countedAverage_ = roundedToDouble(withDraws);
        result_.explanation = filledMessage(
            kFirstRatingExplanation,
            {figureText(first.scoreHundredths / 100.0L + 1), std::to_string(first.games + 2),
             figureText(first.percent / 100.0L), signedText(first.difference),
             figureText(withDraws), std::to_string(first.rating)});
        std::string score = figureText(first.scoreHundredths / 100.0L + 1);
        score += '/';
        score += std::to_string(first.games + 2);
        return SystemOutcome{{{ResultLabel::performance, signedText(first.difference)},
                              {ResultLabel::score, std::move(score)}},
                             static_cast<double>(first.rating)};
    }

    void noteLeftOut(int games, std::string_view one, std::string_view many) {
        if (games == 1) {
            result_.notes.emplace_back(one);
        } else if (games > 1) {
            result_.notes.push_back(filledMessage(many, std::to_string(games)));
        }
    }

    static double average(std::int64_t sum, int count) {
        return roundedToDouble(static_cast<long double>(sum) / count);
    }

    static bool isBlank(std::string_view text) {
        return text.find_first_not_of(' ') == std::string_view::npos;
    }

    // A whole number from 1400 to 3000, in decimal digits with blanks around.
    static std::optional<int> fide2024Rating(std::string_view text) {
        const std::size_t first = text.find_first_not_of(' ');
        const std::size_t last = text.find_last_not_of(' ');
        const std::optional<int> value = readDecimalDigits(text.substr(first, last - first + 1), 4);
        if (!value || *value < kFide2024LowestRating || *value > kFide2024HighestRating) {
            return std::nullopt;
        }
        return value;
    }

    std::optional<SystemOutcome> perf() {
        const int games = totals_.games;
        if (games > kPerformanceMaxGames || games < kPerformanceMinGames) {
            refuse(messages::kPerfGameCount, false);
            return std::nullopt;
        }
        const int bonus = performanceBonus(games, totals_.points);
        const double rating =
            roundedToDouble(static_cast<long double>(totals_.opponentsAverage) + bonus);
        result_.explanation =
            filledMessage(kBonusExplanation,
                          {figureText(totals_.points), std::to_string(games), signedText(bonus),
                           figureText(totals_.opponentsAverage), figureText(rating)});
        return SystemOutcome{{{ResultLabel::score, integerText(bonus)}}, rating};
    }

    const CalculationInput& input_;
    Totals totals_;
    // The average of the games FIDE 2024 counts, when it leaves some out.
    std::optional<double> countedAverage_;
    CalculationResult result_;
};

}  // namespace

CalculationResult calculate(const CalculationInput& input) {
    return Calculation(input).calculate();
}

}  // namespace tavolin
