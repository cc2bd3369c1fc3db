// SPDX-License-Identifier: GPL-3.0-or-later
// FIDE's list at its real size: a generated list of the combined file's shape (1.93 million
// lines, 1.14 million players unrated in all three lists, a few lines longer or cut short,
// accented names), zipped once into /tmp. Its import by tavolin-calc in a fresh process,
// with the most memory it held, beside `unzip -p` of the same zip in the same run; the
// database's size; then the lookups by ID and by two beginnings of name words. Run the
// optimised build: build/release/bench/tavolin_fide_list_bench.
#include <archive.h>
#include <archive_entry.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "FideList.h"

extern char** environ;

namespace {

constexpr int kLines = 1'932'868;
constexpr int kUnratedInAll = 1'140'000;
const std::string kFolder = "/tmp/tavolin-fide-list-bench";
const std::string kZip = kFolder + "/players_list.zip";
const std::string kDatabase = kFolder + "/liste-fide.sqlite";

constexpr std::string_view kHeader =
    "ID Number      Name                                                         Fed Sex Tit  "
    "WTit OTit           FOA SRtng SGm SK RRtng RGm Rk BRtng BGm BK B-day Flag";

constexpr std::array<std::string_view, 48> kSyllables = {
    "car", "lsen", "mag", "nus",  "lef", "èv",  "re",  "du",   "pont", "mar",  "tin", "ko",
    "vač", "ić",   "ber", "nard", "sch", "mid", "ö",   "ller", "ga",   "rcía", "nak", "amura",
    "ali", "moh",  "am",  "med",  "kum", "sin", "gh",  "iva",  "nov",  "pet",  "ros", "yan",
    "che", "ng",   "wa",  "li",   "zhu", "an",  "der", "son",  "hu",   "ber",  "ñez", "lo"};
constexpr std::array<std::string_view, 8> kFederations = {"FRA", "GER", "IND", "RUS",
                                                          "USA", "ESP", "NOR", "SRB"};

std::string capitalised(std::string word) {
    if (!word.empty() && word[0] >= 'a' && word[0] <= 'z') {
        word[0] = static_cast<char>(word[0] - 32);
    }
    return word;
}

std::string syllables(std::uint64_t n, int count) {
    std::string word;
    for (int i = 0; i < count; ++i, n /= kSyllables.size()) {
        word += kSyllables[n % kSyllables.size()];
    }
    return capitalised(word);
}

// Player `index`'s name: a quarter of the players share 300 common surnames, as families and
// countries make some names frequent; the others have names of two to four syllables, and
// given names are of some 2,300 kinds.
std::string nameOf(std::uint64_t index) {
    const std::uint64_t n = index * 2654435761u % 1'000'000'007u;
    const std::string surname = n % 4 == 0 ? syllables(n / 4 % 300 * 7919, 2)
                                           : syllables(n / 4, 2 + static_cast<int>(n % 3));
    return surname + ", " + syllables(n / 5 % 2304, 2);
}

quint32 idOf(int index) {
    return static_cast<quint32>(100000 + static_cast<std::uint64_t>(index) * 13);
}

void put(std::string& line, std::string_view text, std::size_t end) {
    line += text;
    // A name's accents take two bytes: columns count them as one character each.
    std::size_t characters = 0;
    for (const char c : line) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    if (characters < end) {
        line.append(end - characters, ' ');
    }
}

std::string ratingFields(int rating, int games, int k) {
    char text[32];
    if (rating == 0) {
        return std::string(13, ' ');
    }
    std::snprintf(text, sizeof text, "%-6d%-4d%-3d", rating, games, k);
    return text;
}

std::string listLine(int index, std::mt19937& random) {
    std::string line;
    line.reserve(180);
    put(line, std::to_string(idOf(index)), 15);
    put(line, nameOf(static_cast<std::uint64_t>(index)), 76);
    put(line, kFederations[index % kFederations.size()], 80);
    put(line, index % 5 == 0 ? "F" : "M", 84);
    put(line, index % 97 == 0 ? "FM" : "", 89);
    put(line, index % 5 == 0 && index % 41 == 0 ? "WFM" : "", 94);
    const bool longTitles = index % 1000 == 7;
    put(line, longTitles ? "SI,FI,LSI,SLI,NA" : (index % 50 == 0 ? "IA" : ""), 109);
    put(line, longTitles ? "AFM " : "", longTitles ? 114 : 113);
    const bool unrated = index % 1000 < kUnratedInAll / (kLines / 1000);
    std::uniform_int_distribution<int> rating(1400, 2700);
    for (int list = 0; list < 3; ++list) {
        line += unrated ? std::string(13, ' ') : ratingFields(rating(random), index % 9, 20);
    }
    line += std::to_string(1940 + index % 70) + "  ";
    line += index % 3 == 0 ? "i   " : (index % 5 == 0 ? "w   " : "    ");
    if (index % 100 == 3) {
        line.erase(line.find_last_not_of(' ') + 1);  // cut after its last non-blank
    }
    return line;
}

// The generated list, zipped once: the same seed gives the same list from run to run.
void makeZip() {
    if (QFileInfo::exists(QString::fromStdString(kZip))) {
        return;
    }
    QFile::remove(QString::fromStdString(kZip + ".unfinished"));
    std::string text(kHeader);
    text += "\r\n";
    std::mt19937 random(2026);
    for (int index = 0; index < kLines - 1; ++index) {
        text += listLine(index, random);
        text += "\r\n";
    }
    archive* zip = archive_write_new();
    archive_write_set_format_zip(zip);
    const std::string unfinished = kZip + ".unfinished";
    if (archive_write_open_filename(zip, unfinished.c_str()) != ARCHIVE_OK) {
        throw std::runtime_error("cannot write " + unfinished);
    }
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, "players_list_foa.txt");
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, static_cast<la_int64_t>(text.size()));
    archive_entry_set_mtime(entry, 1'790'000'000, 0);
    archive_write_header(zip, entry);
    archive_write_data(zip, text.data(), text.size());
    archive_entry_free(entry);
    if (archive_write_close(zip) != ARCHIVE_OK) {
        throw std::runtime_error("cannot write " + unfinished);
    }
    archive_write_free(zip);
    std::rename(unfinished.c_str(), kZip.c_str());
    std::printf("list: %zu bytes, %d lines, zipped into %s (%lld bytes)\n", text.size(), kLines,
                kZip.c_str(),
                static_cast<long long>(QFileInfo(QString::fromStdString(kZip)).size()));
}

