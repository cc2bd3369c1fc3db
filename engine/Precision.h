// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <limits>

namespace tavolin {

// Every formula is evaluated in x87 extended precision and rounded to a double only where
// its value is stored; the boundary cases of the rating tables depend on it.
static_assert(std::numeric_limits<long double>::digits == 64,
              "the figures need the 80-bit extended long double of x86");
static_assert(std::numeric_limits<double>::is_iec559,
              "out-of-range values must round to infinity when stored");

// Rounds an extended-precision value to the double in which it is kept.
inline double roundedToDouble(long double value) {
    return static_cast<double>(value);
}

}  // namespace tavolin
