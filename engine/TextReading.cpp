// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextReading.h"

#include <locale.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "Precision.h"

namespace tavolin {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexDigitValue(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::size_t skipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    return at;
}

}  // namespace

WholeNumber readWholeNumber(std::string_view text) {
    std::size_t at = skipBlanks(text, 0);
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }

    int base = 10;
    if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
        base = 16;
        ++at;
    } else if (at + 1 < text.size() && text[at] == '0' &&
               (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        base = 16;
        at += 2;
    }

    // The magnitude may reach 2^31 only for a negative number.
    const std::int64_t limit =
        std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    std::int64_t magnitude = 0;
    std::size_t digitCount = 0;
    for (; at < text.size(); ++at) {
        const int digit =
            base == 16 ? hexDigitValue(text[at]) : (isDigit(text[at]) ? text[at] - '0' : -1);
        if (digit < 0) {
            break;
        }
        const std::int64_t next = magnitude * base + digit;
        if (next > limit) {
            break;  // too large: reading stops here, as at any other bad character
        }
        magnitude = next;
        ++digitCount;
    }

    WholeNumber result;
    result.value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    result.complete = digitCount > 0 && at == text.size();
    return result;
}

std::optional<int> readDecimalDigits(std::string_view text, std::size_t longest) {
    if (text.empty() || text.size() > longest || longest > 9 ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

RatingText readRatingText(std::string_view text) {
    std::size_t at = skipBlanks(text, 0);
    const std::size_t numberStart = at;
    long double digitsRead = 0;  // what an unreadable text is taken for
    auto readDigits = [&]() {
        const std::size_t start = at;
        while (at < text.size() && isDigit(text[at])) {
            digitsRead = digitsRead * 10 + (text[at] - '0');
            ++at;
        }
        return at - start;
    };
    auto failAt = [&](std::size_t position) {
        return RatingText{roundedToDouble(digitsRead), static_cast<int>(position) + 1};
    };

    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    std::size_t mantissaDigits = readDigits();
    if (at < text.size() && text[at] == '.') {
        ++at;
        mantissaDigits += readDigits();
    }
    if (mantissaDigits == 0) {
        return failAt(at);
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            ++at;
        }
        if (readDigits() == 0) {
            return failAt(at);
        }
    }
    if (at != text.size()) {
        return failAt(at);
    }

    // The text is a well-formed number: convert it correctly rounded to extended precision,
    // whatever the process locale says a decimal point is.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string number(text.substr(numberStart));
    const long double value = strtold_l(number.c_str(), nullptr, cLocale);
    return RatingText{roundedToDouble(value), 0};
}

std::optional<int> nearestWholeOfFigure(std::string_view text, std::string_view decimalSeparator) {
    std::string withPoint(text);
    if (!decimalSeparator.empty()) {
        if (const std::size_t at = withPoint.find(decimalSeparator); at != std::string::npos) {
            withPoint.replace(at, decimalSeparator.size(), ".");
        }
    }
    const RatingText figure = readRatingText(withPoint);
    constexpr long double kLargest = 1e6L;  // far beyond any rating, far within int
    if (withPoint.empty() || figure.errorPosition != 0 || !(std::fabs(figure.value) <= kLargest)) {
        return std::nullopt;
    }
    return static_cast<int>(std::floor(static_cast<long double>(figure.value) + 0.5L));
}

}  // namespace tavolin
