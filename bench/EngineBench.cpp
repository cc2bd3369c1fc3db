// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the rating engine. Run the optimised build: build/release/bench/tavolin_bench
#include <benchmark/benchmark.h>

#include <vector>

#include "Calculation.h"
#include "DifferenceToScore.h"
#include "NormalCurve.h"
#include "ScoreToDifference.h"

namespace {

using namespace tavolin;

// The worst case: above Φ(470) the scan goes through every difference.
constexpr double kWorstCase = 0.96;

// The scan written out as the conversion was first written: every Φ(i) from scratch,
// two powers per trapezoid step.
void BM_ScanStepByStep(benchmark::State& state) {
    for (auto _ : state) {
        int lower = 0;
        for (int i = -470; i <= 470; ++i) {
            const long double phi =
                normalProbabilityStepByStep(differenceToStandardUnits(i), kDifferenceRule);
            if (phi <= kWorstCase) {
                lower = i;
            }
            if (phi >= kWorstCase) {
                break;
            }
        }
        benchmark::DoNotOptimize(lower);
    }
}
BENCHMARK(BM_ScanStepByStep)->Unit(benchmark::kMillisecond);

void BM_DifferenceByIntegration(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(differenceByIntegration(kWorstCase));
    }
}
BENCHMARK(BM_DifferenceByIntegration)->Unit(benchmark::kMicrosecond);

// "CALCUL" as the window makes it with "Interpolation" on: ELO, four games at 62.5 %.
CalculationInput interpolatedCalculation(const std::vector<GameEntry>& games) {
    CalculationInput input;
    input.system = RatingSystem::Elo;
    input.ratingText = "1500";
    input.games = games;
    input.interpolation = true;
    input.progress = [](int percent) { benchmark::DoNotOptimize(percent); };
    return input;
}

const std::vector<GameEntry> kFourGames{{1850, 1}, {1700, 0.5}, {2010, 0}, {1600, 1}};

// Cold: before each calculation 64 MiB are written over, so that neither the curve nor the
// code is left in any cache, as after the user's pause before pressing "CALCUL".
void BM_InterpolatedCalculationCold(benchmark::State& state) {
    std::vector<char> evictor(64 << 20);
    const CalculationInput input = interpolatedCalculation(kFourGames);
    for (auto _ : state) {
        state.PauseTiming();
        for (std::size_t k = 0; k < evictor.size(); k += 64) {
            evictor[k] = static_cast<char>(evictor[k] + 1);
        }
        benchmark::ClobberMemory();
        state.ResumeTiming();
        benchmark::DoNotOptimize(calculate(input));
    }
}
BENCHMARK(BM_InterpolatedCalculationCold)->Unit(benchmark::kMicrosecond);

void BM_InterpolatedCalculationWarm(benchmark::State& state) {
    const CalculationInput input = interpolatedCalculation(kFourGames);
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculate(input));
    }
}
BENCHMARK(BM_InterpolatedCalculationWarm)->Unit(benchmark::kMicrosecond);

void BM_DifferenceFromTable(benchmark::State& state) {
    double p = 0.3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(differenceFromTable(p));
    }
}
BENCHMARK(BM_DifferenceFromTable);

void BM_ExpectedScore(benchmark::State& state) {
    double difference = 137;
    for (auto _ : state) {
        benchmark::DoNotOptimize(difference);
        benchmark::DoNotOptimize(expectedScore(difference));
    }
}
BENCHMARK(BM_ExpectedScore)->Unit(benchmark::kMicrosecond);

void calculationOfFiftyGames(benchmark::State& state, RatingSystem system, bool interpolation) {
    std::vector<GameEntry> games;
    for (int k = 0; k < 50; ++k) {
        games.push_back({1500.0 + 10 * k, k % 3 == 0 ? 1.0 : (k % 3 == 1 ? 0.5 : 0.0)});
    }
    CalculationInput input;
    input.system = system;
    input.ratingText = "1650";
    input.games = games;
    input.interpolation = interpolation;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculate(input));
    }
}

void eloCalculationOfFiftyGames(benchmark::State& state, bool interpolation) {
    calculationOfFiftyGames(state, RatingSystem::Elo, interpolation);
}

void BM_EloCalculationFiftyGames(benchmark::State& state) {
    eloCalculationOfFiftyGames(state, false);
}

// The older FIDE rules integrate the normal curve for each game's expected score; the 2024
// rules look it up in a table of 50 rows.
void BM_FideCalculationFiftyGames(benchmark::State& state) {
    calculationOfFiftyGames(state, RatingSystem::Fide, false);
}
BENCHMARK(BM_FideCalculationFiftyGames)->Unit(benchmark::kMicrosecond);

void BM_Fide2024CalculationFiftyGames(benchmark::State& state) {
    calculationOfFiftyGames(state, RatingSystem::Fide2024, false);
}
BENCHMARK(BM_Fide2024CalculationFiftyGames)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EloCalculationFiftyGames)->Unit(benchmark::kMicrosecond);

void BM_EloCalculationFiftyGamesInterpolated(benchmark::State& state) {
    eloCalculationOfFiftyGames(state, true);
}
BENCHMARK(BM_EloCalculationFiftyGamesInterpolated)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
