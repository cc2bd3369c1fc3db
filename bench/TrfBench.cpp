// SPDX-License-Identifier: GPL-3.0-or-later
// Reading tournament reports against counting their lines with memchr, and against the PGN
// reader on a PGN file of the same size: TAVOLIN_BENCH_PGN_MB megabytes of each (100 by
// default), made once in /tmp. The reports are 2,000-player events one after the other, each
// read on its own as the import reads one file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "GeneratedPgn.h"
#include "GeneratedTrf.h"
#include "PgnReader.h"
#include "TrfImport.h"
#include "TrfReader.h"

namespace {

using namespace tavolin;

std::string wholeFile(const std::string& path) {
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    char buffer[64 * 1024];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, count);
    }
    std::fclose(file);
    return bytes;
}

const std::string& trfBytes() {
    static const std::string bytes = wholeFile(bench::generatedTrfFile(bench::benchPgnMegabytes()));
    return bytes;
}

const std::string& pgnBytes() {
    static const std::string bytes = wholeFile(
        bench::generatedPgnFile(bench::benchPgnMegabytes(), 500, bench::PgnLayout::Tournaments));
    return bytes;
}

void setBytes(benchmark::State& state, const std::string& bytes) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["file_MB"] = static_cast<double>(bytes.size()) / 1e6;
}

void BM_CountTrfLinesWithMemchr(benchmark::State& state) {
    const std::string& bytes = trfBytes();
    for (auto _ : state) {
        long lines = 0;
        const char* at = bytes.data();
        const char* const end = at + bytes.size();
        while ((at = static_cast<const char*>(std::memchr(at, '\n', end - at))) != nullptr) {
            ++lines;
            ++at;
        }
        benchmark::DoNotOptimize(lines);
    }
    setBytes(state, bytes);
}
BENCHMARK(BM_CountTrfLinesWithMemchr)->Unit(benchmark::kMillisecond);

// Every event read, its players and rounds kept until the next one.
void BM_ReadTrf(benchmark::State& state) {
    const std::string& bytes = trfBytes();
    const std::vector<std::string_view> events = bench::trfEventsOf(bytes);
    std::size_t players = 0;
    for (auto _ : state) {
        players = 0;
        for (const std::string_view event : events) {
            const TrfEvent read = readTrf(event);
            players += read.players.size();
            benchmark::DoNotOptimize(read.players.data());
        }
    }
    setBytes(state, bytes);
    state.counters["events"] = static_cast<double>(events.size());
    state.counters["players"] = static_cast<double>(players);
}
BENCHMARK(BM_ReadTrf)->Unit(benchmark::kMillisecond);

// Read, then every player's rated games chosen, as the fuzzer does.
void BM_ReadTrfAndEveryPlayersGames(benchmark::State& state) {
    const std::string& bytes = trfBytes();
    const std::vector<std::string_view> events = bench::trfEventsOf(bytes);
    std::size_t games = 0;
    for (auto _ : state) {
        games = 0;
        for (const std::string_view event : events) {
            const TrfEvent read = readTrf(event);
            for (const TrfPlayer& player : read.players) {
                games += trfPlayerGames(read, player).games.size();
            }
        }
    }
    setBytes(state, bytes);
    state.counters["games"] = static_cast<double>(games);
}
BENCHMARK(BM_ReadTrfAndEveryPlayersGames)->Unit(benchmark::kMillisecond);

// The PGN reader over a PGN file of the same size, in memory too, fed in 64 KB pieces.
void BM_ReadPgnTagsInMemory(benchmark::State& state) {
    const std::string& bytes = pgnBytes();
    for (auto _ : state) {
        long games = 0;
        PgnReader reader([&](const PgnGameTags&) { ++games; });
        for (std::size_t at = 0; at < bytes.size(); at += 64 * 1024) {
            reader.feed(std::string_view(bytes).substr(at, 64 * 1024));
        }
        reader.finish();
        benchmark::DoNotOptimize(games);
    }
    setBytes(state, bytes);
}
BENCHMARK(BM_ReadPgnTagsInMemory)->Unit(benchmark::kMillisecond);

}  // namespace
