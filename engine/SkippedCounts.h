// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "ShownText.h"

namespace tavolin {

// What an import leaves out, counted by reason, told as the program tells it.

// A reason as told for one game or round, and for several.
struct SkipReasonText {
    ShownText one;
    ShownText several;
};

// `counts[k]` of reason `reasons[k]` each: "2 sans Elo de l'adversaire, 1 partie non
// terminée"; empty when none.
std::string skippedCountsText(std::span<const int> counts, std::span<const SkipReasonText> reasons);

// The sentence that tells them: `one` filled with the text above when a single one was left
// out, `several` with their total and that text otherwise; empty when none.
std::string skippedCountsSummary(std::span<const int> counts,
                                 std::span<const SkipReasonText> reasons, ShownText one,
                                 ShownText several);

}  // namespace tavolin
