// SPDX-License-Identifier: GPL-3.0-or-later
// The index of the names of a list big enough to be written in many parts, merged at the
// end of the import: whole by SQLite's own check, and finding each player by his words.
#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "FideList.h"
#include "FideListFiles.h"
#include "FideListLines.h"
#include "OtherConnection.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

constexpr int kPlayers = 40000;

// Player i's own word, "J000042", found by no other player's word beginnings.
std::string ownWord(int i) {
    std::string digits = std::to_string(i);
    return "J" + std::string(6 - digits.size(), '0') + digits;
}

class FideListIndexTest : public FileInTemporaryFolder {
protected:
    FideListIndexTest() : FileInTemporaryFolder("liste-fide.sqlite") {}

    void importList(int firstId) {
        std::string text(kCombinedHeader);
        for (int i = 0; i < kPlayers; ++i) {
            text += "\r\n" + combinedLine(std::to_string(firstId + i),
                                          "Joueur, " + ownWord(i) + " Éloïse", "FRA", "F", "", "",
                                          std::to_string(1000 + i % 2000), "1990",
                                          i % 2 == 0 ? "wi" : "w");
        }
        const QString list = folder.filePath("list.txt");
        writeFile(list, QByteArray::fromStdString(text));
        ASSERT_TRUE(importFideList(path, list, "2026-10"));
    }
};

TEST_F(FideListIndexTest, ABigListsIndexIsWholeAndFindsEachPlayer) {
    importList(1000000);
    importList(2000000);  // over the first one's index
    {
        OtherConnection other(path);
        other.run("INSERT INTO player_name (player_name, rank) VALUES ('integrity-check', 0)");
    }
    FideListDatabase database(path);
    for (const int i : {0, 1, 7, 1999, 20000, 39998, 39999}) {
        const auto found = database.find(QString::fromStdString("eloise " + ownWord(i)));
        ASSERT_EQ(found.size(), 1u) << i;
        EXPECT_EQ(found.front().id, static_cast<quint32>(2000000 + i));
    }
    // Active first (odd i), then highest rated: 2999, reached by i = 1999, 3999, 5999...
    const auto best = database.find("joueur", 3);
    ASSERT_EQ(best.size(), 3u);
    EXPECT_EQ(best[0].id, 2001999u);
    EXPECT_EQ(best[0].standardRating, 2999);
    EXPECT_EQ(best[1].id, 2003999u);
    EXPECT_EQ(best[2].id, 2005999u);
    EXPECT_TRUE(database.find("joueur " + QString::fromStdString(ownWord(kPlayers))).empty());
}

}  // namespace
}  // namespace tavolin::testing
