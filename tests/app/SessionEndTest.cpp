// SPDX-License-Identifier: GPL-3.0-or-later
// Ending the program from outside keeps what is on screen.
#include "SessionEnd.h"

#include <csignal>

#include "MainWindowFixture.h"
#include "TerminationSignals.h"

namespace tavolin::testing {
namespace {

class SessionEndTest : public MainWindowTest {
protected:
    // Raises the signal and waits for the program's end it asks for; its exit status.
    int endWith(int signalNumber) {
        statuses.clear();
        std::raise(signalNumber);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !statuses.empty(); }, 5000));
        return statuses.empty() ? -1 : statuses.front();
    }

    TerminationSignals termination;
    std::vector<int> statuses;
};

TEST_F(SessionEndTest, EachSignalSavesWhatIsTypedThenEnds) {
    endOnTermination(*mainWindow, termination, [this](int status) { statuses.push_back(status); });
    type(ui.ratingEdit, "1500");
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        addGame("1850", "+");
        EXPECT_EQ(endWith(signalNumber), 0) << signalNumber;
    }
    const QByteArray bytes = readFile(playerFile);
    EXPECT_EQ(getInt32(bytes, 24), 1500);
    EXPECT_EQ(getInt32(bytes, 28), 3);
    EXPECT_EQ(getDouble(bytes, 72), 1850);
    EXPECT_TRUE(boxes.errors.isEmpty());
}

// No box: nobody may be there to close it while the session ends.
TEST_F(SessionEndTest, APlayerThatCannotBeSavedEndsWithStatus1AndNoBox) {
    endOnTermination(*mainWindow, termination, [this](int status) { statuses.push_back(status); });
    addGame("1850", "+");
    QFile::remove(playerFile);
    EXPECT_EQ(endWith(SIGTERM), 1);
    EXPECT_TRUE(boxes.errors.isEmpty());
}

}  // namespace
}  // namespace tavolin::testing
