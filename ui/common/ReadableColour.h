// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <initializer_list>

namespace tavolin {

// Text that everyone can read: the contrast of a text's colour against what lies behind it,
// as the accessibility guidelines measure it, from 1 (the same colour) to 21 (black on white).
inline constexpr double kReadableContrast = 4.5;

// The share of light a colour gives, from 0 (black) to 1 (white), as the eye weighs red,
// green and blue.
double relativeLuminance(const QColor& colour);
double contrastRatio(const QColor& first, const QColor& second);

// `wanted` itself when it reads at kReadableContrast against each of `backgrounds`; otherwise
// the same hue made darker over light backgrounds, lighter over dark ones, just enough.
QColor readableColour(const QColor& wanted, std::initializer_list<QColor> backgrounds);

// Whether text of the palette's own colours should be light: the background is dark.
bool isDark(const QColor& background);

}  // namespace tavolin
