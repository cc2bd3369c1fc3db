// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorBoundary.h"

#include "OncePerActionBoxes.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "RecordingMessageBoxes.h"

namespace tavolin::testing {
namespace {

TEST(ErrorBoundaryTest, ShowsTheErrorOfAHandlerAndGoesOn) {
    RecordingMessageBoxes boxes;
    bool after = false;
    runHandler(boxes, nullptr, [&] {
        throw std::runtime_error("Accès refusé : tavo.lin");
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_EQ(boxes.errors, QStringList{"Accès refusé : tavo.lin"});
    EXPECT_TRUE(boxes.warnings.isEmpty());

    runHandler(boxes, nullptr, [&] { after = true; });
    EXPECT_TRUE(after);
    EXPECT_EQ(boxes.errors.size(), 1);
}

// A programming error is told as one, in French first.
TEST(ErrorBoundaryTest, AProgrammingErrorIsToldAsInternal) {
    RecordingMessageBoxes boxes;
    runHandler(boxes, nullptr, [] { std::vector<int>().at(3); });
    runHandler(boxes, nullptr, [] { throw std::logic_error("ordre impossible"); });
    ASSERT_EQ(boxes.errors.size(), 2);
    EXPECT_TRUE(boxes.errors[0].startsWith("Erreur interne du programme : "))
        << boxes.errors[0].toStdString();
    EXPECT_EQ(boxes.errors[1], "Erreur interne du programme : ordre impossible");
}

TEST(ErrorBoundaryTest, CatchesWhatIsNotAStandardException) {
    RecordingMessageBoxes boxes;
    runHandler(boxes, nullptr, [] { throw 42; });
    EXPECT_EQ(boxes.errors, QStringList{kUnexpectedErrorText});
}

// A load runs the system's button, which runs "CALCUL": one user action, each box once.
TEST(OncePerActionBoxesTest, ABoxIsShownOncePerOutermostAction) {
    RecordingMessageBoxes shown;
    OncePerActionBoxes boxes(shown);
    boxes.enter();
    boxes.warning(nullptr, "a");
    boxes.enter();  // a handler run by the first
    boxes.warning(nullptr, "a");
    boxes.error(nullptr, "a");
    boxes.error(nullptr, "b");
    boxes.leave();
    boxes.leave();
    boxes.enter();  // the next user action
    boxes.warning(nullptr, "a");
    boxes.leave();
    EXPECT_EQ(shown.warnings, QStringList({"a", "a"}));
    EXPECT_EQ(shown.errors, QStringList{"b"});
}

}  // namespace
}  // namespace tavolin::testing
