// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtendedPower.h"

#include <climits>
#include <cmath>

namespace tavolin {

namespace {

long double wholePower(long double base, int exponent) {
    unsigned long remaining = exponent < 0 ? 0UL - static_cast<unsigned long>(exponent)
                                           : static_cast<unsigned long>(exponent);
    long double result = 1;
    long double square = base;
    while (remaining != 0) {
        if (remaining & 1UL) {
            result *= square;
        }
        remaining >>= 1;
        if (remaining != 0) {
            square *= square;
        }
    }
    return exponent < 0 ? 1 / result : result;
}

}  // namespace

long double extendedPower(long double base, long double exponent) {
    if (exponent == 0) {
        return 1;
    }
    if (base == 0 && exponent > 0) {
        return 0;
    }
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= INT_MAX) {
        return wholePower(base, static_cast<int>(exponent));
    }
    return std::pow(base, exponent);
}

}  // namespace tavolin
