// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreToDifference.h"

#include <array>
#include <cmath>

namespace tavolin {

namespace {

struct Threshold {
    long double below;  // p below this...
    int difference;     // ...is worth at most this
};

// Each threshold is the extended value nearest its decimal; p is compared after being
// widened exactly. Rows run from the top down: the last threshold p lies below decides.
constexpr std::array<Threshold, 90> kThresholds{{
    {0.945L, 444},  {0.935L, 422},  {0.925L, 401},  {0.915L, 383},  {0.905L, 366},  {0.895L, 351},
    {0.885L, 336},  {0.875L, 322},  {0.865L, 309},  {0.855L, 296},  {0.845L, 284},  {0.835L, 273},
    {0.825L, 262},  {0.815L, 251},  {0.805L, 240},  {0.795L, 230},  {0.785L, 220},  {0.775L, 211},
    {0.765L, 202},  {0.755L, 193},  {0.745L, 184},  {0.735L, 175},  {0.725L, 166},  {0.715L, 158},
    {0.705L, 149},  {0.695L, 141},  {0.685L, 133},  {0.675L, 125},  {0.665L, 117},  {0.655L, 110},
    {0.645L, 102},  {0.635L, 95},   {0.625L, 87},   {0.615L, 80},   {0.605L, 72},   {0.595L, 65},
    {0.585L, 57},   {0.575L, 50},   {0.565L, 43},   {0.555L, 36},   {0.545L, 29},   {0.535L, 21},
    {0.525L, 14},   {0.515L, 7},    {0.505L, 0},    {0.495L, -7},   {0.485L, -14},  {0.475L, -21},
    {0.465L, -29},  {0.455L, -36},  {0.445L, -43},  {0.435L, -50},  {0.425L, -57},  {0.415L, -65},
    {0.405L, -72},  {0.395L, -80},  {0.385L, -87},  {0.375L, -95},  {0.365L, -102}, {0.355L, -110},
    {0.345L, -117}, {0.335L, -125}, {0.325L, -133}, {0.315L, -141}, {0.305L, -149}, {0.295L, -158},
    {0.285L, -166}, {0.275L, -175}, {0.265L, -184}, {0.255L, -193}, {0.245L, -202}, {0.235L, -211},
    {0.225L, -220}, {0.215L, -230}, {0.205L, -240}, {0.195L, -251}, {0.185L, -262}, {0.175L, -273},
    {0.165L, -284}, {0.155L, -296}, {0.145L, -309}, {0.135L, -322}, {0.125L, -336}, {0.115L, -351},
    {0.105L, -366}, {0.095L, -383}, {0.085L, -401}, {0.075L, -422}, {0.065L, -444}, {0.055L, -470},
}};

constexpr int kCurvePoints = 2 * kLargestDifference + 1;

// Φ(i) for i = -470..470, computed by normalProbability when the program was built.
constexpr long double kDifferenceCurve[kCurvePoints] = {
#include "DifferenceCurve.inc"
};

// The share of the 940 steps from -470 scanned, in whole percent, rounded to the nearest:
// 100 k / 940 = 5 k / 47 is never halfway between two whole numbers (47 is odd), so the
// rounding is exact in integers, without the x87 rounding mode's slow switches.
int scanPercentage(int difference) {
    const int scanned = difference + kLargestDifference;
    return (10 * scanned + 47) / 94;  // 0 to 100
}

}  // namespace

int differenceFromTable(double p) {
    const long double widened = p;
    int difference = kLargestDifference;
    for (const Threshold& threshold : kThresholds) {
        if (widened < threshold.below) {
            difference = threshold.difference;
        }
    }
    return difference;
}

std::span<const long double> differenceCurve() {
    return kDifferenceCurve;
}

int differenceByIntegration(double p, const IntegrationProgress& progress) {
    const long double widened = p;

    // Below Φ(-470) there is no lower candidate; above Φ(470) the scan never stops.
    // The clamps below decide both cases; these starting values only keep them defined.
    int lower = -kLargestDifference;
    long double lowerDistance = INFINITY;
    long double upperDistance = INFINITY;
    for (int i = -kLargestDifference; i <= kLargestDifference; ++i) {
        const long double phi = kDifferenceCurve[i + kLargestDifference];
        if (phi <= widened) {
            lower = i;
            lowerDistance = std::fabs(widened - phi);
        }
        if (phi >= widened) {
            upperDistance = std::fabs(widened - phi);
            break;
        }
        if (progress) {
            progress(scanPercentage(i));
        }
    }

    int difference = lower;
    if (upperDistance < lowerDistance) {
        difference = lower + 1;
    }
    if (widened > 0.949L) {
        difference = kLargestDifference;
    }
    if (widened < 0.051L) {
        difference = -kLargestDifference;
    }
    if (p == 0.5) {
        difference = 0;
    }
    return difference;
}

}  // namespace tavolin
