// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the tags of a large PGN file against counting its lines with memchr, the fastest a
// reader that looks at every byte can go; and the memory the reading takes. Two files of
// TAVOLIN_BENCH_PGN_MB megabytes (100 by default), made once in /tmp: one between 500
// players, two between 100,000 players with French names, where each distinct name's key
// must not be worked out again at each of its games: met event by event as in a database,
// and scattered through the file, the worst case for the memory's caches.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <QFile>
#include <QString>
#include <cstdio>
#include <cstring>
#include <string>

#include "GeneratedPgn.h"
#include "PgnFile.h"
#include "PgnImport.h"
#include "PlayerNames.h"

namespace {

using namespace tavolin;

constexpr int kFewPlayers = 500;
constexpr int kManyPlayers = 100000;

// The file of the case's two arguments: its number of players, and whether they are
// scattered through it rather than met event by event.
std::string benchFile(const benchmark::State& state) {
    return bench::generatedPgnFile(
        bench::benchPgnMegabytes(), static_cast<int>(state.range(0)),
        state.range(1) != 0 ? bench::PgnLayout::Scattered : bench::PgnLayout::Tournaments);
}

void fileCases(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"players", "scattered"})
        ->Args({kFewPlayers, 0})
        ->Args({kManyPlayers, 0})
        ->Args({kManyPlayers, 1})
        ->Unit(benchmark::kMillisecond);
}

long maxResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double heapInUseMegabytes() {
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<double>(heap.uordblks + heap.hblkhd) / 1e6;
}

void setFileCounters(benchmark::State& state, const std::string& path) {
    QFile file(QString::fromStdString(path));
    state.SetBytesProcessed(state.iterations() * file.size());
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
}

void BM_CountLinesWithMemchr(benchmark::State& state) {
    const std::string path = benchFile(state);
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        static char buffer[64 * 1024];
        long lines = 0;
        std::size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            const char* at = buffer;
            const char* end = buffer + count;
            while ((at = static_cast<const char*>(std::memchr(at, '\n', end - at))) != nullptr) {
                ++lines;
                ++at;
            }
        }
        std::fclose(file);
        benchmark::DoNotOptimize(lines);
    }
    setFileCounters(state, path);
}
BENCHMARK(BM_CountLinesWithMemchr)->Apply(fileCases);

// The reading of the import dialog: every game's players counted. The heap the list holds
// once the file is read grows with the players, never with the file.
void BM_ReadPgnTags(benchmark::State& state) {
    const std::string path = benchFile(state);
    const long before = maxResidentKilobytes();
    const double heapBefore = heapInUseMegabytes();
    double listHeap = 0;
    std::size_t players = 0;
    for (auto _ : state) {
        PgnPlayerList list(utf8NameKey);
        PgnReader reader([&](const PgnGameTags& game) { list.add(game); });
        benchmark::DoNotOptimize(readPgnFile(QString::fromStdString(path), reader));
        players = list.players().size();
        listHeap = heapInUseMegabytes() - heapBefore;
    }
    setFileCounters(state, path);
    state.counters["players"] = static_cast<double>(players);
    state.counters["list_heap_MB"] = listHeap;
    state.counters["max_rss_growth_MB"] =
        static_cast<double>(maxResidentKilobytes() - before) / 1024;
}
BENCHMARK(BM_ReadPgnTags)->Apply(fileCases);

// The reader alone, each game only counted.
void BM_ReadPgnTagsOnly(benchmark::State& state) {
    const std::string path = benchFile(state);
    for (auto _ : state) {
        long games = 0;
        PgnReader reader([&](const PgnGameTags&) { ++games; });
        benchmark::DoNotOptimize(readPgnFile(QString::fromStdString(path), reader));
        benchmark::DoNotOptimize(games);
    }
}
BENCHMARK(BM_ReadPgnTagsOnly)->Apply(fileCases);

}  // namespace
