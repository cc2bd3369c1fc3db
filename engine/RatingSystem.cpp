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

}  // namespace tavolin
