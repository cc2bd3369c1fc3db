// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalcCommandLine.h"
#include "CalcRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "HistoryPeriods.h"
#include "RatingHistory.h"

namespace tavolin {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(CalcCommandLineTest, PrintsTheLabelsOfTheSystem) {
    const CalcRun run = calc({"-r", "1500", "1600+", "1600-", "1600=", "1600="});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Pourcentage : 50\n"
              "PERFORMANCE : 1600\n"
              "Moyenne des adversaires : 1600\n"
              "NOUVEL ELO : 1525\n");
    EXPECT_EQ(run.err, "");
}

TEST(CalcCommandLineTest, EachSystemHasItsCaptions) {
    EXPECT_EQ(calc({"-s", "injes", "-r", "1500", "1600+", "1600-", "1600=", "1600="}).out,
              "Pourcentage : 50\nPERFORMANCE : 1600\nMoyenne des adversaires : 1600\n"
              "NOUVEL INJES : 1557\n");  // (4 × 1600 + 3 × 1500) / 7
    EXPECT_EQ(
        calc({"--system=fide", "-r", "1600", "1600+", "1600+", "1600+", "1600-", "1600-"}).out,
        "Variation : 12\nScore théorique/réalisé : 2,5/3\nMoyenne des adversaires : 1600\n"
        "NOUVEAU FIDE : 1613\n");
    EXPECT_EQ(calc({"-sperf", "1600+", "1600+", "1600+", "1600+"}).out,
              "Bonus\\Malus : 736\nMoyenne des adversaires : 1600\nPERFORMANCE : 2336\n");
}

// The reference's example: 1850 at K 20 gains 10; an unrated player's first rating.
TEST(CalcCommandLineTest, Fide2024RatedAndUnrated) {
    const CalcRun rated =
        calc({"-s", "fide2024", "-r", "1850", "2010+", "1700=", "2300-", "1400+"}, ".");
    EXPECT_EQ(rated.status, 0);
    EXPECT_EQ(rated.out,
              "Variation : 10\nScore théorique/réalisé : 1.99/2.5\n"
              "Moyenne des adversaires : 1853\nNOUVEAU FIDE : 1860\n");
    EXPECT_THAT(calc({"-s", "fide2024", "-k", "40", "-r", "1850", "2010+"}).out,
                StartsWith("Variation : 28\n"));  // 40 × (1 − .29) = 28.4
    // A first rating: the figures FIDE computes it from, with the two 1800 draws (1729 + 50).
    EXPECT_EQ(calc({"-s", "fide2024", "1700+", "1700+", "1600+", "1800-", "1700-"}, ".").out,
              "Variation : +50\nScore théorique/réalisé : 4/7\nMoyenne des adversaires : 1729\n"
              "NOUVEAU FIDE : 1779\n");

    EXPECT_THAT(calc({"-s", "fide2024", "-r", "1850", "-d", ",", "--detail", "1900+"}).out,
                ::testing::EndsWith("\n1\t1900\t1\toui\t-50\t0,43\t11,40\n"));
    EXPECT_THAT(calc({"-s", "fide2024", "-r", "1850", "-d", ".", "--detail", "1900=", "1300+"}).out,
                ::testing::EndsWith("\n1\t1900\t0.5\toui\t-50\t0.43\t1.40\n2\t1300\t1\tnon\n"));
    EXPECT_THAT(calc({"-r", "1500", "--detail", "1600+"}).out,
                ::testing::EndsWith("NOUVEL ELO : 1536\n1\t1600\t1\toui\n"));
    const CalcRun leftOut = calc({"-s", "fide2024", "-r", "1850", "2010+", "1300+", "1200="});
    EXPECT_EQ(leftOut.status, 0);
    EXPECT_EQ(leftOut.err, "2 parties non comptées (adversaire classé sous 1400)\n");
    const CalcRun leaving = calc({"-s", "fide2024", "-r", "1400", "1400-"});
    EXPECT_EQ(leaving.status, 0);
    EXPECT_THAT(leaving.out, HasSubstr("NOUVEAU FIDE : 1390\n"));
    EXPECT_EQ(leaving.err,
              "Votre nouveau classement FIDE est inférieur à 1400 : vous quittez la liste\n");

    const CalcRun fewGames = calc({"-s", "fide2024", "1700+"});
    EXPECT_EQ(fewGames.status, 1);
    EXPECT_THAT(fewGames.err, HasSubstr("au moins 5 parties"));
    EXPECT_EQ(calc({"-s", "fide2024", "-k", "25", "-r", "1850", "2010+"}).status, 2);
    EXPECT_EQ(calc({"-s", "fide", "-k", "40", "-r", "1850", "2010+"}).status, 0);  // kept 25
}

