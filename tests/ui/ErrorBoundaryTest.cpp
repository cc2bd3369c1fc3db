#include "ErrorBoundary.h"

#include "ActionMessages.h"

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

// A load runs the system's button, which runs "CALCUL": one user action, each message once.
TEST(ActionMessagesTest, AMessageIsShownOncePerOutermostAction) {
    ActionMessages messages;
    messages.enter();
    EXPECT_TRUE(messages.firstTime("a"));
    messages.enter();  // a handler run by the first
    EXPECT_FALSE(messages.firstTime("a"));
    EXPECT_TRUE(messages.firstTime("b"));
    messages.leave();
    messages.leave();
    messages.enter();  // the next user action
    EXPECT_TRUE(messages.firstTime("a"));
    messages.leave();
}

}  // namespace
}  // namespace tavolin::testing
