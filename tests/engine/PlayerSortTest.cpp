// SPDX-License-Identifier: GPL-3.0-or-later
// The player list's order, digit by digit, against a plain comparison sort of the same
// players: names alike in their first 16 bytes and past them, a name that begins another,
// bytes from 0x80 up, empty names, one name for two players, game counts past one byte and
// past two, lists on either side of the size where the digits take over.
#include "PlayerSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace tavolin {
namespace {

struct Player {
    std::string name;
    int games;
};

// The order by its definition: most games first, then the names' bytes as unsigned, then
// the order they were met in.
std::vector<std::uint32_t> plainOrder(const std::vector<Player>& players) {
    std::vector<std::uint32_t> order(players.size());
    for (std::uint32_t k = 0; k < order.size(); ++k) {
        order[k] = k;
    }
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const auto bytes = [](const std::string& name) {
            return std::vector<unsigned char>(name.begin(), name.end());
        };
        return std::tuple(-players[a].games, bytes(players[a].name), a) <
               std::tuple(-players[b].games, bytes(players[b].name), b);
    });
    return order;
}

std::vector<std::uint32_t> sortedOrder(const std::vector<Player>& players) {
    std::vector<PlayerSortRecord> records;
    for (std::uint32_t k = 0; k < players.size(); ++k) {
        records.push_back(playerSortRecord(players[k].games, k, players[k].name));
    }
    sortPlayerRecords(records,
                      [&](std::uint32_t player) { return std::string_view(players[player].name); });
    std::vector<std::uint32_t> order;
    for (const PlayerSortRecord& record : records) {
        order.push_back(record.player);
    }
    return order;
}

// A name drawn from few pieces, so that many begin alike, some for 16 bytes and more.
std::string drawnName(std::mt19937& random) {
    static const std::vector<std::string> pieces{"",
                                                 "a",
                                                 "A",
                                                 "Lef\xC3\xA8vre",
                                                 "Lefebvre",
                                                 " ",
                                                 ", ",
                                                 "12",
                                                 "\xC3\xA9",
                                                 "\xFF",
                                                 "\x80",
                                                 "Abcdefghijklmnop",
                                                 "Abcdefghijklmno",
                                                 std::string(1, '\0'),
                                                 "z"};
    std::string name;
    const unsigned count = random() % 6;
    for (unsigned k = 0; k < count; ++k) {
        name += pieces[random() % pieces.size()];
    }
    return name;
}

TEST(PlayerSortTest, OrdersAsAComparisonSortDoes) {
    struct Case {
        const char* what;
        std::size_t players;
        int mostGames;
    };
    const std::vector<Case> cases{
        {"none", 0, 1},
        {"one", 1, 1},
        {"few", 50, 4},
        {"just below the digits", 1023, 3},
        {"just enough for the digits", 1024, 3},
        {"many, few game counts", 20000, 5},
        {"games past one byte", 5000, 700},
        {"games past two bytes", 5000, 200000},
        {"one game count", 3000, 1},
    };
    std::mt19937 random(20261211);
    for (const Case& c : cases) {
        std::vector<Player> players;
        for (std::size_t k = 0; k < c.players; ++k) {
            // Now and then a name met already: two players written alike.
            if (k % 13 == 5) {
                players.push_back({players[random() % k].name, 1 + static_cast<int>(random() % 3)});
                continue;
            }
            players.push_back(
                {drawnName(random),
                 1 + static_cast<int>(random() % static_cast<unsigned>(c.mostGames))});
        }
        EXPECT_EQ(sortedOrder(players), plainOrder(players)) << c.what;
    }
}

TEST(PlayerSortTest, NamesAlikeInTheirFirstSixteenBytes) {
    // Equal records: the whole names decide, then the order the players were met in.
    const std::string start = "Abcdefghijklmnop";
    std::vector<Player> players;
    for (int k = 0; k < 1500; ++k) {
        players.push_back({start + std::string(static_cast<std::size_t>(k % 7), 'z') +
                               (k % 2 == 0 ? "\xC3\xA9" : "e"),
                           3});
    }
    players.push_back({start, 3});
    players.push_back({start.substr(0, 15), 3});
    players.push_back({start.substr(0, 15) + '\0', 3});
    EXPECT_EQ(sortedOrder(players), plainOrder(players));
}

TEST(PlayerSortTest, TheFirstPlayersOfAnExampleList) {
    const std::vector<Player> players{
        {"Martin, Luc", 2}, {"Dupont, Jean", 3}, {"Blanc, Eve", 2},
        {"\xC3\x89ric", 2}, {"Blanc, Eve", 2},   {"", 5},
    };
    EXPECT_EQ(sortedOrder(players), (std::vector<std::uint32_t>{5, 1, 2, 4, 0, 3}));
}

}  // namespace
}  // namespace tavolin
