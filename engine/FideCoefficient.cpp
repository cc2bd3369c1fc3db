// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideCoefficient.h"

#include <algorithm>
#include <string>

namespace tavolin {

namespace {

constexpr std::array<int, 3> kFideCoefficients{25, 15, 10};

}  // namespace

int coefficientFromText(std::string_view text, std::span<const int> allowed, int inForce) {
    for (const int coefficient : allowed) {
        if (text == std::to_string(coefficient)) {
            return coefficient;
        }
    }
    return inForce;
}

int coefficientFromStored(std::int32_t stored, std::span<const int> allowed, int fallback) {
    return std::find(allowed.begin(), allowed.end(), stored) != allowed.end() ? stored : fallback;
}

int fideCoefficientFromText(std::string_view text, int inForce) {
    return coefficientFromText(text, kFideCoefficients, inForce);
}

int fideCoefficientFromStored(std::int32_t stored) {
    return coefficientFromStored(stored, kFideCoefficients, kDefaultFideCoefficient);
}

}  // namespace tavolin
