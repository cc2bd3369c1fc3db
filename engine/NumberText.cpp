// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tavolin {

namespace {

constexpr int kShownDigits = 4;

std::string nonFiniteText(long double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    return value > 0 ? "INF" : "-INF";
}

// The significant digits of a positive finite value and the power of ten of the first one.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// First 18 significant digits, correctly rounded, then cut to 4 by looking at the fifth
// alone; results are shown with that double rounding (987.25 -> 987.3).
Decimal fourSignificantDigits(long double magnitude) {
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 17);
    const std::string_view text(buffer, written.ptr - buffer);  // d.ddddddddddddddddde+XX
    const std::size_t e = text.find('e');

    std::string digits;
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            digits += c;
        }
    }
    Decimal result{digits.substr(0, kShownDigits), scientificExponent(text)};

    if (digits[kShownDigits] >= '5') {
        int i = kShownDigits - 1;
        while (i >= 0 && result.digits[i] == '9') {
            result.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++result.digits[i];
        } else {
            result.digits = "1000";
            ++result.exponent;
        }
    }
    while (result.digits.size() > 1 && result.digits.back() == '0') {
        result.digits.pop_back();
    }
    return result;
}

}  // namespace

int scientificExponent(std::string_view text) {
    const std::size_t e = text.find_first_of("eE");
    if (e == std::string_view::npos) {
        return 0;
    }
    std::string_view exponent = text.substr(e + 1);
    if (!exponent.empty() && exponent.front() == '+') {
        exponent.remove_prefix(1);  // from_chars takes a minus sign only
    }
    int value = 0;
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), value);
    return value;
}

long double roundHalfEven(long double value) {
    // nearbyint follows the current rounding mode, which the program never changes
    // from round-to-nearest-even.
    return std::nearbyint(value);
}

std::string integerText(long double whole) {
    if (!std::isfinite(whole)) {
        return nonFiniteText(whole);
    }
    if (whole == 0) {
        return "0";  // no "-0"
    }
    char buffer[5000];  // the largest long double has 4933 digits
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
    return std::string(buffer, written.ptr);
}

std::string resultFigureText(long double value, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    if (value == 0) {
        return "0";
    }
    const Decimal decimal = fourSignificantDigits(std::fabs(value));
    const std::string& digits = decimal.digits;
    const int exponent = decimal.exponent;

    std::string text = value < 0 ? "-" : "";
    if (exponent >= kShownDigits || exponent < -kShownDigits) {
        text += digits[0];
        if (digits.size() > 1) {
            text.append(decimalSeparator).append(digits, 1);
        }
        text += 'E';
        text += std::to_string(exponent);
    } else if (exponent >= 0) {
        const std::size_t integerDigits = exponent + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits)
                .append(decimalSeparator)
                .append(digits, integerDigits);
        }
    } else {
        text += '0';
        text.append(decimalSeparator).append(-exponent - 1, '0').append(digits);
    }
    return text;
}

std::string twoDecimals(long double value, std::string_view decimalSeparator) {
    std::array<char, 64> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                       std::chars_format::fixed, 2);
    std::string text(digits.data(), written.ptr);
    if (text == "-0.00") {
        text = "0.00";
    }
    const std::size_t point = text.find('.');
    return point == std::string::npos ? text : text.replace(point, 1, decimalSeparator);
}

}  // namespace tavolin
