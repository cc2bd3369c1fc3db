// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatingSystem.h"

namespace tavolin {

ResultCaptions resultCaptions(RatingSystem system) {
    switch (system) {
        case RatingSystem::Elo:
            return {"Pourcentage :", "PERFORMANCE :", "NOUVEL ELO :", true, false};
        case RatingSystem::Injes:
            return {"Pourcentage :", "PERFORMANCE :", "NOUVEL INJES :", true, false};
        case RatingSystem::Fide:
        case RatingSystem::Fide2024:
            return {"Score théorique/réalisé :", "Variation :", "NOUVEAU FIDE :", true, true};
        case RatingSystem::Perf:
            return {"Bonus\\Malus :", "", "PERFORMANCE :", false, false};
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
