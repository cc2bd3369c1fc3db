// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "ShownText.h"

namespace tavolin {

// Runs tavolin-calc with its arguments (the program name left out) and returns the exit
// status: 0 done, 1 the calculation or a game was refused, 2 the command line is wrong.
// `localeDecimalSeparator` is used unless -d gives another.
int runCalcCommandLine(std::span<const std::string_view> arguments,
                       std::string_view localeDecimalSeparator, std::ostream& out,
                       std::ostream& err);

extern const ShownText kCalcUsage;

}  // namespace tavolin
