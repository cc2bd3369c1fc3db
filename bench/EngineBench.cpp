// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the rating engine. Run the optimised build: build/release/bench/tavolin_bench
#include <benchmark/benchmark.h>

#include <thread>
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

// The first call of a process: each thread starts with an empty curve, so every
// iteration runs the first call in a thread of its own.
void BM_DifferenceByIntegrationFirstCall(benchmark::State& state) {
    for (auto _ : state) {
        int difference = 0;
        std::thread([&] { difference = DifferenceByIntegration(kWorstCase); }).join();
        benchmark::DoNotOptimize(difference);
    }
}
BENCHMARK(BM_DifferenceByIntegrationFirstCall)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DifferenceByIntegrationWarm(benchmark::State& state) {
    DifferenceByIntegration(kWorstCase);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DifferenceByIntegration(kWorstCase));
    }
}
BENCHMARK(BM_DifferenceByIntegrationWarm)->Unit(benchmark::kMicrosecond);

void BM_DifferenceFromTable(benchmark::State& state) {
    double p = 0.3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(DifferenceFromTable(p));
    }
}
BENCHMARK(BM_DifferenceFromTable);

void BM_ExpectedScore(benchmark::State& state) {
    double difference = 137;
    for (auto _ : state) {
        benchmark::DoNotOptimize(difference);
        benchmark::DoNotOptimize(ExpectedScore(difference));
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
    calculate(input);  // the curve is computed once per process
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
