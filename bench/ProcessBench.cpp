// SPDX-License-Identifier: GPL-3.0-or-later
// What a user waits for at each call of tavolin-calc: a fresh process each time, from its
// start to its end, for a trivial calculation, for the normal curve's worst case and for the
// listing of a PGN file's 100,000 players (bench/GeneratedPgn), side by side in one run, with
// the most memory each process held. Run the optimised build:
// build/release/bench/tavolin_process_bench.
// With TAVOLIN_CALC_BEFORE=/path/to/another/tavolin-calc, each case runs that one too, just
// before this build's, to compare two versions on the same machine at the same moment.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "GeneratedPgn.h"

extern char** environ;

namespace {

struct Case {
    const char* name;
    std::vector<std::string> arguments;
};

std::vector<Case> cases() {
    return {
        {"trivial", {"-r", "1500", "1600+"}},
        // Above Φ(470) the scan reads the whole curve.
        {"worst_integration", {"-i", "--difference", "0.96"}},
        {"interpolated_calculation", {"-i", "-r", "1500", "1850+", "1700=", "2010-", "1600+"}},
        {"pgn_listing_100000_players",
         {"--pgn", tavolin::bench::generatedPgnFile(tavolin::bench::benchPgnMegabytes(), 100000,
                                                    tavolin::bench::PgnLayout::Tournaments)}},
    };
}

// Starts `program` with `arguments`, its output thrown away, and waits for its end; gives
// the most memory it held, in kilobytes.
long runProcess(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::string> words{program};
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
    rusage usage{};
    if (failed != 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error("did not run: " + program);
    }
    return usage.ru_maxrss;
}

double best(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

}  // namespace

// Each case: seven processes, one at a time; the best and the median are reported.
int main(int argc, char* argv[]) {
    std::vector<std::pair<std::string, std::string>> programs;
    if (const char* before = std::getenv("TAVOLIN_CALC_BEFORE")) {
        programs.emplace_back("before/", before);
    }
    programs.emplace_back("", TAVOLIN_CALC_PATH);
    for (const Case& test : cases()) {
        for (const auto& [prefix, program] : programs) {
            benchmark::RegisterBenchmark((prefix + test.name).c_str(),
                                         [program = program, test](benchmark::State& state) {
                                             long kilobytes = 0;
                                             for (auto _ : state) {
                                                 kilobytes = runProcess(program, test.arguments);
                                             }
                                             state.counters["max_rss_MB"] =
                                                 static_cast<double>(kilobytes) / 1024;
                                         })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Iterations(1)
                ->Repetitions(7)
                ->ComputeStatistics("best", best)
                ->ReportAggregatesOnly(true);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
