#pragma once

#include <string>
#include <string_view>

namespace tavolin {

// A message of engine/Messages.h with "%1" to "%3" filled in.
std::string filledMessage(std::string_view pattern, std::string_view first,
                          std::string_view second = {}, std::string_view third = {});

}  // namespace tavolin
