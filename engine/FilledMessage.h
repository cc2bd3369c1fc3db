// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tavolin {

// A message of UserMessages.h with "%1" to "%9" filled in, for the engine and tavolin-calc
// (the windows use QString::arg). A number without its value stays as written.
std::string filledMessage(std::string_view pattern, std::initializer_list<std::string_view> values);

inline std::string filledMessage(std::string_view pattern, std::string_view first,
                                 std::string_view second = {}, std::string_view third = {}) {
    return filledMessage(pattern, {first, second, third});
}

}  // namespace tavolin
