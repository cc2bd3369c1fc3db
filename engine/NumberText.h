// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tavolin {

// The power of ten of a number in scientific form ("1.6e+03" -> 3), read from the text's own
// characters only (a buffer filled by std::to_chars has no terminating zero); 0 without one.
int scientificExponent(std::string_view text);

// Rounds to the nearest whole number, an exact half going to the even neighbour (152.5 -> 152).
// The result stays a floating-point value so that NaN and infinities pass through unharmed.
long double roundHalfEven(long double value);

// The decimal digits of a whole number, with "-" when negative; "NAN", "INF", "-INF" for
// values that are not finite. The value must already be whole (see roundHalfEven).
std::string integerText(long double whole);

// The text of a result figure: at most 4 significant digits, trailing zeros dropped,
// exponent form from 10000 up and below 0.0001, e.g. 987,3  1523  1,125E4  0,5.
std::string resultFigureText(long double value, std::string_view decimalSeparator);

// Two decimals, with `decimalSeparator`: 11,40  -4,00  0,00 (never "-0,00").
std::string twoDecimals(long double value, std::string_view decimalSeparator);

}  // namespace tavolin
