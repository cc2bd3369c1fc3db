// SPDX-License-Identifier: GPL-3.0-or-later
// The list of a file's players, which looks its names up some games behind the reading,
// against the same list worked out plainly, name after name, with standard containers: on
// names repeated game after game, spelled several ways, blank, unknown, long, in Windows-1252
// or with control characters, and many enough for the index to grow while names wait.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "PgnImport.h"
#include "PgnText.h"

namespace tavolin {
namespace {

std::string_view withoutOuterBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The list as its definition says: each name that is more than blanks or "?" counted for
// the player of its key, the player called as first written; most games first, then by
// name, then in the order met.
std::vector<PgnPlayer> plainList(const std::vector<PgnGameTags>& games, const NameKey& key) {
    std::vector<PgnPlayer> players;
    std::map<std::string, std::size_t> byKey;
    for (const PgnGameTags& game : games) {
        for (const std::string* raw : {&game.white, &game.black}) {
            const std::string_view written = withoutOuterBlanks(*raw);
            if (written.empty() || written == "?") {
                continue;
            }
            const std::string name = pgnTextAsUtf8(*raw);
            const std::string playerKey = key(name);
            if (playerKey.empty() || playerKey == "?") {
                continue;
            }
            const auto [known, added] = byKey.emplace(playerKey, players.size());
            if (added) {
                players.push_back({std::string(withoutOuterBlanks(name)), playerKey, 0});
            }
            ++players[known->second].games;
        }
    }
    std::vector<std::size_t> order(players.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        order[k] = k;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (players[a].games != players[b].games) {
            return players[a].games > players[b].games;
        }
        return players[a].name < players[b].name;
    });
    std::vector<PgnPlayer> sorted;
    for (const std::size_t k : order) {
        sorted.push_back(players[k]);
    }
    return sorted;
}

void expectSameList(const std::vector<PgnPlayer>& listed, const std::vector<PgnPlayer>& plain,
                    const std::string& what) {
    ASSERT_EQ(listed.size(), plain.size()) << what;
    for (std::size_t k = 0; k < plain.size(); ++k) {
        ASSERT_EQ(listed[k].name, plain[k].name) << what << " #" << k;
        ASSERT_EQ(listed[k].key, plain[k].key) << what << " #" << k;
        ASSERT_EQ(listed[k].games, plain[k].games) << what << " #" << k;
    }
}

// ASCII letters in lower case, blanks dropped: "Dupont, Jean", "DUPONT,JEAN" and
// " dupont , jean" are one player.
std::string foldedKey(std::string_view name) {
    std::string key;
    for (const char c : name) {
        if (c != ' ' && c != '\t') {
            key += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        }
    }
    return key;
}

// A rule that makes many spellings one player, and some none.
std::string firstLettersKey(std::string_view name) {
    const std::string key = foldedKey(name).substr(0, 2);
    return key == "zz" ? "?" : key;
}

// A name of player `player`, spelled one of several ways.
std::string spelling(std::mt19937& random, int player) {
    std::string name = "Dupont" + std::to_string(player) + ", Jean";
    switch (random() % 12) {
        case 0:
            std::transform(name.begin(), name.end(), name.begin(),
                           [](char c) { return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c; });
            return name;
        case 1:
            return "  " + name + "\t";
        case 2:
            return "Dupont" + std::to_string(player) + ",Jean";
        case 3:  // longer than a slot of the index holds
            return name + " de la Tour d'Auvergne-Lauragais";
        case 4:  // Windows-1252 and UTF-8 for "é"
            return name + (random() % 2 == 0 ? "\xe9" : "\xc3\xa9");
        case 5:
            return name + "\x01";
        case 6:
            return std::string(300, static_cast<char>('a' + player % 26));  // past PGN's limit
        default:
            return name;
    }
}

std::string strangeName(std::mt19937& random) {
    static const std::vector<std::string> names{"",       " ",   "?",        " ? ",  "\t", "\x01",
                                                "Zz top", "zzz", "\x80\x81", "\xff", ",",  "?,?"};
    return names[random() % names.size()];
}

struct ListCase {
    const char* what;
    int players;
    int games;
    int repeats;  // how often a game's players play again right after
    NameKey key;
};

TEST(PgnPlayerListTest, ListsAsThePlainWayOfCounting) {
    const std::vector<ListCase> cases{
        {"no game", 10, 0, 0, foldedKey},
        {"one game", 10, 1, 0, foldedKey},
        {"fewer games than names waiting", 5, 7, 0, foldedKey},
        {"few players, many games", 6, 3000, 3, foldedKey},
        {"players met again at once", 400, 3000, 8, foldedKey},
        {"many players", 5000, 12000, 0, foldedKey},
        {"spellings merged", 3000, 6000, 2, firstLettersKey},
    };
    std::mt19937 random(20261210);
    for (const ListCase& c : cases) {
        std::vector<PgnGameTags> games;
        for (int k = 0; games.size() < static_cast<std::size_t>(c.games); ++k) {
            PgnGameTags game;
            game.white = random() % 17 == 0
                             ? strangeName(random)
                             : spelling(random, static_cast<int>(random() % c.players));
            game.black = random() % 19 == 0
                             ? strangeName(random)
                             : spelling(random, static_cast<int>(random() % c.players));
            for (int again = 0;
                 again <= c.repeats && games.size() < static_cast<std::size_t>(c.games); ++again) {
                games.push_back(game);
            }
        }
        PgnPlayerList list(c.key);
        const std::size_t half = games.size() / 2;
        for (std::size_t k = 0; k < half; ++k) {
            list.add(games[k]);
        }
        // Asked half way, from a list that goes on after.
        const std::vector<PgnGameTags> firstHalf(games.begin(),
                                                 games.begin() + static_cast<long>(half));
        expectSameList(list.players(), plainList(firstHalf, c.key), std::string(c.what) + " half");
        for (std::size_t k = half; k < games.size(); ++k) {
            list.add(games[k]);
        }
        const std::vector<PgnPlayer> plain = plainList(games, c.key);
        expectSameList(list.players(), plain, c.what);
        expectSameList(std::move(list).players(), plain, std::string(c.what) + " taken");
    }
}

// Each spelling keyed once, even when it comes back while it still waits to be counted.
TEST(PgnPlayerListTest, ASpellingMetAgainBeforeItIsCountedIsKeyedOnce) {
    std::map<std::string, int> keyed;
    const NameKey countingKey = [&](std::string_view name) {
        ++keyed[std::string(name)];
        return foldedKey(name);
    };
    PgnPlayerList list(countingKey);
    PgnGameTags game;
    for (int k = 0; k < 200; ++k) {
        game.white = "Player " + std::to_string(k / 5);
        game.black = "PLAYER " + std::to_string(k / 3);
        list.add(game);
        if (k % 50 == 0) {
            EXPECT_FALSE(list.players().empty());
        }
    }
    EXPECT_EQ(list.players().size(), 67u);
    for (const auto& [name, times] : keyed) {
        EXPECT_EQ(times, 1) << name;
    }
}

}  // namespace
}  // namespace tavolin
