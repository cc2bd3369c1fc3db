// SPDX-License-Identifier: GPL-3.0-or-later
#include "NormalCurve.h"

#include <cmath>

#include "ExtendedPower.h"
#include "Precision.h"

namespace tavolin {

namespace {

constexpr long double kE = 2.718281828L;  // ten decimals, not the exact e
constexpr long double kTwoPi = 6.283185307179586477L;

long double density(double x) {
    return extendedPower(kE, (-0.5L * x) * x);
}

long double toProbability(double sum) {
    return sum / std::sqrt(kTwoPi);
}

double stepWidth(double u, TrapezoidRule rule) {
    return roundedToDouble((static_cast<long double>(u) - rule.lowerBound) / rule.steps);
}

}  // namespace

long double normalProbability(double u, TrapezoidRule rule) {
    const double h = stepWidth(u, rule);
    double x = rule.lowerBound;
    double sum = 0;
    double left = roundedToDouble(density(x));
    for (int step = 0; step < rule.steps; ++step) {
        x = roundedToDouble(static_cast<long double>(x) + h);
        const long double right = density(x);
        sum = roundedToDouble((right + left) * (h / 2.0L) + sum);
        left = roundedToDouble(right);
    }
    return toProbability(sum);
}

long double normalProbabilityStepByStep(double u, TrapezoidRule rule) {
    const double h = stepWidth(u, rule);
    double x = rule.lowerBound;
    double sum = 0;
    for (int step = 0; step < rule.steps; ++step) {
        const double f1 = roundedToDouble(density(x));
        x = roundedToDouble(static_cast<long double>(x) + h);
        const long double f2 = density(x);
        sum = roundedToDouble((f2 + f1) * (h / 2.0L) + sum);
    }
    return toProbability(sum);
}

double differenceToStandardUnits(int difference) {
    return roundedToDouble(difference / std::sqrt(80000.0L));
}

}  // namespace tavolin
