// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Fide2024.h"
#include "FideCoefficient.h"
#include "GameEntry.h"
#include "RatingSystem.h"
#include "ScoreToDifference.h"

namespace tavolin {

// "CALCUL": from the fields of the main window to the texts of its four result labels.

enum class ResultLabel { average, score, performance, newRating };

struct LabelText {
    ResultLabel label;
    std::string text;
    bool operator==(const LabelText&) const = default;
};

// How one game counted in the calculation, for the detail of it.
struct GameDetail {
    int number = 0;  // 1 to 50, as listed
    double opponentRating = 0;
    double score = 0;      // 1, 0.5 or 0
    bool counted = false;  // FIDE 2024 leaves some out
    // FIDE and a rated FIDE 2024 player only: the difference used (FIDE 2024 after its
    // 400-point rule), the expected score and the change K × (score − expected).
    bool weighed = false;
    long double difference = 0;
    long double expected = 0;
    long double change = 0;
};

struct CalculationInput {
    std::string_view ratingText;                            // the rating field, as typed
    std::span<const GameEntry> games;                       // the games listed, oldest first
    bool young = false;                                     // "Jeune" is ticked
    std::string_view coefficientText;                       // the coefficient box, for FIDE
    int fideCoefficient = kDefaultFideCoefficient;          // in force before the calculation
    int fide2024Coefficient = kFide2024DefaultCoefficient;  // likewise, for FIDE 2024
    RatingSystem system = RatingSystem::Elo;
    bool interpolation = false;  // ELO and INJES convert by the normal curve
    bool roundToTens = false;    // the new rating is rounded to the tens
    std::string_view decimalSeparator = ",";
    IntegrationProgress progress;  // the normal curve's scan, when one runs
};

struct CalculationResult {
    // The label texts in the order they are written; none when the calculation stopped.
    std::vector<LabelText> labels;
    // A message for the warning box, shown when not empty.
    std::string message;
    // A warning shown after the labels are written (a new FIDE rating below the list).
    std::string notice;
    // What the figures left out or warn of, one line each, shown under them: the games the
    // FIDE 2024 rules did not count, then the notice.
    std::vector<std::string> notes;
    // The K factor FIDE 2024 used when it is not the box's (at most 700 / games):
    // "K 35 (700 / 20 parties)"; empty otherwise. It is also among the notes.
    std::string coefficientNote;
    // Every game listed and how it counted; empty when the calculation stopped.
    std::vector<GameDetail> details;
    // How the figure was reached, in one sentence, where no game weighs on its own (ELO,
    // INJES, Perf, a first FIDE 2024 rating); empty otherwise.
    std::string explanation;
    // The rating field is emptied after the message.
    bool clearRating = false;
    // FideCoefficient after the calculation, and the FIDE 2024 one.
    int fideCoefficient = kDefaultFideCoefficient;
    int fide2024Coefficient = kFide2024DefaultCoefficient;
};

CalculationResult calculate(const CalculationInput& input);

}  // namespace tavolin
