// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatingSystem.h"

#include "ShownText.h"

namespace tavolin {

ResultCaptions resultCaptions(RatingSystem system) {
    switch (system) {
        case RatingSystem::Elo:
            return {TAVOLIN_TEXT("RatingSystem", "Pourcentage :").text(),
                    TAVOLIN_TEXT("RatingSystem", "PERFORMANCE :").text(),
                    TAVOLIN_TEXT("RatingSystem", "NOUVEL ELO :").text(), true, false};
        case RatingSystem::Injes:
            return {TAVOLIN_TEXT("RatingSystem", "Pourcentage :").text(),
                    TAVOLIN_TEXT("RatingSystem", "PERFORMANCE :").text(),
                    TAVOLIN_TEXT("RatingSystem", "NOUVEL INJES :").text(), true, false};
        case RatingSystem::Fide:
        case RatingSystem::Fide2024:
            return {TAVOLIN_TEXT("RatingSystem", "Score théorique/réalisé :").text(),
                    TAVOLIN_TEXT("RatingSystem", "Variation :").text(),
                    TAVOLIN_TEXT("RatingSystem", "NOUVEAU FIDE :").text(), true, true};
        case RatingSystem::Perf:
            return {TAVOLIN_TEXT("RatingSystem", "Bonus\\Malus :").text(), "",
                    TAVOLIN_TEXT("RatingSystem", "PERFORMANCE :").text(), false, false};
    }
    return {};
}

std::string_view systemName(RatingSystem system) {
    switch (system) {
        case RatingSystem::Elo:
            return "elo";
        case RatingSystem::Injes:
            return "injes";
        case RatingSystem::Fide:
            return "fide";
        case RatingSystem::Perf:
            return "perf";
        case RatingSystem::Fide2024:
            return "fide2024";
    }
    return {};
}

std::string_view systemCaption(RatingSystem system) {
    switch (system) {
        case RatingSystem::Elo:
            return "ELO";
        case RatingSystem::Injes:
            return "INJES";
        case RatingSystem::Fide:
            return "FIDE";
        case RatingSystem::Perf:
            return "Perf";
        case RatingSystem::Fide2024:
            return "FIDE 2024";
    }
    return {};
}

bool isRatingSystem(std::int32_t value) {
    return value >= static_cast<std::int32_t>(RatingSystem::Elo) &&
           value <= static_cast<std::int32_t>(RatingSystem::Fide2024);
}

}  // namespace tavolin