// A PGN file's games give the figures of the same games typed as arguments.
TEST(CalcCommandLineTest, TakesAPlayersGamesFromAPgnFile) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tavolin-calc-pgn-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "open.pgn").string();
    {
        std::ofstream file(path, std::ios::binary);
        file << "[White \"Dupont, Jean\"][Black \"Martin\"][BlackElo \"2010\"][Result \"0-1\"]\n"
                "1. e4 {(} e5 0-1\n"
                "[White \"Leroy\"][Black \"DUPONT,JEAN\"][WhiteElo \"1700\"][Result \"1/2-1/2\"]\n"
                "1. d4 1/2-1/2\n"
                "[White \"Petit\"][Black \"Dupont, Jean\"][WhiteElo \"?\"][Result \"0-1\"]\n*\n"
                "[White \"Dupont, Jean\"][Black \"Blanc\"][BlackElo \"2300\"][Result \"1-0\"]\n";
    }
    const CalcRun typed = calc({"-s", "fide2024", "-r", "1850", "2010-", "1700=", "2300+"});
    const CalcRun imported =
        calc({"-s", "fide2024", "-r", "1850", "--pgn", path, "--player", "dupont, jean"});
    EXPECT_EQ(imported.status, 0);
    EXPECT_EQ(imported.out, typed.out);
    EXPECT_EQ(imported.err, "1 partie ignorée : 1 sans Elo de l'adversaire\n");

    const CalcRun players = calc({"--pgn", path});
    EXPECT_EQ(players.status, 0);
    EXPECT_EQ(players.out, "Dupont, Jean\t4\nBlanc\t1\nLeroy\t1\nMartin\t1\nPetit\t1\n");

    const CalcRun nobody = calc({"--pgn", path, "--player", "Nobody"});
    EXPECT_EQ(nobody.status, 1);
    EXPECT_EQ(nobody.err, "Aucun joueur nommé Nobody dans " + path + "\n");

    const CalcRun folderRun = calc({"--pgn", folder.string(), "--player", "x"});
    EXPECT_EQ(folderRun.status, 1);
    EXPECT_THAT(folderRun.err, HasSubstr("c'est un dossier"));
    EXPECT_EQ(calc({"--player", "x", "1600+"}).status, 2);
    EXPECT_EQ(calc({"--pgn", path, "1600+"}).status, 2);

    {
        std::ofstream file(path, std::ios::binary);
        for (int k = 0; k < 51; ++k) {
            file << "[White \"A\"][Black \"B\"][BlackElo \"1600\"][Result \"1-0\"]\n1. e4 1-0\n";
        }
    }
    const CalcRun tooMany = calc({"--pgn", path, "--player", "A", "-r", "1500"});
    EXPECT_EQ(tooMany.status, 1);
    EXPECT_EQ(tooMany.err, "Impossible d'ajouter plus de 50 parties\n");
    std::filesystem::remove_all(folder);
}

// --player names the file's player as the window's import chooses him.
TEST(CalcCommandLineTest, ChoosesTheFilesPlayerAsTheWindowDoes) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tavolin-calc-names-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "names.pgn").string();
    {
        std::ofstream file(path, std::ios::binary);
        for (const char* name : {"Lefèvre, Hélène", "Hélène Lefèvre", "Jean-Christophe Dupont"}) {
            file << "[White \"" << name << "\"][Black \"X\"][BlackElo \"1600\"][Result \"1-0\"]\n"
                 << "1. e4 1-0\n";
        }
    }
    struct Case {
        const char* player;
        int status;
        std::string said;
    };
    for (const Case& c : {
             Case{"JEAN-CHRISTOPHE DUPONT", 0, ""},
             Case{"Jean-Christophe Dupo", 0, ""},  // the 20 characters the grid keeps
             Case{"Dupont", 1, "Aucun joueur nommé Dupont dans " + path + "\n"},
             Case{"Lefevre, Helene", 1,
                  "Plusieurs joueurs de " + path +
                      " peuvent être Lefevre, Helene : Hélène Lefèvre ; Lefèvre, Hélène\n"},
         }) {
        const CalcRun run = calc({"--pgn", path, "--player", c.player, "-r", "1500"});
        EXPECT_EQ(run.status, c.status) << c.player;
        EXPECT_EQ(run.err, c.said) << c.player;
    }
    std::filesystem::remove_all(folder);
}

