// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilledMessage.h"

namespace tavolin {

std::string filledMessage(std::string_view pattern,
                          std::initializer_list<std::string_view> values) {
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const bool placeholder = pattern[at] == '%' && at + 1 < pattern.size() &&
                                 pattern[at + 1] >= '1' && pattern[at + 1] <= '9' &&
                                 static_cast<std::size_t>(pattern[at + 1] - '1') < values.size();
        if (placeholder) {
            text += *(values.begin() + (pattern[++at] - '1'));
        } else {
            text += pattern[at];
        }
    }
    return text;
}

}  // namespace tavolin
