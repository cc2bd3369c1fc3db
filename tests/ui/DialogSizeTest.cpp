// SPDX-License-Identifier: GPL-3.0-or-later
// Windows that open within the screen, a large screen at twice the scale too.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "DialogStart.h"
#include "HistoryWindow.h"
#include "RecordingMessageBoxes.h"

namespace tavolin::testing {
namespace {

TEST(DialogSizeTest, AWindowIsMadeSmallerOnlyWhenTheScreenHasNoRoom) {
    struct Case {
        QSize wanted, available, opened;
    };
    for (const Case& c : {
             Case{{680, 560}, {1280, 900}, {680, 560}},
             Case{{680, 560}, {640, 450}, {624, 402}},  // 1280 x 900 at a scale of 2
             Case{{620, 420}, {640, 450}, {620, 402}},
             Case{{620, 420}, {10, 10}, {1, 1}},
         }) {
        EXPECT_EQ(sizeOnScreen(c.wanted, c.available), c.opened)
            << c.available.width() << "x" << c.available.height();
    }
}

// The history's controls can be made as small as a 1280 x 900 screen at a scale of 2 lets it.
TEST(DialogSizeTest, TheHistoryFitsALargeScreenAtTwiceTheScale) {
    QTemporaryDir folder;
    RecordingMessageBoxes boxes;
    HistoryWindow history(folder.filePath("tavolin-history.sqlite"), 1, "Anna", boxes);
    const QSize smallest = history.minimumSizeHint();
    const QSize room = sizeOnScreen({10000, 10000}, {640, 450});
    EXPECT_LE(smallest.width(), room.width());
    EXPECT_LE(smallest.height(), room.height());
}

}  // namespace
}  // namespace tavolin::testing
