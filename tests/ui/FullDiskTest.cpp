// SPDX-License-Identifier: GPL-3.0-or-later
// The players' folder on a disk with 4 KB free, less than a save needs: nothing is lost,
// the user is told why, and he can still quit.
#include <QFile>

#include "MainWindowFixture.h"
#include "SmallDisk.h"

namespace tavolin::testing {
namespace {

class FullDiskTest : public MainWindowTest {
protected:
    void SetUp() override {
        if (!disk.mounted()) {
            GTEST_SKIP() << "mounting a small tmpfs needs root";
        }
        MainWindowTest::SetUp();
    }
    QString dataFolder() const override { return disk.path(); }
    void beforeOpening() override { disk.leaveFree(4096); }

    SmallDisk disk{64 * 1024};
};

TEST_F(FullDiskTest, StartingWritesNothingAndQuittingUnsavedLeavesTheFileWhole) {
    EXPECT_TRUE(boxes.errors.isEmpty()) << "the start wrote";
    type(ui.ratingEdit, "1500");
    addGame("1850", "+");
    ASSERT_FALSE(boxes.errors.isEmpty());
    EXPECT_EQ(boxes.errors.last(),
              "Impossible d'écrire dans " + playerFile + " : le disque est plein.");

    boxes.answer = false;
    click(ui.quitButton);
    EXPECT_TRUE(mainWindow->isVisible());
    boxes.answer = true;
    click(ui.quitButton);
    EXPECT_FALSE(mainWindow->isVisible());
    EXPECT_EQ(boxes.questions.last(),
              "Les changements de joueur 1 n'ont pas pu être enregistrés (le disque est plein). "
              "Quitter sans les enregistrer ?");
    EXPECT_EQ(readFile(playerFile), blankPlayerFile());
}

}  // namespace
}  // namespace tavolin::testing