struct Run {
    double seconds;
    long maxKib;
};

// Starts `arguments`, its output thrown away, and waits for its end.
Run runProcess(std::vector<std::string> words) {
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int failed = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (failed != 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error("did not run: " + words.front());
    }
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            usage.ru_maxrss};
}

void measureImport() {
    constexpr int kRuns = 3;
    std::vector<double> imports, unzips;
    long maxKib = 0;
    for (int run = 0; run < kRuns; ++run) {
        unzips.push_back(runProcess({"unzip", "-p", kZip}).seconds);
        // Each import replaces the list of the one before, as a monthly import does.
        const Run import = runProcess({TAVOLIN_CALC_PATH, "--fide-db", kDatabase,
                                       "--fide-list-import", kZip, "--month", "2026-10"});
        imports.push_back(import.seconds);
        maxKib = std::max(maxKib, import.maxKib);
    }
    const double import = *std::min_element(imports.begin(), imports.end());
    const double unzip = *std::min_element(unzips.begin(), unzips.end());
    std::printf("import: %.2f s (best of %d), unzip -p: %.2f s, ratio %.1f (aim 8 or less)\n",
                import, kRuns, unzip, import / unzip);
    std::printf("import: at most %.0f MB of memory (aim 200 or less)\n",
                static_cast<double>(maxKib) / 1024.0);
    std::printf(
        "database: %.1f MB\n",
        static_cast<double>(QFileInfo(QString::fromStdString(kDatabase)).size()) / 1048576.0);
}

void BM_PlayerById(benchmark::State& state) {
    tavolin::FideListDatabase database(QString::fromStdString(kDatabase));
    std::mt19937 random(7);
    std::uniform_int_distribution<int> index(0, kLines - 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(database.player(idOf(index(random))));
    }
}

// Two beginnings of words of a name, as a user types them: "Carlsen, Magnus" as "mag carl".
void BM_FindByTwoPrefixes(benchmark::State& state) {
    tavolin::FideListDatabase database(QString::fromStdString(kDatabase));
    std::mt19937 random(11);
    std::uniform_int_distribution<int> index(0, kLines - 2);
    std::vector<QString> searches;
    for (int i = 0; i < 64; ++i) {
        const QString name =
            QString::fromStdString(nameOf(static_cast<std::uint64_t>(index(random))));
        const QString surname = name.section(QLatin1Char(','), 0, 0);
        const QString given = name.section(QLatin1String(", "), 1);
        searches.push_back(given.left(static_cast<int>(state.range(0))) + QLatin1Char(' ') +
                           surname.left(static_cast<int>(state.range(1))));
    }
    std::size_t at = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(database.find(searches[at++ % searches.size()]));
    }
}

void BM_FindById(benchmark::State& state) {
    tavolin::FideListDatabase database(QString::fromStdString(kDatabase));
    for (auto _ : state) {
        benchmark::DoNotOptimize(database.find(QString::number(idOf(123456))));
    }
}

}  // namespace

BENCHMARK(BM_PlayerById)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindById)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
// Given name's first 3 letters and surname's first 4; then 2 and 3, which match far more.
BENCHMARK(BM_FindByTwoPrefixes)
    ->Args({3, 4})
    ->Args({2, 3})
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char* argv[]) {
    QFile().exists();  // Qt Core loaded before the children are timed
    if (!QDir().mkpath(QString::fromStdString(kFolder))) {
        return 1;
    }
    // Made in a process of its own: a child's peak memory starts from its parent's.
    const pid_t maker = fork();
    if (maker == 0) {
        makeZip();
        _exit(0);
    }
    int status = 0;
    if (maker < 0 || waitpid(maker, &status, 0) != maker || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return 1;
    }
    measureImport();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
