// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace tavolin {

// The rating difference, -470 to 470, that a score fraction p (points / games) is worth.

// By the threshold table, whole percentage by whole percentage.
int DifferenceFromTable(double p);

// Told the percentage of the scan done, for the progress text beside the new rating.
using IntegrationProgress = std::function<void(int percent)>;

// By the normal curve: the difference whose probability lies closest to p (a tie goes to
// the lower difference), clamped to ±470 near the ends and to 0 for exactly one half.
// The first call in a process computes the curve as it scans; later calls reuse it.
int DifferenceByIntegration(double p, const IntegrationProgress& progress = {});

inline constexpr int kLargestDifference = 470;

}  // namespace tavolin
