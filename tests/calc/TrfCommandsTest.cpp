// SPDX-License-Identifier: GPL-3.0-or-later
// tavolin-calc --trf on real published reports and on hand-made lines.
#include "TrfCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../engine/TrfLines.h"
#include "CalcRun.h"

namespace tavolin {
namespace {

using test::trfPlayerLine;
using ::testing::HasSubstr;

const std::string kFideExample = std::string(TAVOLIN_TEST_DATA_DIR) + "/fide-example-284.trf";
const std::string kCrOnlyEvent = std::string(TAVOLIN_TEST_DATA_DIR) + "/bbp-issue7-cr.trf";

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(TrfCommandsTest, ListsTheEventsPlayersInFileOrder) {
    const CalcRun run = calc({"--trf", kFideExample});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 284u);
    EXPECT_EQ(lines[0], "1\tVasquez,Rodrigo\t2558\t6.0");
    EXPECT_EQ(lines[145], "146\tEngel,Johannes\t\t4.0");
    EXPECT_EQ(lines[279], "280\tKammerer,Peter\t2005\t3.0");
    EXPECT_EQ(lines[283], "284\tspielfrei\t\t0.0");

    const CalcRun crOnly = calc({"--trf", kCrOnlyEvent});
    EXPECT_EQ(crOnly.status, 0);
    ASSERT_EQ(linesOf(crOnly.out).size(), 60u);
    EXPECT_EQ(linesOf(crOnly.out)[3], "4\tTest0004 Player0004\t2689\t9.0");
}

// A report's rated games give the figures of the same games typed, the rating taken from the
// player's line unless -r gives one; the rounds left out are told on the error output.
TEST(TrfCommandsTest, CalculatesAsIfTheGamesWereTyped) {
    struct Case {
        std::string file, player;
        std::vector<std::string_view> options, typed;
        std::string err;
    };
    const std::vector<Case> cases{
        {kFideExample,
         "Rodrigo Vasquez",
         {"-s", "fide"},
         {"-s", "fide", "-r", "2558", "1895+", "2079+", "2149+", "2302+", "2346+",
          "2251=", "2219="},
         ""},
        {kFideExample,
         "vasquez, rodrigo",
         {"-s", "fide2024", "-r", "2400"},
         {"-s", "fide2024", "-r", "2400", "1895+", "2079+", "2149+", "2302+", "2346+",
          "2251=", "2219="},
         ""},
        // Unrated himself: one forfeit and three unrated opponents left out.
        {kFideExample,
         "Reichwehr,Bernd",
         {"-s", "elo", "-r", "1900"},
         {"-s", "elo", "-r", "1900", "2093-", "2114=", "2066-"},
         "4 rondes non prises : 1 forfait, 3 adversaires non classés\n"},
        // Player 4 of the CR-only event won two rounds by forfeit and lost one.
        {kCrOnlyEvent,
         "Test0004 Player0004",
         {"-s", "elo", "--detail"},
         {"-s", "elo", "-r", "2689", "--detail", "2386+", "2593=", "2521=", "2673+", "2720-",
          "2419=", "2248+", "2655+", "2653=", "2697-", "2568+"},
         "3 rondes non prises : 3 forfaits\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.player);
        std::vector<std::string_view> arguments = c.options;
        arguments.insert(arguments.end(), {"--trf", c.file, "--player", c.player});
        const CalcRun imported = calc(arguments);
        const CalcRun typed = calc(c.typed);
        EXPECT_EQ(typed.status, 0);
        EXPECT_EQ(imported.status, 0);
        EXPECT_EQ(imported.out, typed.out);
        EXPECT_EQ(imported.err, c.err + typed.err);
    }
}

TEST(TrfCommandsTest, RefusesWhatItCannotTake) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("tie.trf")).toStdString();
    {
        std::ofstream file(path, std::ios::binary);
        file << "012 Open\r\n"
             << trfPlayerLine(1, "Martin, Paul", "1800", {"   2 w 1", "   3 b 1"}) << "\r\n"
             << trfPlayerLine(2, "Martin,Paul", "1700", {"   1 b 0", "   0    "}) << "\r\n"
             << "001    x    damaged line\r\n"
             << trfPlayerLine(3, "Petit, Anne", "", {"   0    ", "   1 w -"}) << "\r\n";
    }
    const CalcRun tied = calc({"--trf", path, "--player", "Paul Martin"});
    EXPECT_EQ(tied.status, 1);
    EXPECT_EQ(tied.err,
              "1 ligne de joueur abîmée n'est pas prise (ligne 4).\n"
              "Plusieurs joueurs de " +
                  path +
                  " peuvent être Paul Martin : Martin, Paul ; "
                  "Martin,Paul\n");

    const CalcRun nobody = calc({"--trf", path, "--player", "Nobody"});
    EXPECT_EQ(nobody.status, 1);
    EXPECT_THAT(nobody.err, HasSubstr("Aucun joueur nommé Nobody dans " + path + "\n"));

    // A bye and a forfeit: no game.
    const CalcRun noGame = calc({"--trf", path, "--player", "Petit, Anne"});
    EXPECT_EQ(noGame.status, 1);
    EXPECT_THAT(noGame.err, HasSubstr("Aucune partie de Petit, Anne dans " + path + "\n"));

    const CalcRun folderRun = calc({"--trf", folder.path().toStdString()});
    EXPECT_EQ(folderRun.status, 1);
    EXPECT_THAT(folderRun.err, HasSubstr("c'est un dossier"));

    const CalcRun pgn = calc({"--trf", std::string(TAVOLIN_TEST_DATA_DIR) + "/../CMakeLists.txt"});
    EXPECT_EQ(pgn.status, 1);
    EXPECT_THAT(pgn.err, HasSubstr("Aucun joueur dans"));

    for (const std::vector<std::string_view>& usage :
         std::vector<std::vector<std::string_view>>{{"--trf", path, "1600+"},
                                                    {"--trf", path, "--pgn", path},
                                                    {"--trf", path, "--table"},
                                                    {"--trf", path, "--history", path},
                                                    {"--trf", path, "--fide-find", "x"}}) {
        EXPECT_EQ(calc(usage).status, 2);
    }
}

}  // namespace
}  // namespace tavolin
