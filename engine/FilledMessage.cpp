// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilledMessage.h"

namespace tavolin {

std::string filledMessage(std::string_view pattern, std::string_view first, std::string_view second,
                          std::string_view third) {
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' &&
            pattern[at + 1] <= '3') {
            const char which = pattern[++at];
            text += which == '1' ? first : which == '2' ? second : third;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

}  // namespace tavolin
