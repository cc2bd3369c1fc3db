// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameList.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavolin {
namespace {

GameList listOf(std::initializer_list<GameEntry> games) {
    GameList list;
    for (const GameEntry& game : games) {
        EXPECT_TRUE(list.add(game));
    }
    return list;
}

TEST(GameListTest, HoldsFiftyGamesAtMost) {
    GameList list;
    for (int k = 0; k < kMaxGames; ++k) {
        ASSERT_TRUE(list.add({1500, 1}));
    }
    EXPECT_TRUE(list.full());
    EXPECT_FALSE(list.add({1600, 1}));
    EXPECT_EQ(list.count, 50);
}

TEST(GameListTest, RemovingMovesLaterGamesDown) {
    GameList list = listOf({{1850, 1}, {1700, 0.5}, {2010, 0}});
    list.remove(2);
    EXPECT_EQ(list.count, 2);
    EXPECT_EQ(list.entries[0].opponentRating, 1850);
    EXPECT_EQ(list.entries[1].opponentRating, 2010);
    EXPECT_EQ(list.entries[1].score, 0);
    EXPECT_EQ(list.entries[2].opponentRating, 0);
}

TEST(GameListTest, RemovingTheOnlyGameEmptiesTheList) {
    GameList list = listOf({{1850, 1}});
    list.remove(1);
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(list.entries[0].opponentRating, 0);
}

TEST(GameListTest, RemovingFromAFullListEmptiesSlotFifty) {
    GameList list;
    for (int k = 0; k < kMaxGames; ++k) {
        list.add({1000.0 + k, 1});
    }
    list.remove(5);
    EXPECT_EQ(list.count, 49);
    EXPECT_EQ(list.entries[4].opponentRating, 1005);
    EXPECT_EQ(list.entries[48].opponentRating, 1049);
    EXPECT_EQ(list.entries[49].opponentRating, 0);
    list.remove(50);
    EXPECT_EQ(list.count, 49);
}

TEST(GameListTest, NumbersOutsideTheSlotsDeleteNothing) {
    for (int number : {0, -1, 51, 7}) {
        GameList list = listOf({{1850, 1}, {1700, 0.5}, {2010, 0}, {1600, 1}, {1650, 0}});
        const GameList before = list;
        list.remove(number);
        EXPECT_EQ(list.count, 5) << number;
        for (int k = 0; k < kMaxGames; ++k) {
            EXPECT_EQ(list.entries[k].opponentRating, before.entries[k].opponentRating) << number;
        }
    }
}

TEST(GameListTest, RecountingFindsTheHighestGameSlot) {
    GameList list;
    list.entries[0] = {1500, 1};
    list.entries[3] = {800, 1};
    list.entries[6] = {1200, 0};
    list.entries[9] = {999, 0};
    EXPECT_EQ(highestGameSlot(list), 7);
    EXPECT_EQ(highestGameSlot(list, 700), 10);
    EXPECT_EQ(countGames(list), 2);
    EXPECT_EQ(countGames(list, 700), 4);
    EXPECT_EQ(highestGameSlot(GameList{}), 0);
}

TEST(GameListTest, DamagedCountsNeverReachPastTheSlots) {
    GameList list;
    list.count = 1000;
    EXPECT_EQ(list.games().size(), 50u);
    EXPECT_FALSE(list.add({1500, 1}));
    list.count = -3;
    EXPECT_EQ(list.games().size(), 0u);
    EXPECT_FALSE(list.add({1500, 1}));
}

TEST(GameListTextTest, ThreeGamesMakeThirtyCharacters) {
    GameListText text;
    text.rebuild(listOf({{1850, 1}, {1700, 0.5}, {2010, 0}}));
    EXPECT_EQ(text.text(), " 1850    + 1700    = 2010    -");
    EXPECT_EQ(text.text().size(), 30u);
    EXPECT_EQ(text.lines(), " 1850    +\n 1700    =\n 2010    -");
}

TEST(GameListTextTest, AScoreMatchingNoSignRepeatsTheLastOne) {
    GameListText text;
    text.append({1850, 0});
    text.append({1700, 0.25});
    EXPECT_EQ(text.text(), " 1850    - 1700    -");
    text.clear();
    text.append({1600, 0.75});  // the sign is kept across the emptying of the list
    EXPECT_EQ(text.text(), " 1600    -");
}

TEST(GameListTextTest, RatingsAreRoundedHalfToEven) {
    GameListText text;
    text.append({1850.5, 1});
    text.append({1851.5, 1});
    EXPECT_EQ(text.text(), " 1850    + 1852    +");
}

TEST(GameListTextTest, RatingsNoWholeNumberCanHoldShowAQuestionMark) {
    GameListText text;
    text.append({std::numeric_limits<double>::quiet_NaN(), 1});
    text.append({std::numeric_limits<double>::infinity(), 1});
    text.append({1e300, 1});
    EXPECT_EQ(text.text(), " ?    + ?    + ?    +");
}

TEST(GameListTextTest, StartsWithNoSign) {
    GameListText text;
    text.append({1500, 2});
    EXPECT_EQ(text.text(), " 1500    ");
}

}  // namespace
}  // namespace tavolin
