// SPDX-License-Identifier: GPL-3.0-or-later
// Run when the program is built: writes Φ(i) of the score-to-difference conversion for
// i = -470..470, as the engine would compute them, into the file named by its argument. The
// values are written as hexadecimal long double literals, which the compiler reads back
// bit for bit, so the table the engine compiles in is exactly what this code computed.
#include <cstdio>

#include "NormalCurve.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out,
                 "// Written by engine/generator/WriteDifferenceCurve.cpp: Φ(-470) to Φ(470).\n");
    for (int difference = -470; difference <= 470; ++difference) {
        const long double phi = tavolin::normalProbability(
            tavolin::differenceToStandardUnits(difference), tavolin::kDifferenceRule);
        std::fprintf(out, "%LaL,\n", phi);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
