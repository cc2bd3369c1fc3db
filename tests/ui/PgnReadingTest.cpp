// SPDX-License-Identifier: GPL-3.0-or-later
// The reading of a PGN file off the interface thread: never waited for, errors reported.
#include "PgnReading.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <future>
#include <memory>
#include <stdexcept>

#include "PlayerFiles.h"

namespace tavolin::testing {
namespace {

// What a reading said when it ended, received on this thread as a window receives it.
struct EndingSeen {
    bool ended = false;
    bool stopped = false;
    QString failure;
};
using Ending = std::shared_ptr<EndingSeen>;

Ending endingOf(PgnReading* reading) {
    auto ending = std::make_shared<EndingSeen>();
    QObject::connect(reading, &PgnReading::finished, qApp,
                     [ending](const QString&, bool, bool stopped, const QString& failure) {
                         *ending = {true, stopped, failure};
                     });
    return ending;
}

class PgnReadingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QByteArray games;
        for (int k = 0; k < 3; ++k) {
            games += "[White \"A\"][Black \"B\"][Result \"1-0\"]\n1. e4 1-0\n";
        }
        writeFile(path(), games);
    }
    QString path() const { return folder.filePath("games.pgn"); }

    QTemporaryDir folder;
};

// A handler that blocks (as a stalled share would) keeps nobody waiting: stop() returns at
// once, and the reading, once free, ends and deletes itself.
TEST_F(PgnReadingTest, ABlockedReadingIsLeftToEndByItself) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    QPointer<PgnReading> reading =
        PgnReading::create(path(), [released](const PgnGameTags&) { released.wait(); });
    const Ending ending = endingOf(reading);
    reading->start();
    reading->stop();
    QTest::qWait(20);
    EXPECT_FALSE(ending->ended);  // still blocked, and nothing froze
    release.set_value();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ending->ended; }, 5000));
    EXPECT_TRUE(ending->stopped);
    EXPECT_TRUE(QTest::qWaitFor([&] { return reading.isNull(); }, 5000));
}

// At the program's end the readings are asked to stop and waited for, a bounded time: a
// blocked one is reported, one that can stop has stopped.
TEST_F(PgnReadingTest, TheEndOfTheProgramWaitsABoundedTimeForTheReadings) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    QPointer<PgnReading> reading =
        PgnReading::create(path(), [released](const PgnGameTags&) { released.wait(); });
    reading->start();
    QElapsedTimer waited;
    waited.start();
    EXPECT_FALSE(PgnReading::stopAll(200));
    EXPECT_LT(waited.elapsed(), 5000);
    release.set_value();
    EXPECT_TRUE(PgnReading::stopAll(5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return reading.isNull(); }, 5000));
    EXPECT_TRUE(PgnReading::stopAll(0));  // none left
}

TEST_F(PgnReadingTest, AnErrorInTheReadingIsReported) {
    PgnReading* reading = PgnReading::create(
        path(), [](const PgnGameTags&) { throw std::runtime_error("plus de mémoire"); });
    const Ending ending = endingOf(reading);
    reading->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ending->ended; }, 5000));
    EXPECT_EQ(ending->failure, "plus de mémoire");
}

}  // namespace
}  // namespace tavolin::testing
