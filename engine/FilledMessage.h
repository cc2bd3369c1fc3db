// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tavolin {

// A message of UserMessages.h with "%1" to "%3" filled in, for the engine and tavolin-calc
// (the windows use QString::arg).
std::string filledMessage(std::string_view pattern, std::string_view first,
                          std::string_view second = {}, std::string_view third = {});

}  // namespace tavolin
