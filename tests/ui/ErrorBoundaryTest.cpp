#include "ErrorBoundary.h"

#include <gtest/gtest.h>

#include <stdexcept>

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

TEST(ErrorBoundaryTest, CatchesWhatIsNotAStandardException) {
    RecordingMessageBoxes boxes;
    runHandler(boxes, nullptr, [] { throw 42; });
    EXPECT_EQ(boxes.errors, QStringList{kUnexpectedErrorText});
}

}  // namespace
}  // namespace tavolin::testing
