// SPDX-License-Identifier: GPL-3.0-or-later
// The index of spellings against a std::map holding the same: spellings of every length from
// none to past PGN's limit (each way the hash reads a spelling's last bytes), spellings that
// differ in one byte only, probes made before the index grew, numbers stored again.
#include "SpellingIndex.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

namespace tavolin {
namespace {

TEST(SpellingIndexTest, FindsWhatAMapFinds) {
    std::mt19937 random(20261210);
    std::map<std::string, std::uint32_t> expected;
    SpellingIndex index;
    std::vector<std::pair<std::string, SpellingIndex::Probe>> probedEarly;
    for (std::uint32_t k = 0; k < 20000; ++k) {
        std::string spelling(random() % 300, 'a');
        for (char& c : spelling) {
            c = static_cast<char>(random() % 4);  // few values: near spellings
        }
        if (k % 7 == 0 && !expected.empty()) {
            spelling = expected.begin()->first;  // stored again, with another number
        }
        if (k % 11 == 0) {
            probedEarly.emplace_back(spelling, index.probe(spelling));
        }
        if (k % 3 == 0) {
            index.insert(spelling, k, index.probe(spelling));
        } else {
            index.insert(spelling, k);
        }
        expected[spelling] = k;
    }
    EXPECT_EQ(index.size(), expected.size());
    for (const auto& [spelling, number] : expected) {
        const std::uint32_t* found = index.find(spelling);
        ASSERT_NE(found, nullptr) << spelling.size();
        ASSERT_EQ(*found, number) << spelling.size();
        index.fetchLongSpelling(index.probe(spelling));
    }
    // A probe stays good for its spelling whatever the index did since.
    for (const auto& [spelling, probe] : probedEarly) {
        const std::uint32_t* found = index.find(spelling, probe);
        ASSERT_NE(found, nullptr);
        ASSERT_EQ(*found, expected.at(spelling));
    }
    for (int k = 0; k < 2000; ++k) {
        std::string absent(1 + random() % 300, 'x');
        absent[random() % absent.size()] = static_cast<char>(4 + random() % 200);
        if (expected.count(absent) == 0) {
            ASSERT_EQ(index.find(absent), nullptr);
        }
    }
}

TEST(SpellingIndexTest, AnEmptyIndexFindsNothing) {
    const SpellingIndex index;
    index.fetchLongSpelling(index.probe("Dupont, Jean"));
    EXPECT_EQ(index.find("Dupont, Jean"), nullptr);
    EXPECT_EQ(index.find(""), nullptr);
    EXPECT_EQ(index.size(), 0u);
}

}  // namespace
}  // namespace tavolin
