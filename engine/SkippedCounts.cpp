// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkippedCounts.h"

#include <numeric>

#include "FilledMessage.h"

namespace tavolin {

std::string skippedCountsText(std::span<const int> counts,
                              std::span<const SkipReasonText> reasons) {
    std::string text;
    for (std::size_t k = 0; k < counts.size() && k < reasons.size(); ++k) {
        if (counts[k] == 0) {
            continue;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += std::to_string(counts[k]) + ' ' +
                std::string((counts[k] == 1 ? reasons[k].one : reasons[k].several).text());
    }
    return text;
}

std::string skippedCountsSummary(std::span<const int> counts,
                                 std::span<const SkipReasonText> reasons, ShownText one,
                                 ShownText several) {
    const int total = std::accumulate(counts.begin(), counts.end(), 0);
    if (total == 0) {
        return {};
    }
    const std::string text = skippedCountsText(counts, reasons);
    return total == 1 ? filledMessage(one, text)
                      : filledMessage(several, std::to_string(total), text);
}

}  // namespace tavolin
