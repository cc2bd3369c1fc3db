// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the tags of a large PGN file against counting its lines with memchr, the fastest a
// reader that looks at every byte can go; and the memory the reading takes.
// The file is made once per run, TAVOLIN_BENCH_PGN_MB megabytes (100 by default).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QFile>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "PgnFile.h"
#include "PgnImport.h"
#include "PlayerNames.h"

namespace {

using namespace tavolin;

std::string benchFile() {
    static const std::string path = [] {
        const char* size = std::getenv("TAVOLIN_BENCH_PGN_MB");
        const long megabytes = size != nullptr ? std::atol(size) : 100;
        const std::string made = "/tmp/tavolin-bench-" + std::to_string(megabytes) + "mb.pgn";
        std::ifstream existing(made, std::ios::binary | std::ios::ate);
        if (existing && existing.tellg() >= megabytes * 1000000L) {
            return made;
        }
        std::ofstream out(made, std::ios::binary);
        long written = 0;
        for (int game = 0; written < megabytes * 1000000L; ++game) {
            std::string text = "[Event \"Open " + std::to_string(game / 100) +
                               "\"]\n[Site \"Paris\"]\n[Date \"2026.03.01\"]\n[Round \"" +
                               std::to_string(game % 9 + 1) + "\"]\n[White \"Player " +
                               std::to_string(game % 500) + "\"]\n[Black \"Player " +
                               std::to_string((game * 7) % 500) +
                               "\"]\n[Result \"1-0\"]\n[WhiteElo \"1850\"]\n[BlackElo \"2010\"]\n\n"
                               "1. e4 {[%clk 1:30:00]} e5 2. Nf3 Nc6 (2... d6 3. d4) 3. Bb5 a6 "
                               "4. Ba4 Nf6 5. O-O Be7 6. Re1 b5 7. Bb3 d6 8. c3 O-O $1 9. h3 Nb8 "
                               "10. d4 Nbd7 11. c4 c6 12. cxb5 axb5 13. Nc3 Bb7 14. Bg5 b4 1-0\n\n";
            out << text;
            written += static_cast<long>(text.size());
        }
        return made;
    }();
    return path;
}

long maxResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_CountLinesWithMemchr(benchmark::State& state) {
    const std::string path = benchFile();
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
    QFile file(QString::fromStdString(path));
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_CountLinesWithMemchr)->Unit(benchmark::kMillisecond);

// The reading of the import dialog: every game's players counted.
void BM_ReadPgnTags(benchmark::State& state) {
    const std::string path = benchFile();
    const long before = maxResidentKilobytes();
    for (auto _ : state) {
        PgnPlayerList players(utf8NameKey);
        PgnReader reader([&](const PgnGameTags& game) { players.add(game); });
        benchmark::DoNotOptimize(readPgnFile(QString::fromStdString(path), reader));
        benchmark::DoNotOptimize(players.players().size());
    }
    QFile file(QString::fromStdString(path));
    state.SetBytesProcessed(state.iterations() * file.size());
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
    state.counters["max_rss_growth_KB"] = static_cast<double>(maxResidentKilobytes() - before);
}
BENCHMARK(BM_ReadPgnTags)->Unit(benchmark::kMillisecond);

// The reader alone, each game only counted.
void BM_ReadPgnTagsOnly(benchmark::State& state) {
    const std::string path = benchFile();
    for (auto _ : state) {
        long games = 0;
        PgnReader reader([&](const PgnGameTags&) { ++games; });
        benchmark::DoNotOptimize(readPgnFile(QString::fromStdString(path), reader));
        benchmark::DoNotOptimize(games);
    }
}
BENCHMARK(BM_ReadPgnTagsOnly)->Unit(benchmark::kMillisecond);

}  // namespace
