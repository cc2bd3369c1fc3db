// SPDX-License-Identifier: GPL-3.0-or-later
// What a user waits for at each call of tavolin-calc: a fresh process each time, from its
// start to its end, for a trivial calculation and for the normal curve's worst case, side by
// side in one run. Run the optimised build: build/release/bench/tavolin_process_bench
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Starts tavolin-calc with `arguments`, its output thrown away, and waits for its end.
void runCalc(const std::vector<std::string>& arguments) {
    std::vector<std::string> words{TAVOLIN_CALC_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int failed = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (failed != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error("tavolin-calc did not run: " + std::string(TAVOLIN_CALC_PATH));
    }
}

void BM_FreshProcess(benchmark::State& state, const std::vector<std::string>& arguments) {
    for (auto _ : state) {
        runCalc(arguments);
    }
}

double best(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

// Each case: seven processes, one at a time; the best and the median are reported.
void asSevenProcesses(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(7)
        ->ComputeStatistics("best", best)
        ->ReportAggregatesOnly(true);
}

BENCHMARK_CAPTURE(BM_FreshProcess, trivial, std::vector<std::string>{"-r", "1500", "1600+"})
    ->Apply(asSevenProcesses);
// Above Φ(470) the scan reads the whole curve.
BENCHMARK_CAPTURE(BM_FreshProcess, worst_integration,
                  std::vector<std::string>{"-i", "--difference", "0.96"})
    ->Apply(asSevenProcesses);
BENCHMARK_CAPTURE(BM_FreshProcess, interpolated_calculation,
                  std::vector<std::string>{"-i", "-r", "1500", "1850+", "1700=", "2010-", "1600+"})
    ->Apply(asSevenProcesses);

}  // namespace

BENCHMARK_MAIN();
