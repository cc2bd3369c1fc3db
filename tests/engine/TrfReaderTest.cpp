// SPDX-License-Identifier: GPL-3.0-or-later
// The tournament report reader, on lines written by hand and on a whole 20-player event.
#include "TrfReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "TrfLines.h"

namespace tavolin {
namespace {

using test::trfPlayerLine;

// FIDE's own example file, its first player.
const std::string kVasquezLine =
    "001    1    g Vasquez,Rodrigo                   2558 CHI     3400042 1969.12.06  6.0    4"
    "   141 w 1    78 b 1    42 w 1    21 b 1    16 w 1    25 b =    31 w =";

std::string dataFile(const std::string& name) {
    std::ifstream file(std::string(TAVOLIN_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

TEST(TrfReaderTest, ReadsEveryFieldOfARealLine) {
    const TrfEvent event = readTrf(kVasquezLine + "\n");
    ASSERT_EQ(event.players.size(), 1u);
    const TrfPlayer& player = event.players[0];
    EXPECT_EQ(player.startingRank, 1);
    EXPECT_EQ(player.sex, ' ');
    EXPECT_EQ(player.title, "g");
    EXPECT_EQ(player.name, "Vasquez,Rodrigo");
    EXPECT_EQ(player.rating, 2558);
    EXPECT_EQ(player.federation, "CHI");
    EXPECT_EQ(player.fideId, "3400042");
    EXPECT_EQ(player.birth, "1969.12.06");
    EXPECT_EQ(player.points, "6.0");
    EXPECT_EQ(player.rank, 4);
    const std::vector<TrfRound> rounds{{141, 'w', '1'}, {78, 'b', '1'}, {42, 'w', '1'},
                                       {21, 'b', '1'},  {16, 'w', '1'}, {25, 'b', '='},
                                       {31, 'w', '='}};
    EXPECT_EQ(player.rounds, rounds);
    EXPECT_EQ(event.damagedTotal(), 0);
}

TEST(TrfReaderTest, KeepsEveryResultCodeAsWritten) {
    for (const char code : std::string("10=+-WDLHFUZwdlhfuz")) {
        SCOPED_TRACE(code);
        const TrfEvent event =
            readTrf(trfPlayerLine(3, "Dupont, Jean", "2100", {std::string("  12 b ") + code}));
        ASSERT_EQ(event.players.size(), 1u);
        ASSERT_EQ(event.players[0].rounds.size(), 1u);
        EXPECT_EQ(event.players[0].rounds[0], (TrfRound{12, 'b', code}));
    }
}

TEST(TrfReaderTest, ReadsRoundsWithoutOpponentOrResult) {
    const TrfEvent event = readTrf(
        trfPlayerLine(2, "Dupont, Jean", "2100",
                      {"0000 - H", "        ", "  14 w 1", "0000 - U", "     - Z", "   7 B  "}));
    ASSERT_EQ(event.players.size(), 1u);
    const std::vector<TrfRound> rounds{{0, '-', 'H'}, {0, ' ', ' '}, {14, 'w', '1'},
                                       {0, '-', 'U'}, {0, '-', 'Z'}, {7, 'b', ' '}};
    EXPECT_EQ(event.players[0].rounds, rounds);
}

TEST(TrfReaderTest, ALineThatEndsBeforeItsRoundsHasNone) {
    // Pairing programs write lines that stop after the points, blanks kept or not.
    const TrfEvent event = readTrf(
        "001    2 m    Akdag, Omer                       1850 TUR    00000000 2024    "
        "    0.0 \n"
        "001    1 m    Senel, Ali\n");
    ASSERT_EQ(event.players.size(), 2u);
    EXPECT_EQ(event.players[0].rating, 1850);
    EXPECT_EQ(event.players[0].points, "0.0");
    EXPECT_EQ(event.players[0].rank, 0);
    EXPECT_TRUE(event.players[0].rounds.empty());
    EXPECT_EQ(event.players[1].name, "Senel, Ali");
    EXPECT_EQ(event.players[1].rating, std::nullopt);
}

TEST(TrfReaderTest, BlankAndZeroRatingsAreUnrated) {
    const TrfEvent event =
        readTrf(trfPlayerLine(1, "A, B", "") + "\n" + trfPlayerLine(2, "C, D", "0000") + "\n" +
                trfPlayerLine(3, "E, F", "1001"));
    ASSERT_EQ(event.players.size(), 3u);
    EXPECT_EQ(event.players[0].rating, std::nullopt);
    EXPECT_EQ(event.players[1].rating, std::nullopt);
    EXPECT_EQ(event.players[2].rating, 1001);
}

TEST(TrfReaderTest, EveryKindOfLineEndReadsAlike) {
    const std::vector<std::string> lines{"012 Open d'été", "042 2026/07/01", "052 2026/07/05",
                                         trfPlayerLine(1, "A, B", "2000", {"   2 w 1"}),
                                         trfPlayerLine(2, "C, D", "1900", {"   1 b 0"})};
    const auto joined = [&](const std::vector<std::string>& ends) {
        std::string file;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            file += lines[k] + ends[k % ends.size()];
        }
        return file;
    };
    for (const auto& ends : std::vector<std::vector<std::string>>{
             {"\n"}, {"\r\n"}, {"\r"}, {"\r\n", "\r", "\n"}, {"\n", "\r\n", "\r"}}) {
        const TrfEvent event = readTrf(joined(ends));
        EXPECT_EQ(event.name, "Open d'été");
        EXPECT_EQ(event.startDate, "2026/07/01");
        EXPECT_EQ(event.endDate, "2026/07/05");
        ASSERT_EQ(event.players.size(), 2u);
        EXPECT_EQ(event.players[1].name, "C, D");
        EXPECT_EQ(event.players[1].rounds, (std::vector<TrfRound>{{1, 'b', '0'}}));
        EXPECT_EQ(event.damagedTotal(), 0);
    }
    // Blank lines between (CR then LF read as one end, LF then CR as two) change nothing.
    EXPECT_EQ(readTrf(joined({"\n\r", "\r\r\n"})).players.size(), 2u);
}

TEST(TrfReaderTest, SkipsTheRecordsItDoesNotUse) {
    const TrfEvent event = readTrf(
        "\xEF\xBB\xBF"
        "012 Championnat\r\n022 Lyon\r\n032 FRA\r\n062 2\r\n092 Swiss\r\n"
        "132                                                                                   "
        "     26/03/14\r\n142 9\r\n152 b\r\n162 W 3.0 D 1.0\r\n172 2 3\r\n192 x\r\n202 y\r\n"
        "212 z\r\n222 t\r\n013 Les Fous               1    2\r\nXXR 9\r\nXXC white1\r\n"
        "XXA    1  1.0\r\nBBW 3.0\r\nDAT 2026\r\n### 001    9 commentaire\r\n" +
        trfPlayerLine(1, "A, B", "2000") + "\r\n" + trfPlayerLine(2, "C, D", "1900") + "\r\n");
    EXPECT_EQ(event.name, "Championnat");
    ASSERT_EQ(event.players.size(), 2u);
    EXPECT_EQ(event.damagedTotal(), 0);
}

TEST(TrfReaderTest, ADamagedPlayerLineLosesOnlyItself) {
    const std::vector<std::string> lines{
        trfPlayerLine(1, "Bon, Premier", "2000", {"   4 w 1"}),
        "001   xx m    Sans, Numero                      2000",     // no starting rank
        "001 0000 m    Zero, Numero                      2000",     // rank 0 names nobody
        trfPlayerLine(1, "Double, Numero", "2000"),                 // rank used twice
        trfPlayerLine(5, "Elo, Illisible", "2x00"),                 // rating
        trfPlayerLine(6, "Couleur, Fausse", "2000", {"   1 x 1"}),  // colour
        trfPlayerLine(7, "Code, Faux", "2000", {"   1 w Q"}),       // result code
        trfPlayerLine(8, "Adversaire, Faux", "2000", {"  1x w 1"}),
        trfPlayerLine(9, "Decale, Rond", "2000", {"  1  w 1"}),             // a round shifted right
        "001    10 m    Decalee, Ligne                    2000",            // everything shifted
        trfPlayerLine(1000, "Rang, Trop Long", "2000").replace(8, 1, "0"),  // "10000"
        "\x01\x02garbage",
        trfPlayerLine(4, "Bon, Second", "1900", {"   1 b 0"}),
    };
    std::string file;
    for (const std::string& line : lines) {
        file += line + "\n";
    }
    const TrfEvent event = readTrf(file);
    ASSERT_EQ(event.players.size(), 2u);
    EXPECT_EQ(event.players[0].name, "Bon, Premier");
    EXPECT_EQ(event.players[1].name, "Bon, Second");
    EXPECT_EQ(event.damaged(TrfLineDamage::NoStartingRank), 2);
    EXPECT_EQ(event.damaged(TrfLineDamage::RankUsedTwice), 1);
    EXPECT_EQ(event.damaged(TrfLineDamage::UnreadableFields), 7);
    EXPECT_EQ(event.damaged(TrfLineDamage::TooManyRounds), 0);
    EXPECT_EQ(event.firstDamagedLine, 2u);
    EXPECT_EQ(event.playerRanked(4)->name, "Bon, Second");
    EXPECT_EQ(event.playerRanked(5), nullptr);
    EXPECT_EQ(event.playerRanked(0), nullptr);
    EXPECT_EQ(event.playerRanked(1000), nullptr);
    EXPECT_EQ(event.playerRanked(10000), nullptr);
}

TEST(TrfReaderTest, ALatin1NameBecomesUtf8) {
    const TrfEvent event = readTrf(trfPlayerLine(1, "Lef\xE8vre, H\xE9l\xE8ne", "2000") +
                                   "\n012 F\xEAte des \x9C"
                                   "ufs\n");
    ASSERT_EQ(event.players.size(), 1u);
    EXPECT_EQ(event.players[0].name, "Lefèvre, Hélène");
    EXPECT_EQ(event.name, "Fête des œufs");  // Windows-1252's 0x9C
}

TEST(TrfReaderTest, AUtf8NamePaddedByCharactersOrByBytesIsRead) {
    // "Lefèvre, Hélène" is 15 characters and 18 bytes.
    const std::string name = "Lefèvre, Hélène";
    const std::string byCharacters = "001    1 w    " + name + std::string(33 - 15, ' ') +
                                     " 2000 FRA      651234 1990/04/12  1.0    1     2 w 1";
    const std::string byBytes = "001    2 w    " + name + std::string(33 - 18, ' ') +
                                " 1900 FRA      651234 1990/04/12  1.0    1     1 b 0";
    const TrfEvent event = readTrf(byCharacters + "\n" + byBytes + "\n");
    ASSERT_EQ(event.players.size(), 2u);
    EXPECT_EQ(event.players[0].name, name);
    EXPECT_EQ(event.players[0].rating, 2000);
    EXPECT_EQ(event.players[0].rounds, (std::vector<TrfRound>{{2, 'w', '1'}}));
    EXPECT_EQ(event.players[1].name, name);
    EXPECT_EQ(event.players[1].rating, 1900);
    EXPECT_EQ(event.players[1].rounds, (std::vector<TrfRound>{{1, 'b', '0'}}));
}

TEST(TrfReaderTest, HugeLinesTakeBoundedMemory) {
    std::string rounds;
    for (std::size_t k = 0; k < kTrfMostRounds; ++k) {
        rounds += "   2 w 1  ";
    }
    const std::string mostRounds = trfPlayerLine(1, "A, B", "2000") + rounds;
    const std::string tooMany = trfPlayerLine(3, "C, D", "2000") + rounds + "   2 w 1";
    // 10 MB lines: a player's rounds, an event name, a comment.
    std::string hugeRounds = trfPlayerLine(4, "E, F", "2000");
    while (hugeRounds.size() < 10'000'000) {
        hugeRounds += "   2 w 1  ";
    }
    const std::string hugeName = "012 " + std::string(10'000'000, 'x');
    const std::string hugeComment = "### " + std::string(10'000'000, '\xE9');
    const std::string trailingBlanks =
        trfPlayerLine(2, "G, H", "2000") + std::string(10'000'000, ' ');
    const TrfEvent event = readTrf(mostRounds + "\n" + tooMany + "\n" + hugeRounds + "\n" +
                                   hugeName + "\n" + hugeComment + "\r" + trailingBlanks);
    ASSERT_EQ(event.players.size(), 2u);
    EXPECT_EQ(event.players[0].rounds.size(), kTrfMostRounds);
    EXPECT_TRUE(event.players[1].rounds.empty());
    EXPECT_EQ(event.damaged(TrfLineDamage::TooManyRounds), 2);
    EXPECT_EQ(event.name, std::string(255, 'x'));
}

TEST(TrfReaderTest, ReadsAWholeEvent) {
    const TrfEvent event = readTrf(dataFile("open-printemps.trf"));
    EXPECT_EQ(event.name, "Open de Printemps de Villeneuve");
    EXPECT_EQ(event.startDate, "2026/03/14");
    EXPECT_EQ(event.endDate, "2026/03/16");
    ASSERT_EQ(event.players.size(), 20u);
    EXPECT_EQ(event.damagedTotal(), 0);
    const TrfPlayer& third = event.players[2];
    EXPECT_EQ(third.sex, 'w');
    EXPECT_EQ(third.title, "WGM");
    EXPECT_EQ(third.name, "Dupré, Hélène");
    EXPECT_EQ(third.rating, 2312);
    const std::vector<TrfRound> rounds{
        {18, 'w', '1'}, {16, 'w', '+'}, {14, 'w', '='}, {12, 'w', '1'}, {10, 'w', '1'}};
    EXPECT_EQ(third.rounds, rounds);
    const TrfPlayer& last = event.players[19];
    EXPECT_EQ(last.name, "Valéry, Hervé");
    EXPECT_EQ(last.birth, "1948/07/07");
    EXPECT_EQ(last.points, "1.0");
    EXPECT_EQ(last.rank, 17);
    EXPECT_EQ(last.rounds.back(), (TrfRound{0, '-', 'Z'}));
    EXPECT_EQ(event.playerRanked(9)->birth, "1966.03.08");
    EXPECT_EQ(event.playerRanked(10)->birth, "2010");
    EXPECT_EQ(event.playerRanked(18)->rating, std::nullopt);
    EXPECT_EQ(event.playerRanked(18)->fideId, "");
}

// The points a result code gives, in halves: what the report's own totals are made of.
int halfPoints(char result) {
    switch (result) {
        case '1':
        case '+':
        case 'w':
        case 'f':
        case 'u':
            return 2;
        case '=':
        case 'd':
        case 'h':
            return 1;
        default:
            return 0;
    }
}

// What the opponent's round says of the same game.
char mirroredResult(char result) {
    switch (result) {
        case '1':
            return '0';
        case '0':
            return '1';
        case '+':
            return '-';
        case '-':
            return '+';
        case 'w':
            return 'l';
        case 'l':
            return 'w';
        default:
            return result;
    }
}

char lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// Real events from public projects: FIDE's own example of a 284-player open (LF), and a
// 60-player event whose lines end with CR alone. Every game is read the same from both
// sides, and every player's rounds add up to the points his line states.
TEST(TrfReaderTest, RealEventsReadWholeAndAgreeWithThemselves) {
    struct RealEvent {
        std::string file, name;
        std::size_t players, rounds;
    };
    for (const RealEvent& real :
         {RealEvent{"fide-example-284.trf", "9. Karl-Mala-Gedenkturnier", 284, 7},
          RealEvent{"bbp-issue7-cr.trf", "AutoTest Tournament 1110065304", 60, 14}}) {
        SCOPED_TRACE(real.file);
        const TrfEvent event = readTrf(dataFile(real.file));
        EXPECT_EQ(event.name, real.name);
        ASSERT_EQ(event.players.size(), real.players);
        EXPECT_EQ(event.damagedTotal(), 0);
        for (const TrfPlayer& player : event.players) {
            SCOPED_TRACE(player.name);
            ASSERT_LE(player.rounds.size(), real.rounds);
            int halves = 0;
            for (std::size_t k = 0; k < player.rounds.size(); ++k) {
                const TrfRound& round = player.rounds[k];
                halves += halfPoints(lowered(round.result));
                if (round.opponent == 0) {
                    continue;
                }
                const TrfPlayer* opponent = event.playerRanked(round.opponent);
                ASSERT_NE(opponent, nullptr);
                ASSERT_LT(k, opponent->rounds.size());
                const TrfRound& theirs = opponent->rounds[k];
                EXPECT_EQ(theirs.opponent, player.startingRank);
                const char otherColour = round.colour == 'w'   ? 'b'
                                         : round.colour == 'b' ? 'w'
                                                               : round.colour;
                EXPECT_EQ(theirs.colour, otherColour);
                EXPECT_EQ(lowered(theirs.result), mirroredResult(lowered(round.result)));
            }
            EXPECT_EQ(std::to_string(halves / 2) + (halves % 2 ? ".5" : ".0"), player.points);
        }
    }
    const TrfEvent fide = readTrf(dataFile("fide-example-284.trf"));
    EXPECT_EQ(fide.startDate, "28. 07. 2005");
    EXPECT_EQ(fide.playerRanked(146)->rating, std::nullopt);
    EXPECT_EQ(fide.playerRanked(280)->rating, 2005);
    EXPECT_EQ(fide.playerRanked(278)->federation, "SWE");
    EXPECT_EQ(fide.playerRanked(276)->rounds.front(), (TrfRound{0, ' ', ' '}));
    EXPECT_EQ(fide.playerRanked(282)->rounds[4], (TrfRound{0, '-', '+'}));
}

TEST(TrfReaderTest, AnEmptyOrForeignFileHasNoPlayer) {
    for (const std::string& file :
         {std::string(), std::string("\n\r\n"), std::string("[Event \"Open\"]\n1. e4 *\n"),
          std::string("001"), std::string("001\n001 \n001    ")}) {
        const TrfEvent event = readTrf(file);
        EXPECT_TRUE(event.players.empty());
        EXPECT_TRUE(event.name.empty());
    }
}

}  // namespace
}  // namespace tavolin
