#include "RatingSystem.h"

namespace tavolin {

std::optional<RatingSystem> ratingSystemFromValue(std::int32_t value) {
    if (value < 1 || value > 4) {
        return std::nullopt;
    }
    return static_cast<RatingSystem>(value);
}

ResultCaptions resultCaptions(RatingSystem system) {
    switch (system) {
        case RatingSystem::Elo:
            return {"Pourcentage :", "PERFORMANCE :", "NOUVEL ELO :", true, false};
        case RatingSystem::Injes:
            return {"Pourcentage :", "PERFORMANCE :", "NOUVEL INJES :", true, false};
        case RatingSystem::Fide:
            return {"Score théorique/réalisé :", "Variation :", "NOUVEAU FIDE :", true, true};
        case RatingSystem::Perf:
            return {"Bonus\\Malus :", "", "PERFORMANCE :", false, false};
    }
    return {};
}

}  // namespace tavolin
