// SPDX-License-Identifier: GPL-3.0-or-later
// tavolin-calc's uses of FIDE's list: what it prints, line for line, and its exit statuses.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CalcCommandLine.h"
#include "CalcRun.h"
#include "FideListLines.h"

namespace tavolin {
namespace {

using testing::combinedLine;
using testing::kCarlsenLine;
using testing::kCombinedHeader;
using testing::kCruzArceLine;

class FideListCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        database = folder.filePath("liste-fide.sqlite").toStdString();
        list = folder.filePath("players_list_foa.txt").toStdString();
    }
    void writeList(const std::vector<std::string>& lines) {
        std::ofstream file(list, std::ios::binary);
        file << kCombinedHeader << "\r\n";
        for (const std::string& line : lines) {
            file << line << "\r\n";
        }
    }

    QTemporaryDir folder;
    std::string database;
    std::string list;
};

TEST_F(FideListCommandsTest, AnImportPrintsItsPlayersAndMonthThenSearchesFindThem) {
    writeList({std::string(kCarlsenLine), std::string(kCruzArceLine),
               combinedLine("12345678", "Ababil", "AFG", "F", "", "WIM", "", "", "wi")});
    const CalcRun imported =
        calc({"--fide-db", database, "--fide-list-import", list, "--month", "2026-10"});
    EXPECT_EQ(imported.status, 0);
    EXPECT_EQ(imported.out, "3\t2026-10\n");
    EXPECT_EQ(imported.err, "");

    const struct {
        const char* text;
        std::string lines;
    } rows[] = {
        {"carlsen", "1503014\tCarlsen, Magnus\tNOR\tGM\t2823\t10\t2801\t2860\t1990\t\n"},
        {"1503014", "1503014\tCarlsen, Magnus\tNOR\tGM\t2823\t10\t2801\t2860\t1990\t\n"},
        {"fran cruz", "3101959\tCruz Arce, Francisco J.\tPUR\t\t1938\t20\t1956\t1927\t1982\t\n"},
        // Unrated, no K, no birth year: empty fields; her woman's title is her title.
        {"ababil", "12345678\tAbabil\tAFG\tWIM\t\t\t\t\t\twi\n"},
        {"a",
         "3101959\tCruz Arce, Francisco J.\tPUR\t\t1938\t20\t1956\t1927\t1982\t\n"
         "12345678\tAbabil\tAFG\tWIM\t\t\t\t\t\twi\n"},
        {"nobody", ""},
        {"\"*", ""},
    };
    for (const auto& row : rows) {
        const CalcRun found = calc({"--fide-db", database, "--fide-find", row.text});
        EXPECT_EQ(found.status, 0) << row.text;
        EXPECT_EQ(found.out, row.lines) << row.text;
        EXPECT_EQ(found.err, "") << row.text;
    }
}

TEST_F(FideListCommandsTest, AtMostTwentyLines) {
    std::vector<std::string> lines;
    for (int i = 0; i < 30; ++i) {
        lines.push_back(combinedLine(std::to_string(100000 + i), "Martin, Jean", "FRA", "M", "", "",
                                     std::to_string(2000 + i), "", ""));
    }
    writeList(lines);
    ASSERT_EQ(calc({"--fide-db", database, "--fide-list-import", list}).status, 0);
    const CalcRun found = calc({"--fide-db", database, "--fide-find", "martin"});
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(std::count(found.out.begin(), found.out.end(), '\n'), 20);
    EXPECT_TRUE(found.out.starts_with("100029\tMartin, Jean\tFRA\t\t2029\t")) << found.out;
}

TEST_F(FideListCommandsTest, DamagedLinesAreCountedOnTheErrorOutput) {
    writeList({std::string(kCarlsenLine), "x", "y"});
    const CalcRun imported =
        calc({"--fide-db", database, "--fide-list-import", list, "--month", "2026-10"});
    EXPECT_EQ(imported.status, 0);
    EXPECT_EQ(imported.out, "1\t2026-10\n");
    EXPECT_EQ(imported.err, "2 lignes de la liste ignorées (abîmées)\n");
    writeList({std::string(kCarlsenLine), "x"});
    EXPECT_EQ(calc({"--fide-db", database, "--fide-list-import", list}).err,
              "1 ligne de la liste ignorée (abîmée)\n");
}

TEST_F(FideListCommandsTest, ARefusedListSaysWhyWithStatusOne) {
    std::ofstream(list) << "bonjour\n";
    const CalcRun refused = calc({"--fide-db", database, "--fide-list-import", list});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err,
              "Le fichier " +
                  QFileInfo(QString::fromStdString(list)).canonicalFilePath().toStdString() +
                  " ne commence pas par l'en-tête de la liste FIDE (« ID Number "
                  "Name… ») : la liste en place n'a pas changé.\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(database)));

    std::ofstream(database) << std::string(4096, 'x');
    const CalcRun foreign = calc({"--fide-db", database, "--fide-find", "carlsen"});
    EXPECT_EQ(foreign.status, 1);
    EXPECT_EQ(foreign.out, "");
    EXPECT_TRUE(foreign.err.starts_with("La liste FIDE ")) << foreign.err;
}

TEST_F(FideListCommandsTest, NoListFindsNothingAndMakesNoFile) {
    const CalcRun found = calc({"--fide-db", database, "--fide-find", "carlsen"});
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out, "");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(database)));
}

TEST_F(FideListCommandsTest, TheDefaultDatabaseIsInTheUsersDataFolder) {
    writeList({std::string(kCarlsenLine)});
    qputenv("XDG_DATA_HOME", folder.path().toUtf8());
    ASSERT_TRUE(QDir(folder.path()).mkpath("tavolin"));
    EXPECT_EQ(calc({"--fide-list-import", list, "--month", "2026-10"}).out, "1\t2026-10\n");
    EXPECT_EQ(calc({"--fide-find", "1503014"}).out,
              "1503014\tCarlsen, Magnus\tNOR\tGM\t2823\t10\t2801\t2860\t1990\t\n");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(QFile::exists(folder.filePath("tavolin/liste-fide.sqlite")));
}

TEST_F(FideListCommandsTest, WrongCommandLinesAreUsageErrors) {
    const std::vector<std::vector<std::string_view>> wrong = {
        {"--fide-find"},
        {"--fide-db", "f"},
        {"--month", "2026-10"},
        {"--fide-find", "x", "--month", "2026-10"},
        {"--fide-list-import", "l", "--month", "2026-13"},
        {"--fide-list-import", "l", "--month", "2026-1"},
        {"--fide-list-import", "l", "--month", "octobre"},
        {"--fide-find", "x", "--fide-list-import", "l"},
        {"--fide-find", "x", "1600+"},
        {"--fide-find", "x", "--table"},
        {"--fide-list-import", "l", "--pgn", "p"},
        {"--fide-list-import", "l", "--history", "h"},
    };
    for (const auto& arguments : wrong) {
        const CalcRun run = calc(arguments);
        EXPECT_EQ(run.status, 2) << arguments.front() << " " << arguments.back();
        EXPECT_TRUE(run.err.starts_with("tavolin-calc: ")) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(calc({"--fide-list-import", "l", "--month", "2026-13"}).err.substr(0, 70),
              std::string("tavolin-calc: --month prend un mois AAAA-MM (2026-10), pas « 2026-13 »")
                  .substr(0, 70));
}

}  // namespace
}  // namespace tavolin
