// SPDX-License-Identifier: GPL-3.0-or-later
// The test that spares the player list a copy of each name: it must say "as it is" exactly
// when pgnTextAsUtf8() gives the bytes back unchanged. Every text of one and two bytes, texts
// of three around the control characters and UTF-8's edges, and values at PGN's limit.
#include "PgnText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PgnReader.h"

namespace tavolin {
namespace {

void expectAgrees(const std::string& raw) {
    ASSERT_EQ(isPgnTextUtf8AsItIs(raw), pgnTextAsUtf8(raw) == raw) << testing::PrintToString(raw);
}

TEST(PgnTextTest, AsItIsExactlyWhenTheTextIsKept) {
    expectAgrees("");
    for (int first = 0; first < 256; ++first) {
        const std::string one(1, static_cast<char>(first));
        expectAgrees(one);
        for (int second = 0; second < 256; ++second) {
            expectAgrees(one + static_cast<char>(second));
        }
    }
    const std::vector<unsigned char> edges{0x00, 0x1F, 0x20, 0x41, 0x7E, 0x7F, 0x80, 0x9F,
                                           0xA0, 0xBF, 0xC0, 0xC1, 0xC2, 0xC3, 0xDF, 0xE0,
                                           0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF};
    for (const unsigned char a : edges) {
        for (const unsigned char b : edges) {
            for (const unsigned char c : edges) {
                expectAgrees(
                    std::string{static_cast<char>(a), static_cast<char>(b), static_cast<char>(c)});
            }
        }
    }
}

TEST(PgnTextTest, TextsKeptAsTheyAre) {
    struct Case {
        std::string raw;
        bool asItIs;
    };
    const std::string atLimit(kPgnLongestValue, 'a');
    for (const Case& c : {
             Case{"Dupont, Jean", true},
             Case{"L\xC3\xA9vy, H\xC3\xA9l\xC3\xA8ne", true},  // UTF-8
             Case{"L\xE9vy", false},                           // Latin-1: converted
             Case{"Du\tpont", false},                          // a tab becomes a blank
             Case{"C1\xC2\x85", false},                        // U+0085, a control character
             Case{"NBSP\xC2\xA0", true},                       // U+00A0 is none
             Case{"DEL\x7F", false},
             Case{"\xE2\x82\xAC", true},   // the euro sign
             Case{"\xED\xA0\x80", false},  // a surrogate: no UTF-8
             Case{atLimit, true},
             Case{atLimit.substr(1) + "\xC3", false},  // cut inside its last character
             Case{atLimit.substr(2) + "\xC3\xA9", true},
         }) {
        EXPECT_EQ(isPgnTextUtf8AsItIs(c.raw), c.asItIs) << c.raw;
        expectAgrees(c.raw);
    }
}

}  // namespace
}  // namespace tavolin
