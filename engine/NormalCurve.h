// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavolin {

// The normal distribution function as the program computes it: the trapezoidal rule over
// the density exp(-x²/2) (with e taken as 2.718281828) from `lowerBound` to u in `steps`
// steps, divided by √(2π). The sum is kept in a double after every step; the returned
// probability is unrounded extended precision.
struct TrapezoidRule {
    double lowerBound;
    int steps;
};

// The score-to-difference conversion: from -10 in 300 steps.
inline constexpr TrapezoidRule kDifferenceRule{-10.0, 300};
// The expected score of a rating difference: from -100 in 1000 steps.
inline constexpr TrapezoidRule kExpectedScoreRule{-100.0, 1000};

// Evaluates the density once per point: each step's right-hand value, rounded to a double,
// is the next step's left-hand value, so the figures are those of the step-by-step rule.
long double normalProbability(double u, TrapezoidRule rule);

// The rule written out step by step, evaluating the density twice per step; kept as the
// reference that normalProbability is checked and measured against.
long double normalProbabilityStepByStep(double u, TrapezoidRule rule);

// u for a rating difference in the score-to-difference conversion: i / √80000, stored.
double differenceToStandardUnits(int difference);

}  // namespace tavolin
