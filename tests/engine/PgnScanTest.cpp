// SPDX-License-Identifier: GPL-3.0-or-later
// The reader's searches, sixteen bytes at a time, against the same searches written out byte
// by byte from their definitions: on every byte value, at every start and end around the
// blocks' edges, and on PGN text.
#include "PgnScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace tavolin {
namespace {

using Search = const char* (*)(const char*, const char*);

bool isLetterDigitOrUnderscore(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Each search with its definition, as a person would write it.
struct SearchCase {
    const char* name;
    Search fast;
    Search portable;
    bool (*stops)(unsigned char);
};

const std::vector<SearchCase>& searchCases() {
    static const std::vector<SearchCase> cases{
        {"movetext", pgnscan::movetextStop, pgnscan::portable::movetextStop,
         [](unsigned char c) { return c == '\n' || c == '[' || c == '{' || c == ';'; }},
        {"value", pgnscan::valueStop, pgnscan::portable::valueStop,
         [](unsigned char c) { return c == '"' || c == '\\' || c == '\n'; }},
        {"name", pgnscan::nameStop, pgnscan::portable::nameStop,
         [](unsigned char c) { return !isLetterDigitOrUnderscore(c); }},
    };
    return cases;
}

// Every start and end of `text` up to 40 bytes apart: runs shorter than a block, as long as
// one and across two.
void expectAllAgree(const std::string& text, const std::string& what) {
    for (const SearchCase& search : searchCases()) {
        for (std::size_t first = 0; first < text.size(); ++first) {
            const std::size_t last = std::min(text.size(), first + 40);
            for (std::size_t stop = first; stop <= last; ++stop) {
                const char* at = text.data() + first;
                const char* end = text.data() + stop;
                const char* expected = std::find_if(
                    at, end, [&](char c) { return search.stops(static_cast<unsigned char>(c)); });
                ASSERT_EQ(search.fast(at, end), expected)
                    << search.name << ' ' << what << ' ' << first << ' ' << stop;
                ASSERT_EQ(search.portable(at, end), expected)
                    << search.name << ' ' << what << ' ' << first << ' ' << stop;
            }
        }
    }
}

TEST(PgnScanTest, EachByteValueStopsASearchOrNot) {
    for (int stopper = 0; stopper < 256; ++stopper) {
        // The byte alone, in a run of name bytes and in a run of blanks, at each place of a
        // block.
        for (const char filler : {'a', ' '}) {
            std::string text(48, filler);
            for (std::size_t at : {std::size_t{0}, std::size_t{7}, std::size_t{15}, std::size_t{16},
                                   std::size_t{31}, std::size_t{47}}) {
                std::string placed = text;
                placed[at] = static_cast<char>(stopper);
                for (const SearchCase& search : searchCases()) {
                    const char* expected = std::find_if(
                        placed.data(), placed.data() + placed.size(),
                        [&](char c) { return search.stops(static_cast<unsigned char>(c)); });
                    ASSERT_EQ(search.fast(placed.data(), placed.data() + placed.size()), expected)
                        << search.name << " byte " << stopper << " at " << at;
                }
            }
        }
    }
}

TEST(PgnScanTest, FastAndPortableAgreeOnEveryStartAndEnd) {
    struct Text {
        const char* what;
        std::string bytes;
    };
    std::mt19937 random(20261210);
    std::string randomBytes(600, '\0');
    for (char& c : randomBytes) {
        c = static_cast<char>(random());
    }
    // Mostly name and value bytes, the stoppers now and then: long runs, as in real files.
    std::string sparse(600, 'x');
    const std::string stoppers = "\n[{;\"\\ _-09AZaz\x80\xff\x7f";
    for (char& c : sparse) {
        const unsigned draw = random() % 64;
        c = draw < stoppers.size() ? stoppers[draw] : "Lefevre, Helene 12"[draw % 18];
    }
    const std::vector<Text> texts{
        {"tags",
         "[Event \"Open 12\"]\n[White \"L\xc3\xa9"
         "fevre 12, H\xc3\xa9l\xc3\xa8ne\"]\n"
         "[WhiteElo \"1850\"]\n[A_Very_Long_Tag_Name_Of_Digits_0123456789 \"x\\\"y\"]\n"},
        {"movetext",
         "1. e4 {[%clk 1:30:00]} e5 2. Nf3 Nc6 (2... d6 3. d4) 3. Bb5 a6 4. Ba4 "
         "Nf6 5. O-O Be7 6. Re1 b5 ; a comment\n7. Bb3 d6 8. c3 O-O $1 9. h3 Nb8 1-0\n"},
        {"random", randomBytes},
        {"sparse", sparse},
        {"empty", ""},
    };
    for (const Text& text : texts) {
        expectAllAgree(text.bytes, text.what);
    }
}

}  // namespace
}  // namespace tavolin