// A device or a pipe is refused at once, and a player's games are read up to the 51st only.
TEST(CalcCommandLineTest, ReadsOnlyWhatItNeeds) {
    const CalcRun device = calc({"--pgn", "/dev/zero", "--player", "A"});
    EXPECT_EQ(device.status, 1);
    EXPECT_EQ(device.err, "Impossible de lire /dev/zero : ce n'est pas un fichier ordinaire.\n");

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tavolin-calc-many-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "many.pgn").string();
    {
        std::ofstream file(path, std::ios::binary);
        for (int k = 0; k < 200000; ++k) {
            file << "[White \"A\"][Black \"B\"][BlackElo \"1600\"][Result \"1-0\"]\n1. e4 1-0\n";
        }
        file << "[White \"A\"][Black";  // damaged at the very end
    }
    const CalcRun tooMany = calc({"--pgn", path, "--player", "A", "-r", "1500"});
    EXPECT_EQ(tooMany.status, 1);
    // The list of players reads the whole file and finds the damage; the games stop early.
    EXPECT_EQ(tooMany.err, "Le fichier " + path +
                               " est abîmé : seules les parties lues avant l'endroit abîmé sont "
                               "prises\nImpossible d'ajouter plus de 50 parties\n");
    std::filesystem::remove_all(folder);
}

TEST(CalcCommandLineTest, TakesTheSwitches) {
    // Young, 8 games at 0.75: N = P.
    const std::vector<std::string_view> games{"1600+", "1600+", "1600+", "1600+",
                                              "1600+", "1600+", "1600-", "1600-"};
    std::vector<std::string_view> arguments{"-r", "1500", "-j"};
    arguments.insert(arguments.end(), games.begin(), games.end());
    EXPECT_THAT(calc(arguments).out, HasSubstr("NOUVEL ELO : 1793\n"));
    arguments.push_back("-i");
    EXPECT_THAT(calc(arguments).out, HasSubstr("NOUVEL ELO : 1791\n"));
    arguments.push_back("--round");
    EXPECT_THAT(calc(arguments).out, HasSubstr("NOUVEL ELO : 1790\n"));
    EXPECT_THAT(calc({"-r1500", "-ia", "1600+", "1600-", "1600=", "1600="}).out,
                HasSubstr("NOUVEL ELO : 1520\n"));
}

TEST(CalcCommandLineTest, DecimalSeparatorComesFromTheLocaleUnlessGiven) {
    const std::vector<std::string_view> base{"-s", "fide", "-r", "1600", "1600+", "1600-", "1600+"};
    EXPECT_THAT(calc(base, ",").out, HasSubstr(" : 1,5/2\n"));
    EXPECT_THAT(calc(base, ".").out, HasSubstr(" : 1.5/2\n"));
    std::vector<std::string_view> withSeparator = base;
    withSeparator.push_back("-d");
    withSeparator.push_back("\u066B");
    EXPECT_THAT(calc(withSeparator, ",").out, HasSubstr(" : 1\u066B5/2\n"));
}

TEST(CalcCommandLineTest, CoefficientTextOtherThanTheThreeKeeps25) {
    const std::vector<std::string_view> games{"1600+", "1600+", "1600+", "1600-", "1600-"};
    auto variation = [&](std::string_view coefficient) {
        std::vector<std::string_view> arguments{"-s", "fide", "-r", "1600", "-k", coefficient};
        arguments.insert(arguments.end(), games.begin(), games.end());
        const std::string out = calc(arguments).out;
        return out.substr(0, out.find('\n'));
    };
    EXPECT_EQ(variation("10"), "Variation : 5");
    EXPECT_EQ(variation("15"), "Variation : 8");
    EXPECT_EQ(variation("25"), "Variation : 12");
    EXPECT_EQ(variation("20"), "Variation : 12");
}

