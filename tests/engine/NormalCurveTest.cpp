// SPDX-License-Identifier: GPL-3.0-or-later
#include "NormalCurve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "ExtendedPower.h"

namespace tavolin {
namespace {

bool sameBits(long double a, long double b) {
    // Compare the 80 significant bits, not the padding.
    return std::memcmp(&a, &b, 10) == 0;
}

TEST(NormalCurveTest, EvaluatingEachPointOnceGivesTheSameBitsForEveryDifference) {
    for (int i = -470; i <= 470; ++i) {
        const double u = differenceToStandardUnits(i);
        ASSERT_TRUE(sameBits(normalProbability(u, kDifferenceRule),
                             normalProbabilityStepByStep(u, kDifferenceRule)))
            << "difference " << i;
    }
}

TEST(NormalCurveTest, EvaluatingEachPointOnceGivesTheSameExpectedScores) {
    for (double u : {-10.0, -3.5, -0.70721357850070721, 0.0, 0.0035, 0.7072135785, 2.5, 12.0}) {
        ASSERT_TRUE(sameBits(normalProbability(u, kExpectedScoreRule),
                             normalProbabilityStepByStep(u, kExpectedScoreRule)))
            << "u " << u;
    }
}

TEST(NormalCurveTest, IsTheNormalDistribution) {
    // Within the error of the ten-decimal e and 300 steps.
    EXPECT_NEAR(normalProbability(0, kDifferenceRule), 0.5, 1e-6);
    EXPECT_NEAR(normalProbability(1, kDifferenceRule), 0.8413447, 1e-4);
    EXPECT_NEAR(normalProbability(-1.96, kDifferenceRule), 0.0249979, 1e-4);
    // The ends of the scan: Φ(-470) about 0.0483, Φ(470) about 0.9517.
    EXPECT_NEAR(normalProbability(differenceToStandardUnits(-470), kDifferenceRule), 0.0483, 1e-4);
    EXPECT_NEAR(normalProbability(differenceToStandardUnits(470), kDifferenceRule), 0.9517, 1e-4);
}

TEST(NormalCurveTest, StandardUnitsDivideBySquareRootOf80000) {
    EXPECT_EQ(differenceToStandardUnits(0), 0.0);
    EXPECT_NEAR(differenceToStandardUnits(470), 470 / 282.842712474619, 1e-15);
    EXPECT_EQ(differenceToStandardUnits(-200), -differenceToStandardUnits(200));
}

TEST(ExtendedPowerTest, ComputesWholePowersByMultiplication) {
    EXPECT_EQ(extendedPower(2, 10), 1024);
    EXPECT_EQ(extendedPower(2, -2), 0.25L);
    EXPECT_EQ(extendedPower(0, 3), 0);
    EXPECT_EQ(extendedPower(5, 0), 1);
    EXPECT_EQ(extendedPower(0, 0), 1);
    EXPECT_EQ(extendedPower(-2, 3), -8);
    // e^-5000 is far below a double but still an extended number.
    const long double tiny = extendedPower(2.718281828L, -5000);
    EXPECT_GT(tiny, 0);
    EXPECT_EQ(static_cast<double>(tiny), 0.0);
}

TEST(ExtendedPowerTest, TakesOtherExponentsThroughPow) {
    EXPECT_EQ(extendedPower(2.718281828L, -0.125L), std::pow(2.718281828L, -0.125L));
    EXPECT_EQ(extendedPower(2.718281828L, -1e12L), 0);  // whole but beyond 32 bits
    EXPECT_EQ(extendedPower(2.718281828L, -INFINITY), 0);
    EXPECT_TRUE(std::isnan(extendedPower(2.718281828L, NAN)));
}

}  // namespace
}  // namespace tavolin
