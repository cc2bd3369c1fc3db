// SPDX-License-Identifier: GPL-3.0-or-later
// A list written by the first version of Tavolin's list file: read as it is, brought up to
// date by the next import, whose searches find the same players; left whole, at its version,
// when that import fails or is stopped.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <string>
#include <vector>

#include "FideList.h"
#include "FideListFiles.h"
#include "FideListLines.h"
#include "FideListSchema.h"
#include "FileError.h"
#include "OtherConnection.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

const std::vector<std::string> kPlayers = {
    std::string(kCarlsenLine),
    std::string(kCruzArceLine),
    combinedLine("20001", "Müller, Jürgen", "GER", "M", "", "", "2100", "1970", "i"),
    combinedLine("20002", "Muller, Jean", "FRA", "M", "", "", "2200", "1980", ""),
    combinedLine("20003", "Carlier, Marie", "FRA", "F", "", "WFM", "2300", "1995", "w"),
    combinedLine("20004", "José, Mariano", "ESP", "M", "", "", "1800", "1960", "wi"),
};

// Searches and the IDs they find: active players first, then highest rated.
const struct {
    const char* text;
    std::vector<quint32> ids;
} kSearches[] = {
    {"mül", {20002, 20001}},
    {"ca ma", {1503014, 20003}},
    {"ma", {1503014, 20003, 20004}},
    {"jose", {20004}},
    {"fr cruz", {3101959}},
    {"j", {20002, 3101959, 20001, 20004}},
    {"zz", {}},
};

class FideListUpgradeTest : public FileInTemporaryFolder {
protected:
    FideListUpgradeTest() : FileInTemporaryFolder("liste-fide.sqlite") {}

    QString list() const { return folder.filePath("list.txt"); }

    // The list imported, then given the first version's index and version number, as that
    // version wrote it.
    void makeFirstVersion() {
        std::string text(kCombinedHeader);
        for (const std::string& player : kPlayers) {
            text += "\r\n" + player;
        }
        writeFile(list(), QByteArray::fromStdString(text + "\r\n"));
        ASSERT_TRUE(importFideList(path, list(), "2026-09"));
        OtherConnection other(path);
        other.run("DROP TABLE player_name");
        other.run(fideListSchemaStep(1).at(1));
        other.run("INSERT INTO player_name (rowid, name) SELECT " + kFideListOrderKey +
                  ", name FROM player");
        other.run("PRAGMA user_version = 1");
    }
    int version() {
        OtherConnection other(path);
        return other.number("PRAGMA user_version");
    }
    void expectSearchesFind() {
        FideListDatabase database(path);
        for (const auto& search : kSearches) {
            std::vector<quint32> ids;
            for (const FideListPlayer& player : database.find(search.text)) {
                ids.push_back(player.id);
            }
            EXPECT_EQ(ids, search.ids) << search.text;
        }
        EXPECT_EQ(database.summary()->playerCount, 6);
    }
};

TEST_F(FideListUpgradeTest, TheFirstVersionIsReadAndTheNextImportFindsTheSamePlayers) {
    makeFirstVersion();
    ASSERT_EQ(version(), 1);
    expectSearchesFind();

    ASSERT_TRUE(importFideList(path, list(), "2026-10"));
    EXPECT_EQ(version(), 2);
    {
        OtherConnection other(path);
        EXPECT_EQ(other.number("SELECT count(*) FROM sqlite_schema WHERE name LIKE"
                               " 'player_name_docsize'"),
                  0);
    }
    expectSearchesFind();
    EXPECT_EQ(FideListDatabase(path).summary()->month, "2026-10");
}

TEST_F(FideListUpgradeTest, AFailedOrStoppedImportLeavesTheFirstVersionWhole) {
    makeFirstVersion();
    const QByteArray contents = contentsOf(path);
    writeFile(folder.filePath("no-list.txt"), "Bonjour\r\n");
    EXPECT_THROW(importFideList(path, folder.filePath("no-list.txt")), FileError);
    EXPECT_EQ(contentsOf(path), contents);
    // Stopped at the first report, and at the last one, before the commit.
    for (const int stopAt : {1, 2}) {
        int reports = 0;
        EXPECT_FALSE(importFideList(path, list(), "2026-10", [&](qint64, qint64) {
            return ++reports != stopAt;
        })) << stopAt;
        EXPECT_EQ(contentsOf(path), contents) << stopAt;
    }
    EXPECT_EQ(version(), 1);
    expectSearchesFind();
    EXPECT_EQ(FideListDatabase(path).summary()->month, "2026-09");
}

}  // namespace
}  // namespace tavolin::testing
