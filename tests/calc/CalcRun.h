// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "CalcCommandLine.h"

namespace tavolin {

// What a run of tavolin-calc printed, and its exit status.
struct CalcRun {
    int status;
    std::string out;
    std::string err;
};

inline CalcRun calc(std::vector<std::string_view> arguments,
                    std::string_view localeSeparator = ",") {
    std::ostringstream out, err;
    const int status = runCalcCommandLine(arguments, localeSeparator, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace tavolin
