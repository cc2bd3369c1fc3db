// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <span>

namespace tavolin {

// The rating difference, -470 to 470, that a score fraction p (points / games) is worth.

// By the threshold table, whole percentage by whole percentage.
int differenceFromTable(double p);

// Told the percentage of the scan done, for the progress text beside the new rating.
using IntegrationProgress = std::function<void(int percent)>;

// By the normal curve: the difference whose probability lies closest to p (a tie goes to
// the lower difference), clamped to ±470 near the ends and to 0 for exactly one half. The
// scan reads the curve from differenceCurve(), so the first call is as fast as the next.
int differenceByIntegration(double p, const IntegrationProgress& progress = {});

// Φ(i) for i = -470..470: normalProbability(differenceToStandardUnits(i), kDifferenceRule),
// computed when the program was built.
std::span<const long double> differenceCurve();

inline constexpr int kLargestDifference = 470;

}  // namespace tavolin