TEST(CalcCommandLineTest, GamesAreCheckedAsTheyAreEntered) {
    struct Case {
        std::string_view game;
        std::string_view message;
    };
    for (const Case& c : {Case{"999+", "Erreur sur le elo\n"}, Case{"3001=", "Erreur sur le elo\n"},
                          Case{"18a0+", "Erreur sur le elo\n"}, Case{"+", "Erreur sur le elo\n"},
                          Case{"", "Erreur sur le elo\n"}, Case{"-", "Erreur sur le elo\n"},
                          Case{"-1500+", "Erreur sur le elo\n"},
                          Case{"1850", "Erreur sur le elo\n"},  // the sign is the 0: rating 185
                          Case{"1850p", "Erreur sur le résultat de la partie \n"},
                          Case{"18500", "Erreur sur le résultat de la partie \n"},
                          Case{"1850+ ", "Erreur sur le elo\n"}}) {
        const CalcRun run = calc({"-r", "1500", "1700+", c.game});
        EXPECT_EQ(run.status, 1) << '"' << c.game << '"';
        EXPECT_EQ(run.err, c.message) << '"' << c.game << '"';
        EXPECT_EQ(run.out, "");
    }
}

TEST(CalcCommandLineTest, ReadsRatingsAsWholeNumbers) {
    EXPECT_THAT(calc({"-r", "1500", "$7D0+", "1000-"}).out,
                HasSubstr("Moyenne des adversaires : 1500\n"));
    EXPECT_THAT(calc({"-r", "1500", "1000+", "3000-"}).out,
                HasSubstr("Moyenne des adversaires : 2000\n"));
    // No four-character limit here.
    EXPECT_THAT(calc({"-r", "1500.000", "  01600+", "1600-"}).out,
                HasSubstr("NOUVEL ELO : 1513\n"));
}

TEST(CalcCommandLineTest, FiftyGamesAtMost) {
    std::vector<std::string_view> arguments{"-r", "1500"};
    arguments.insert(arguments.end(), 50, "1600=");
    const CalcRun fifty = calc(arguments);
    EXPECT_EQ(fifty.status, 0);
    EXPECT_THAT(fifty.out, HasSubstr("Pourcentage : 50\n"));
    arguments.push_back("1600=");
    const CalcRun fiftyOne = calc(arguments);
    EXPECT_EQ(fiftyOne.status, 1);
    EXPECT_EQ(fiftyOne.err, "Impossible d'ajouter plus de 50 parties\n");
    EXPECT_EQ(fiftyOne.out, "");
}

