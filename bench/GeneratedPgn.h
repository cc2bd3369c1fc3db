// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tavolin::bench {

// How a file's games follow each other.
enum class PgnLayout {
    Tournaments,  // a database's: each event's 40 players meet in 3 rounds, game after game
    Scattered,    // the worst case: each game between two players drawn from the whole file
};

// A PGN file of about `megabytes` MB in /tmp, made on the first call and kept for the next
// runs: games with tags, comments, variations and clock annotations as real files have them,
// between `players` distinct players. Past 500 players, the names are French ones with their
// accents and numbers ("Lefèvre 12, Hélène"), as a large tournament database's are.
std::string generatedPgnFile(long megabytes, int players, PgnLayout layout);

// TAVOLIN_BENCH_PGN_MB, or 100.
long benchPgnMegabytes();

}  // namespace tavolin::bench
