// SPDX-License-Identifier: GPL-3.0-or-later
// A player's rated games in a tournament report, and why the other rounds are left out.
#include "TrfImport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "TrfLines.h"

namespace tavolin {
namespace {

using test::trfPlayerLine;

// ASCII letters in lower case, blanks dropped: enough for these names (the program's own
// rule is tested in tests/storage/PlayerNamesTest.cpp).
std::string simpleKey(std::string_view name) {
    std::string key;
    for (const char c : name) {
        if (c != ' ') {
            key += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        }
    }
    return key;
}

// The player of starting rank 1 plays one round against `opponentRating`'s player 2.
TrfPlayerGames oneRound(std::string_view round, std::string_view opponentRating = "1800") {
    const TrfEvent event =
        readTrf("012 Open\n042 2026/03/14\n" +
                trfPlayerLine(1, "Joueur, Un", "2000", {std::string(round)}) + "\n" +
                trfPlayerLine(2, "Adversaire, Deux", std::string(opponentRating)) + "\n");
    EXPECT_EQ(event.players.size(), 2u);
    return trfPlayerGames(event, event.players.at(0));
}

struct RoundRow {
    std::string round;
    std::optional<double> score;          // a rated game
    std::optional<TrfSkipReason> reason;  // or left out
};

TEST(TrfImportTest, EachResultCodeIsAGameOrAReason) {
    const std::vector<RoundRow> rows{
        {"   2 w 1", kWinScore, {}},
        {"   2 b =", kDrawScore, {}},
        {"   2 w 0", kLossScore, {}},
        {"   2 w +", {}, TrfSkipReason::Forfeit},
        {"   2 b -", {}, TrfSkipReason::Forfeit},
        {"   2 w W", {}, TrfSkipReason::ShortGame},
        {"   2 w w", {}, TrfSkipReason::ShortGame},
        {"   2 b D", {}, TrfSkipReason::ShortGame},
        {"   2 b d", {}, TrfSkipReason::ShortGame},
        {"   2 w L", {}, TrfSkipReason::ShortGame},
        {"   2 w l", {}, TrfSkipReason::ShortGame},
        {"0000 - H", {}, TrfSkipReason::ByeOrAbsence},
        {"0000 - h", {}, TrfSkipReason::ByeOrAbsence},
        {"0000 - F", {}, TrfSkipReason::ByeOrAbsence},
        {"0000 - f", {}, TrfSkipReason::ByeOrAbsence},
        {"0000 - U", {}, TrfSkipReason::ByeOrAbsence},
        {"0000 - u", {}, TrfSkipReason::ByeOrAbsence},
        {"0000 - Z", {}, TrfSkipReason::ByeOrAbsence},
        {"0000 - z", {}, TrfSkipReason::ByeOrAbsence},
        {"   2 w  ", {}, TrfSkipReason::ByeOrAbsence},  // paired, no result
        {"0000 - 1", {}, TrfSkipReason::ByeOrAbsence},  // a result without an opponent
        {"     - =", {}, TrfSkipReason::ByeOrAbsence},
        {"   9 w 1", {}, TrfSkipReason::UnknownOpponent},
        {"   1 w 1", kWinScore, {}},  // as written: himself, who is rated
    };
    for (const RoundRow& row : rows) {
        SCOPED_TRACE(row.round);
        const TrfPlayerGames games = oneRound(row.round);
        if (row.score) {
            ASSERT_EQ(games.games.size(), 1u);
            EXPECT_EQ(games.games[0].entry.score, *row.score);
            EXPECT_EQ(games.skippedTotal(), 0);
        } else {
            EXPECT_TRUE(games.games.empty());
            EXPECT_EQ(games.skippedTotal(), 1);
            EXPECT_EQ(games.skipped(*row.reason), 1);
        }
    }
}

TEST(TrfImportTest, ABlankRoundIsAnAbsenceUnlessTheLineEndsBeforeIt) {
    const TrfEvent event = readTrf(
        trfPlayerLine(1, "Joueur, Un", "2000", {"        ", "   2 w 1", "        "}) + "\n" +
        trfPlayerLine(2, "Adversaire, Deux", "1800", {"        ", "   1 b 0"}) + "\n");
    const TrfPlayerGames games = trfPlayerGames(event, event.players.at(0));
    ASSERT_EQ(games.games.size(), 1u);
    EXPECT_EQ(games.games[0].round, "2");
    EXPECT_EQ(games.skippedSummary(), "1 ronde non prise : 1 exempt ou absence");
}

TEST(TrfImportTest, TheOpponentMustBeRatedFrom1000To3000) {
    const std::vector<std::pair<std::string, std::optional<TrfSkipReason>>> rows{
        {"", TrfSkipReason::UnratedOpponent},
        {"0000", TrfSkipReason::UnratedOpponent},
        {"999", TrfSkipReason::OpponentOutOfRange},
        {"1000", std::nullopt},
        {"3000", std::nullopt},
        {"3001", TrfSkipReason::OpponentOutOfRange},
    };
    for (const auto& [rating, reason] : rows) {
        SCOPED_TRACE(rating);
        const TrfPlayerGames games = oneRound("   2 b 1", rating);
        if (reason) {
            EXPECT_TRUE(games.games.empty());
            EXPECT_EQ(games.skipped(*reason), 1);
        } else {
            ASSERT_EQ(games.games.size(), 1u);
            EXPECT_EQ(games.games[0].entry.opponentRating, std::stod(rating));
        }
    }
}

TEST(TrfImportTest, AGameCarriesTheEventAndTheOpponent) {
    const TrfEvent event = readTrf(
        "012 Open d'\xE9t\xE9\r\n042 2026/07/01\r\n" +
        trfPlayerLine(1, "Joueur, Un", "2000", {"0000 - H", "   2 b ="}) + "\r\n" +
        trfPlayerLine(2, "M\xE9nard, L\xE9\x61", "1650", {"0000 - U", "   1 w ="}) + "\r\n");
    const TrfPlayerGames games = trfPlayerGames(event, event.players.at(0));
    ASSERT_EQ(games.games.size(), 1u);
    const PgnImportedGame& game = games.games[0];
    EXPECT_EQ(game.date, "2026/07/01");
    EXPECT_EQ(game.event, "Open d'été");
    EXPECT_EQ(game.round, "2");
    EXPECT_EQ(game.opponent, "Ménard, Léa");
    EXPECT_EQ(game.entry, (GameEntry{1650, kDrawScore}));
    EXPECT_EQ(games.ownRating, 2000);
    // Without a 042 record, no date.
    const TrfEvent undated = readTrf(trfPlayerLine(1, "A, B", "", {"   2 w 0"}) + "\n" +
                                     trfPlayerLine(2, "C, D", "2100"));
    const TrfPlayerGames unratedPlayer = trfPlayerGames(undated, undated.players.at(0));
    ASSERT_EQ(unratedPlayer.games.size(), 1u);
    EXPECT_EQ(unratedPlayer.games[0].date, "");
    EXPECT_EQ(unratedPlayer.games[0].event, "");
    EXPECT_EQ(unratedPlayer.ownRating, std::nullopt);
}

TEST(TrfImportTest, TheSummarySaysEachReasonInFrench) {
    TrfPlayerGames games;
    EXPECT_EQ(games.skippedText(), "");
    EXPECT_EQ(games.skippedSummary(), "");
    games.skippedRounds = {1, 0, 1, 0, 0, 0};
    EXPECT_EQ(games.skippedSummary(), "2 rondes non prises : 1 forfait, 1 exempt ou absence");
    games.skippedRounds = {0, 0, 0, 1, 0, 0};
    EXPECT_EQ(games.skippedSummary(), "1 ronde non prise : 1 adversaire non classé");
    games.skippedRounds = {2, 2, 2, 2, 2, 2};
    EXPECT_EQ(games.skippedText(),
              "2 forfaits, 2 parties de moins d'un coup, 2 exempts ou absences, 2 adversaires "
              "non classés, 2 adversaires classés hors de 1000 à 3000, 2 numéros d'adversaire "
              "inconnus");
    games.skippedRounds = {0, 1, 0, 0, 1, 1};
    EXPECT_EQ(games.skippedText(),
              "1 partie de moins d'un coup, 1 adversaire classé hors de 1000 à 3000, 1 numéro "
              "d'adversaire inconnu");
    EXPECT_EQ(trfSkipReasonText(TrfSkipReason::UnratedOpponent), "adversaire non classé");
}

TEST(TrfImportTest, FindsThePlayerByTheNameRule) {
    const TrfEvent event = readTrf(
        "001    1    g Vasquez,Rodrigo                   2558 CHI     3400042 1969.12.06  6.0"
        "    4     2 w 1\n" +
        trfPlayerLine(2, "Dupont, Jean", "2100", {"   1 b 0"}) + "\n" +
        trfPlayerLine(3, "DUPONT,Jean", "1900") + "\n");
    const auto vasquez = trfPlayersWithKey(event, simpleKey("Vasquez, Rodrigo"), simpleKey);
    ASSERT_EQ(vasquez.size(), 1u);
    EXPECT_EQ(vasquez[0]->startingRank, 1);
    const TrfPlayerGames games = trfPlayerGames(event, *vasquez[0]);
    ASSERT_EQ(games.games.size(), 1u);
    EXPECT_EQ(games.games[0].opponent, "Dupont, Jean");
    EXPECT_EQ(games.games[0].entry, (GameEntry{2100, kWinScore}));
    // Two lines under one name: both are given, for the user to choose.
    const auto dupont = trfPlayersWithKey(event, simpleKey("Dupont, Jean"), simpleKey);
    ASSERT_EQ(dupont.size(), 2u);
    EXPECT_EQ(dupont[0]->startingRank, 2);
    EXPECT_EQ(dupont[1]->startingRank, 3);
    EXPECT_TRUE(trfPlayersWithKey(event, simpleKey("Martin, Luc"), simpleKey).empty());
}

// The players of the 20-player event, their games known round by round.
class TrfWholeEventTest : public testing::Test {
protected:
    static TrfEvent readEvent() {
        std::ifstream file(std::string(TAVOLIN_TEST_DATA_DIR) + "/open-printemps.trf",
                           std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return readTrf(bytes.str());
    }
    TrfPlayerGames gamesOf(int startingRank) const {
        return trfPlayerGames(event_, *event_.playerRanked(startingRank));
    }
    const TrfEvent event_ = readEvent();
};

TEST_F(TrfWholeEventTest, AForfeitAndAnUnratedOpponent) {
    const TrfPlayerGames games = gamesOf(3);  // Dupré, Hélène
    ASSERT_EQ(games.games.size(), 3u);
    EXPECT_EQ(games.games[0].round, "3");
    EXPECT_EQ(games.games[0].opponent, "Hébert, Joël");
    EXPECT_EQ(games.games[0].entry, (GameEntry{1755, kDrawScore}));
    EXPECT_EQ(games.games[1].round, "4");
    EXPECT_EQ(games.games[1].entry, (GameEntry{1833, kWinScore}));
    EXPECT_EQ(games.games[2].round, "5");
    EXPECT_EQ(games.games[2].entry, (GameEntry{1944, kWinScore}));
    EXPECT_EQ(games.games[2].date, "2026/03/14");
    EXPECT_EQ(games.games[2].event, "Open de Printemps de Villeneuve");
    EXPECT_EQ(games.skippedSummary(), "2 rondes non prises : 1 forfait, 1 adversaire non classé");
    EXPECT_EQ(games.ownRating, 2312);
}

TEST_F(TrfWholeEventTest, ByesGivenByThePairing) {
    const TrfPlayerGames games = gamesOf(14);  // Hébert, Joël
    ASSERT_EQ(games.games.size(), 2u);
    EXPECT_EQ(games.games[0].opponent, "Gauthier, Rémi");
    EXPECT_EQ(games.games[0].entry, (GameEntry{2254, kLossScore}));
    EXPECT_EQ(games.games[1].opponent, "Dupré, Hélène");
    EXPECT_EQ(games.games[1].entry, (GameEntry{2312, kDrawScore}));
    EXPECT_EQ(games.skippedSummary(),
              "3 rondes non prises : 2 exempts ou absences, 1 adversaire non classé");
}

TEST_F(TrfWholeEventTest, ABlankAndAZeroRatingAreBothUnrated) {
    const TrfPlayerGames games = gamesOf(1);  // Moreau, Julien
    ASSERT_EQ(games.games.size(), 3u);
    EXPECT_EQ(games.games[0].entry, (GameEntry{1499, kWinScore}));
    EXPECT_EQ(games.games[1].entry, (GameEntry{1588, kWinScore}));
    EXPECT_EQ(games.games[2].entry, (GameEntry{1650, kDrawScore}));
    EXPECT_EQ(games.skippedSummary(), "2 rondes non prises : 2 adversaires non classés");
}

TEST_F(TrfWholeEventTest, AWithdrawalAndAGameOfLessThanAMove) {
    const TrfPlayerGames withdrawn = gamesOf(20);  // Valéry, Hervé
    ASSERT_EQ(withdrawn.games.size(), 2u);
    EXPECT_EQ(withdrawn.games[0].entry, (GameEntry{2541, kLossScore}));
    EXPECT_EQ(withdrawn.games[1].entry, (GameEntry{1650, kLossScore}));
    EXPECT_EQ(withdrawn.skippedSummary(),
              "3 rondes non prises : 2 exempts ou absences, 1 adversaire non classé");
    const TrfPlayerGames shortGame = gamesOf(4);  // Bérenger, Loïc
    EXPECT_EQ(shortGame.games.size(), 4u);
    EXPECT_EQ(shortGame.skippedSummary(), "1 ronde non prise : 1 partie de moins d'un coup");
}

TEST_F(TrfWholeEventTest, AnUnratedPlayerHasRatedGamesToo) {
    const TrfPlayerGames games = gamesOf(18);  // Noël, Aurélien
    EXPECT_EQ(games.ownRating, std::nullopt);
    ASSERT_EQ(games.games.size(), 5u);
    EXPECT_EQ(games.games[0].entry, (GameEntry{2312, kLossScore}));
    EXPECT_EQ(games.games[1].entry, (GameEntry{1499, kLossScore}));
    EXPECT_EQ(games.games[2].entry, (GameEntry{2541, kLossScore}));
    EXPECT_EQ(games.games[3].entry, (GameEntry{1650, kLossScore}));
    EXPECT_EQ(games.games[4].entry, (GameEntry{1755, kLossScore}));
    EXPECT_EQ(games.skippedSummary(), "");
}

}  // namespace
}  // namespace tavolin
