// SPDX-License-Identifier: GPL-3.0-or-later
// The PGN reader and the choice of a player's games, on small files written by hand.
#include "PgnReader.h"

#include <gtest/gtest.h>

#include <map>

#include <random>
#include <sstream>
#include <vector>

#include "PgnImport.h"
#include "PgnText.h"

namespace tavolin {
namespace {

// Names as the engine's lists see them through the caller's key: here ASCII letters in
// lower case and runs of blanks as one, enough for these files (the program's own rule,
// with Unicode's case folding, is tested in tests/storage/PlayerNamesTest.cpp).
std::string simpleKey(std::string_view name) {
    std::string key;
    for (const char c : name) {
        if (c == ' ' && (key.empty() || key.back() == ' ' || key.back() == ',')) {
            continue;
        }
        key += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    return key;
}

std::vector<PgnGameTags> tagsOf(std::string_view file, bool* truncated = nullptr) {
    std::vector<PgnGameTags> games;
    PgnReader reader([&](const PgnGameTags& game) { games.push_back(game); });
    reader.feed(file);
    reader.finish();
    if (truncated != nullptr) {
        *truncated = reader.truncated();
    }
    return games;
}

// A tournament as organisers publish it: several rounds, comments, variations, glyphs,
// escaped quotes, a "%" line, CRLF line ends and a byte-order mark.
const std::string kTournament =
    "\xEF\xBB\xBF% exported by a club\r\n"
    "[Event \"Open \\\"Printemps\\\" [B]\"]\r\n"
    "[Round \"1\"]\r\n[Date \"2026.03.01\"]\r\n"
    "[White \"Dupont, Jean\"]\r\n[Black \"Martin, Luc\"]\r\n"
    "[WhiteElo \"1850\"]\r\n[BlackElo \"2010\"]\r\n[Result \"0-1\"]\r\n\r\n"
    "1. e4 {a [Black \"Nobody\"] comment} e5 (1... c5 2. Nf3 {deep} (2. c3)) 2. Nf3 $1 ; [x\r\n"
    "Nc6 0-1\r\n\r\n"
    "[Event \"Open Printemps\"]\r\n[Round \"2\"]\r\n"
    "[White \"Leroy, Anne\"]\r\n[Black \"DUPONT,JEAN\"]\r\n"
    "[WhiteElo \"1700\"]\r\n[BlackElo \"1850\"]\r\n[Result \"1/2-1/2\"]\r\n\r\n"
    "1. d4 d5 1/2-1/2\r\n"
    "[Round \"3\"]\r\n[White \"dupont,  jean\"]\r\n[Black \"Petit, Paul\"]\r\n"
    "[BlackElo \"?\"]\r\n[Result \"1-0\"]\r\n1. c4 1-0\r\n"
    "[Round \"4\"]\r\n[White \"Dupont, Jean\"]\r\n[Black \"Blanc, Eve\"]\r\n"
    "[BlackElo \"2300\"]\r\n[Result \"*\"]\r\n1. c4 *\r\n";

TEST(PgnReaderTest, ReadsTheTagsAndSkipsTheMovetext) {
    bool truncated = true;
    const auto games = tagsOf(kTournament, &truncated);
    ASSERT_EQ(games.size(), 4u);
    EXPECT_FALSE(truncated);
    EXPECT_EQ(games[0].event, "Open \"Printemps\" [B]");
    EXPECT_EQ(games[0].black, "Martin, Luc");  // not the "Nobody" of the comment
    EXPECT_EQ(games[0].result, "0-1");
    EXPECT_EQ(games[1].white, "Leroy, Anne");
    EXPECT_EQ(games[1].round, "2");
    EXPECT_EQ(games[3].result, "*");
    // The same file, a byte at a time: nothing depends on where the chunks end.
    std::vector<PgnGameTags> byByte;
    PgnReader reader([&](const PgnGameTags& game) { byByte.push_back(game); });
    for (const char c : kTournament) {
        reader.feed({&c, 1});
    }
    reader.finish();
    EXPECT_EQ(byByte, games);
    EXPECT_EQ(byByte[2].white, "dupont,  jean");
}

TEST(PgnReaderTest, TakesAPlayersGamesAndSaysWhyOthersAreLeftOut) {
    PgnPlayerGames dupont(simpleKey("DUPONT, Jean"), simpleKey);
    PgnPlayerList list(simpleKey);
    for (const PgnGameTags& game : tagsOf(kTournament)) {
        dupont.add(game);
        list.add(game);
    }
    ASSERT_EQ(dupont.games().size(), 2u);
    EXPECT_EQ(dupont.games()[0].entry, (GameEntry{2010, 0}));  // lost with White
    EXPECT_EQ(dupont.games()[0].opponent, "Martin, Luc");
    EXPECT_EQ(dupont.games()[0].event, "Open \"Printemps\" [B]");
    EXPECT_EQ(dupont.games()[1].entry, (GameEntry{1700, 0.5}));
    EXPECT_EQ(dupont.skippedText(), "1 sans Elo de l'adversaire, 1 partie non terminée");
    const std::vector<PgnPlayer> players = list.players();
    ASSERT_EQ(players.size(), 5u);
    EXPECT_EQ(players[0].name, "Dupont, Jean");
    EXPECT_EQ(players[0].games, 4);
    EXPECT_EQ(players[1].name, "Blanc, Eve");  // one game each, by name
}

// A file of many players lists as fast as one of few only if each spelling's key, the costly
// part, is worked out once however many games and players the file has.
TEST(PgnReaderTest, EachSpellingIsKeyedOnceHoweverManyPlayersAndGames) {
    std::map<std::string, int> keyed;
    const NameKey countingKey = [&](std::string_view name) {
        ++keyed[std::string(name)];
        return simpleKey(name);
    };
    PgnPlayerList list(countingKey);
    PgnPlayerGames player(simpleKey("Player 7"), countingKey);
    constexpr int kPlayers = 6000;
    for (int round = 0; round < 3; ++round) {
        for (int k = 0; k < kPlayers; ++k) {
            PgnGameTags game;
            game.white = "Player " + std::to_string(k);
            game.black = "PLAYER " + std::to_string((k + round + 1) % kPlayers);
            game.result = "1-0";
            game.whiteElo = "1900";
            game.blackElo = "1800";
            list.add(game);
            player.add(game);
        }
    }
    EXPECT_EQ(list.players().size(), static_cast<std::size_t>(kPlayers));
    EXPECT_EQ(list.players().front().games, 6);
    EXPECT_EQ(player.games().size(), 6u);
    EXPECT_EQ(keyed.size(), 2u * kPlayers);  // the two spellings of each player
    for (const auto& [name, times] : keyed) {
        ASSERT_LE(times, 2) << name;  // once for the list, once for the player's games
    }
}

TEST(PgnReaderTest, EachRuleOfTheOpponentsEloAndTheResult) {
    struct Case {
        const char* elo;
        const char* result;
        bool imported;
        const char* skipped;
    };
    for (const Case& c : {
             Case{"1000", "1-0", true, ""},
             Case{"3000", "0-1", true, ""},
             Case{" 1500 ", "1/2-1/2", true, ""},
             Case{"999", "1-0", false, "1 Elo de l'adversaire hors de 1000 à 3000"},
             Case{"3001", "1-0", false, "1 Elo de l'adversaire hors de 1000 à 3000"},
             Case{"1500.5", "1-0", false, "1 Elo de l'adversaire illisible"},
             Case{"abc", "1-0", false, "1 Elo de l'adversaire illisible"},
             Case{"-", "1-0", false, "1 sans Elo de l'adversaire"},
             Case{"", "1-0", false, "1 sans Elo de l'adversaire"},
             Case{"1500", "*", false, "1 partie non terminée"},
             Case{"1500", "1-1", false, "1 résultat illisible"},
             Case{"1500", "", false, "1 résultat illisible"},
         }) {
        PgnGameTags game;
        game.white = "Anna";
        game.black = "Bob";
        game.blackElo = c.elo;
        game.result = c.result;
        PgnPlayerGames anna("anna", simpleKey);
        anna.add(game);
        EXPECT_EQ(anna.games().size(), c.imported ? 1u : 0u) << c.elo << ' ' << c.result;
        EXPECT_EQ(anna.skippedText(), c.skipped) << c.elo << ' ' << c.result;
    }
}

// Tag values as text: UTF-8 kept, anything else read as Windows-1252, the cut of a long
// value at a character, no control character left.
TEST(PgnReaderTest, ValuesAreUtf8OrWindows1252WithoutControls) {
    const std::string cutUtf8 = std::string(254, 'a') + "\xC3";  // "é" cut after its lead
    const std::string longUtf8 = std::string(253, 'a') + "\xC3\xA9";
    struct Case {
        std::string raw, text;
    };
    for (const Case& c : {
             Case{"\xC3\x89lodie", "\xC3\x89lodie"},                          // already UTF-8
             Case{"\xC9lodie", "\xC3\x89lodie"},                              // Latin-1 É
             Case{"\x8Aimon \x9C\x80", "\xC5\xA0imon \xC5\x93\xE2\x82\xAC"},  // Š œ €
             Case{"L\x92Hermite", "L\xE2\x80\x99Hermite"},          // the typographic apostrophe
             Case{"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // a surrogate: 1252
             Case{"A\x81"
                  "B",
                  "A B"},  // undefined in the code page
             Case{std::string("Du\0pont\tJean\x7F", 13), "Du pont Jean "},
             Case{"C1\xC2\x85", "C1 "},  // U+0085 in UTF-8
             Case{cutUtf8, std::string(254, 'a')},
             Case{longUtf8, longUtf8},
         }) {
        EXPECT_EQ(pgnTextAsUtf8(c.raw), c.text) << c.raw;
    }
}

TEST(PgnReaderTest, DatesAsTheFrenchWriteThem) {
    for (const auto& [pgn, french] :
         {std::pair{"2024.03.02", "02/03/2024"}, std::pair{"2024.??.??", "?\?/?\?/2024"},
          std::pair{"????.??.??", "?\?/?\?/??"}, std::pair{"2024", "2024"},
          std::pair{"2024.3.2", "2024.3.2"}, std::pair{"", ""}}) {
        EXPECT_EQ(frenchDate(pgn), french) << pgn;
    }
}

// A damaged tag loses only itself; the game keeps its other tags and is handed over.
TEST(PgnReaderTest, ADamagedTagLosesOnlyItself) {
    struct Case {
        const char* tag;
        const char* white;
        const char* event;
    };
    for (const Case& c : {
             Case{"[ White \"A\" ]", "A", ""},
             Case{"[White \"\"Chess Guru\"\"]", "\"Chess Guru\"", ""},
             Case{"[Event \"The \"Big\" Open\"]", "", "The \"Big\" Open"},
             Case{"[Event \"The \"Big\" Open\"  ]", "", "The \"Big\" Open"},
             Case{"]", "", ""},
             Case{"[White-Elo \"1800\"]", "", ""},
             Case{"[White \"A\"]]", "A", ""},
             Case{"[White \"never closed\n", "", ""},
         }) {
        const std::string file = std::string(c.tag) +
                                 "\n[Black \"B\"]\n[BlackElo \"1900\"]\n[Result \"1-0\"]\n"
                                 "1. e4 1-0\n\n[White \"C\"]\n1. d4 0-1\n";
        const auto games = tagsOf(file);
        ASSERT_EQ(games.size(), 2u) << c.tag;
        EXPECT_EQ(games[0].white, c.white) << c.tag;
        EXPECT_EQ(games[0].event, c.event) << c.tag;
        EXPECT_EQ(games[0].blackElo, "1900") << c.tag;
        EXPECT_EQ(games[0].result, "1-0") << c.tag;
        EXPECT_EQ(games[1].white, "C") << c.tag;
    }
}

TEST(PgnReaderTest, TheSkippedGamesAgreeInNumber) {
    PgnPlayerGames anna("anna", simpleKey);
    for (const char* result : {"*", "*", "1-1"}) {
        PgnGameTags game;
        game.white = "Anna";
        game.blackElo = "1500";
        game.result = result;
        anna.add(game);
    }
    EXPECT_EQ(anna.skippedSummary(),
              "3 parties ignorées : 2 parties non terminées, 1 résultat illisible");
}

TEST(PgnReaderTest, APlayersGamesStopAtTheLimit) {
    PgnPlayerGames anna("anna", simpleKey, 51);
    PgnGameTags game;
    game.white = "Anna";
    game.blackElo = "1500";
    game.result = "1-0";
    for (int k = 0; k < 60; ++k) {
        anna.add(game);
    }
    EXPECT_TRUE(anna.full());
    EXPECT_EQ(anna.games().size(), 51u);
}

TEST(PgnReaderTest, DamagedFilesGiveTheGamesBeforeTheDamage) {
    const std::string whole = "[White \"A\"]\n[Black \"B\"]\n1. e4 1-0\n";
    struct Case {
        std::string file;
        std::size_t games;
        bool truncated;
    };
    for (const Case& c : {Case{"", 0, false}, Case{whole, 1, false},
                          Case{whole + "[White \"C", 1, true}, Case{whole + "[Whi", 1, true},
                          Case{whole + "[White \"C\"]\n1. e4 {never closed", 2, true},
                          Case{std::string("\0\xff\x80[[[\"\\", 8), 0, true}}) {
        bool truncated = false;
        EXPECT_EQ(tagsOf(c.file, &truncated).size(), c.games) << c.file;
        EXPECT_EQ(truncated, c.truncated) << c.file;
    }
}

// Random damage to a real-looking file: the reader ends, keeps within its limits and never
// reads outside what it was given (the sanitizers watch).
TEST(PgnReaderTest, SurvivesThousandsOfMutatedFiles) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 3000; ++round) {
        std::string file = kTournament;
        const int changes = std::uniform_int_distribution<int>(1, 20)(random);
        for (int k = 0; k < changes; ++k) {
            const std::size_t at =
                std::uniform_int_distribution<std::size_t>(0, file.size() - 1)(random);
            switch (random() % 3) {
                case 0:
                    file[at] = static_cast<char>(random());
                    break;
                case 1:
                    file.erase(at, 1 + random() % 8);
                    break;
                default:
                    file.insert(at, 1 + random() % 8, "[]{}\";%\\\n"[random() % 9]);
                    break;
            }
            if (file.empty()) {
                file = "[";
            }
        }
        file.resize(std::uniform_int_distribution<std::size_t>(0, file.size())(random));
        // In pieces cut anywhere, the file reads as it does whole.
        std::vector<PgnGameTags> inPieces;
        PgnReader reader([&](const PgnGameTags& game) { inPieces.push_back(game); });
        for (std::size_t at = 0; at < file.size();) {
            const std::size_t piece = 1 + random() % 40;
            reader.feed(std::string_view(file).substr(at, piece));
            at += piece;
        }
        reader.finish();
        const std::vector<PgnGameTags> whole = tagsOf(file);
        ASSERT_EQ(inPieces, whole) << round;
        for (const PgnGameTags& game : whole) {
            for (const std::string* tag : {&game.white, &game.black, &game.whiteElo, &game.event}) {
                ASSERT_LE(tag->size(), 255u);
            }
            PgnPlayerGames("dupont,jean", simpleKey).add(game);
        }
    }
}

// A long file of varied games, as the fast paths read it whole and as the byte-by-byte
// reading reads it a byte at a time: the same games. Names, values and moves of every length
// around the 16 bytes read at once, tags that stop the fast path halfway (escapes, blanks,
// a missing "]", a tag cut by a line end), CRLF and "%" lines.
TEST(PgnReaderTest, TheFastPathsReadAsTheByteByByteReading) {
    std::mt19937 random(20261210);
    const auto pick = [&](std::initializer_list<const char*> choices) {
        return std::string(*(choices.begin() + random() % choices.size()));
    };
    const std::string_view runBytes = "abcdefghij KLMNOP,.-_0123\xe9\xc3";
    const auto run = [&](std::size_t length) {
        std::string text;
        for (std::size_t k = 0; k < length; ++k) {
            text += runBytes[random() % runBytes.size()];
        }
        return text;
    };
    std::string file;
    for (int game = 0; game < 400; ++game) {
        const std::string lineEnd = random() % 5 == 0 ? "\r\n" : "\n";
        for (const char* name : {"Event", "White", "Black", "WhiteElo", "Result", "Round", "Date",
                                 "BlackElo", "Site", "A_Long_Tag_Name_Of_20"}) {
            if (random() % 8 == 0) {
                continue;
            }
            const std::string value = run(random() % 40);
            file += pick({"[", "[", "[", "[", "[ "}) + name + pick({" ", " ", "  ", "\t", ""}) +
                    "\"" + value + pick({"\"", "\"", "\"", "\\\"x\"", "\"\"", "\" \""}) +
                    pick({"]", "]", "]", " ]", "", "]]"}) + lineEnd;
        }
        if (random() % 10 == 0) {
            file += "% an escaped line [White \"Nobody\"]" + lineEnd;
        }
        file += lineEnd + "1. e4 {[%clk 1:30:00]} e5 " + run(random() % 80) +
                pick({" ; [x", " (2... d6)", " $1", ""}) + lineEnd + pick({"1-0", "*"}) + lineEnd +
                lineEnd;
    }
    std::vector<PgnGameTags> byByte;
    PgnReader reader([&](const PgnGameTags& game) { byByte.push_back(game); });
    for (const char c : file) {
        reader.feed({&c, 1});
    }
    reader.finish();
    const std::vector<PgnGameTags> whole = tagsOf(file);
    ASSERT_GE(whole.size(), 300u);
    EXPECT_EQ(whole, byByte);
}

TEST(PgnReaderTest, ALongValueIsKeptToPgnsLimit) {
    const auto games = tagsOf("[Event \"" + std::string(100000, 'x') + "\"]\n1. e4 *\n");
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].event.size(), 255u);
}

}  // namespace
}  // namespace tavolin
