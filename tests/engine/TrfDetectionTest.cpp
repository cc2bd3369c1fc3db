// SPDX-License-Identifier: GPL-3.0-or-later
// Which first bytes are a tournament report's, and when its rating goes into the field.
#include "TrfDetection.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "TrfOwnRating.h"

namespace tavolin {
namespace {

TEST(TrfDetectionTest, TheFirstRecordTellsAReport) {
    struct Case {
        std::string head;
        bool report;
    };
    for (const Case& c : {
             Case{"012 Open de Paris\n001    1 m    Dupont, Jean", true},
             Case{"001    1    g Vasquez,Rodrigo", true},
             Case{"\xEF\xBB\xBF"
                  "012 Open",
                  true},                                  // a byte order mark first
             Case{"\r\n\r\n  \n042 2024/03/02\r", true},  // blank lines first
             Case{"013 Equipe", true},
             Case{"### exported\r\n### by hand\n012 Open", true},  // comments first
             Case{"### nothing else", false},
             Case{"222 tiebreak", true},
             Case{"012", true},  // the whole file: a code and nothing else
             Case{"012\r\n", true},
             Case{"", false},
             Case{" \n\t\r\n", false},
             Case{"[Event \"Open\"]\n[White \"Dupont, Jean\"]", false},
             Case{"100 ways to win", false},  // digits, but no record's code
             Case{"322 rondes", false},
             Case{"0120 Open", false},  // a fourth digit
             Case{"012Open", false},    // no blank after the code
             Case{"01", false},
             Case{"XXR 9\n012 Open", false},  // the first record decides
             Case{"Dupont, Jean 1-0\n001 x", false},
         }) {
        EXPECT_EQ(looksLikeTrf(c.head), c.report) << c.head;
    }
}

TEST(TrfDetectionTest, TheRatingGoesOnlyIntoAnEmptyField) {
    struct Case {
        std::string field;
        std::optional<int> own, filled;
    };
    for (const Case& c : {
             Case{"", 2558, 2558}, Case{"   ", 1850, 1850}, Case{"\t", 1850, 1850},
             Case{"1700", 2558, std::nullopt}, Case{" 17", 2558, std::nullopt},  // typed, even half
             Case{"abc", 2558, std::nullopt},
             Case{"", std::nullopt, std::nullopt},  // unrated in the report
         }) {
        EXPECT_EQ(trfRatingForField(c.field, c.own), c.filled) << '"' << c.field << '"';
    }
}

}  // namespace
}  // namespace tavolin