TEST(CalcCommandLineTest, RefusedCalculationsGoToStandardError) {
    struct Case {
        std::vector<std::string_view> arguments;
        std::string_view message;
    };
    const std::vector<Case> cases{
        {{"-r", "999", "1600+"}, " Votre ELO actuel est incorrect\n"},
        {{"1600+"}, " Votre ELO actuel est incorrect\n"},
        {{"-s", "injes", "-r", "3001", "1600+"}, " Votre INJES actuel est incorrect\n"},
        {{"-s", "fide", "1600+"}, " Votre FIDE actuel est incorrect\n"},
        {{"-s", "perf", "1600+", "1600+", "1600+"},
         "Pour calculer la performance le nombre de parties doit être compris entre 4 et 13\n"},
    };
    for (const Case& c : cases) {
        const CalcRun run = calc(c.arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(run.out, "");
    }
}

TEST(CalcCommandLineTest, NoGamesPrintsNothing) {
    for (const auto& arguments : {std::vector<std::string_view>{},
                                  std::vector<std::string_view>{"-r", "abc", "-s", "perf"}}) {
        const CalcRun run = calc(arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
    }
}

TEST(CalcCommandLineTest, PrintsThePercentageTable) {
    const CalcRun run = calc({"--table"});
    EXPECT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 100u);
    EXPECT_EQ(rows[0], "100\t470");
    EXPECT_EQ(rows[6], "94\t444");
    EXPECT_EQ(rows[50], "50\t0");
    EXPECT_EQ(rows[51], "49\t-7");
    EXPECT_EQ(rows[94], "6\t-444");
    EXPECT_EQ(rows[99], "1\t-470");
    EXPECT_EQ(run.out.back(), '\n');
}

TEST(CalcCommandLineTest, PrintsOneDifference) {
    EXPECT_EQ(calc({"--difference", "0.9"}).out, "366\n");
    EXPECT_EQ(calc({"--difference=0.9", "-i"}).out, "363\n");
    EXPECT_EQ(calc({"--difference", "0.825"}).out, "262\n");
    EXPECT_EQ(calc({"--difference", "0.495"}).out, "-7\n");
    EXPECT_EQ(calc({"-i", "--difference", "0.75"}).out, "191\n");
    EXPECT_EQ(calc({"--difference", "1e-1"}).status, 0);
}

TEST(CalcCommandLineTest, HelpGoesToStandardOutput) {
    for (std::string_view option : {"-h", "--help"}) {
        const CalcRun run = calc({option});
        EXPECT_EQ(run.status, 0);
        EXPECT_THAT(run.out, StartsWith("Utilisation : tavolin-calc [OPTIONS] PARTIE...\n"));
        EXPECT_THAT(run.out, HasSubstr("--difference P"));
        EXPECT_EQ(run.err, "");
    }
}

TEST(CalcCommandLineTest, TellsItsVersion) {
    const CalcRun run = calc({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "tavolin-calc 3.2\n");
}

TEST(CalcCommandLineTest, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string_view>> wrong{{"-x"},
                                                           {"--frobnicate"},
                                                           {"-s"},
                                                           {"-s", "uscf", "1600+"},
                                                           {"--system"},
                                                           {"-d", ",,"},
                                                           {"-d", ""},
                                                           {"--difference", "half"},
                                                           {"--difference", "0.5x"},
                                                           {"--difference", "1.5"},
                                                           {"--difference", "-0.01"},
                                                           {"--difference", "nan"},
                                                           {"--table", "--difference", "0.5"},
                                                           {"--table", "1600+"},
                                                           {"--young=yes"},
                                                           {"-r"},
                                                           {"--difference"},
                                                           {"--slot", "2"},
                                                           {"--history", "h", "--slot", "11"},
                                                           {"--history", "h", "--slot", "x"},
                                                           {"--history", "h", "1600+"}};
    for (const auto& arguments : wrong) {
        const CalcRun run = calc(arguments);
        EXPECT_EQ(run.status, 2) << arguments.front();
        EXPECT_THAT(run.err, StartsWith("tavolin-calc: "));
        EXPECT_THAT(run.err, HasSubstr("Utilisation : tavolin-calc"));
        EXPECT_EQ(run.out, "");
    }
}

// Periods closed out of order come oldest first; the first rating has no rating before.
TEST(CalcCommandLineTest, ListsTheHistoryOfAllOrOnePlayer) {
    QTemporaryDir folder;
    const QString path = folder.filePath("tavolin-history.sqlite");
    {
        RatingHistory history(path);
        history.add(testing::closedPeriod("2025-12-31", 3, 1779, 1790, {1, 0.5, 0}));
        history.add(testing::closedPeriod("2025-06-30", 3, std::nullopt, 1779, {1, 1, 0, 0.5, 1}));
        history.add(testing::closedPeriod("2025-09-30", 7, 1500, 1488, {0}, RatingSystem::Elo));
    }
    const std::string file = path.toStdString();
    const CalcRun all = calc({"--history", file});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out,
              "2025-06-30\t3\tJoueur 3\tfide2024\t5\t3,5\t\t1779\n"
              "2025-09-30\t7\tJoueur 7\telo\t1\t0\t1500\t1488\n"
              "2025-12-31\t3\tJoueur 3\tfide2024\t3\t1,5\t1779\t1790\n");
    EXPECT_EQ(calc({"--history", file, "--slot", "3", "-d", "."}).out,
              "2025-06-30\t3\tJoueur 3\tfide2024\t5\t3.5\t\t1779\n"
              "2025-12-31\t3\tJoueur 3\tfide2024\t3\t1.5\t1779\t1790\n");
    const CalcRun missing = calc({"--history", folder.filePath("none.sqlite").toStdString()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.err, HasSubstr("fichier introuvable"));
}

// Another program's database is listed as nothing and left as it was.
TEST(CalcCommandLineTest, TheHistoryOfAnotherProgramIsRefusedUntouched) {
    QTemporaryDir folder;
    const QString path = folder.filePath("notes.sqlite");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "another-program");
        database.setDatabaseName(path);
        ASSERT_TRUE(database.open());
        QSqlQuery(database).exec("CREATE TABLE notes (x)");
        database.close();
    }
    QSqlDatabase::removeDatabase("another-program");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    const CalcRun run = calc({"--history", path.toStdString()});
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, HasSubstr("n'est pas un historique de Tavolin (table notes)"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST(CalcCommandLineTest, DoubleDashEndsTheOptions) {
    const CalcRun run = calc({"-r", "1500", "--", "1600+", "-s"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Erreur sur le elo\n");
}

}  // namespace
}  // namespace tavolin
