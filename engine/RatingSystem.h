// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "ShownText.h"

namespace tavolin {

// The calculation selected by the five radio buttons; the values are stored in the player file.
enum class RatingSystem : std::int32_t {
    Elo = 1,
    Injes = 2,
    Fide = 3,
    Perf = 4,
    Fide2024 = 5,  // the FIDE regulations in force since 2024, beside the older FIDE rules
};

// The captions beside the result labels, which change with the system, in the language
// shown.
struct ResultCaptions {
    std::string_view score;        // beside the score
    std::string_view performance;  // beside the performance; empty when hidden
    std::string_view newRating;    // beside the new rating
    bool performanceShown = true;
    bool coefficientShown = false;  // the coefficient box and its caption
};

ResultCaptions resultCaptions(RatingSystem system);

// Every system, in the order of the buttons.
inline constexpr RatingSystem kRatingSystems[] = {RatingSystem::Elo, RatingSystem::Injes,
                                                  RatingSystem::Fide, RatingSystem::Perf,
                                                  RatingSystem::Fide2024};

// The system's name on the command line and in lists ("elo", "fide2024"), and its caption
// beside its button ("ELO", "FIDE 2024").
std::string_view systemName(RatingSystem system);
std::string_view systemCaption(RatingSystem system);

// Whether `value` is a stored system (1 to 5).
bool isRatingSystem(std::int32_t value);

// The caption beside the opponents' average, the same for every system.
inline constexpr ShownText kAverageCaption =
    TAVOLIN_TEXT("RatingSystem", "Moyenne des adversaires : ");

}  // namespace tavolin
