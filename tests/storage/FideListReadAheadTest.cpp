// SPDX-License-Identifier: GPL-3.0-or-later
// Reading FIDE's list on a thread of its own: the caller gets the players and the reports
// that reading on its own thread gives, in the same order; a stop, a failure of the caller or
// of the reading ends the reading thread and reaches the caller.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <stdexcept>
#include <string>
#include <vector>

#include "FideListFiles.h"
#include "FideListLines.h"
#include "FideListReadAhead.h"
#include "FileError.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

using Reading = FideListReading (*)(const QString&, const FideListReader::PlayerHandler&,
                                    const FideListProgress&);

// `count` players of the combined list, a damaged line among them, without a last line end.
std::string bigList(int count) {
    std::string text(kCombinedHeader);
    for (int i = 0; i < count; ++i) {
        text += "\r\n" + (i == 7 ? std::string("x") + std::string(161, ' ')
                                 : combinedLine(std::to_string(1000000 + i),
                                                "Joueur " + std::to_string(i * 7919), "FRA", "M",
                                                "", "", std::to_string(1400 + i % 1000), "1990",
                                                i % 3 == 0 ? "i" : ""));
    }
    return text;
}

class FideListReadAheadTest : public FileInTemporaryFolder {
protected:
    FideListReadAheadTest() : FileInTemporaryFolder("players_list.zip") {}

    void SetUp() override {
        FileInTemporaryFolder::SetUp();
        writeZip(path, {{"players_list_foa.txt", bigList(30000)}});
    }

    // What a reading gives, in order: "1000042" for a player, "read 5/10" for a report;
    // the report that returns false is the `stopAt`-th (from 1; never for 0).
    std::vector<std::string> eventsOf(Reading read, const QString& file, int stopAt = 0,
                                      FideListReading* reading = nullptr) {
        std::vector<std::string> events;
        int reports = 0;
        const FideListReading result = read(
            file, [&](const FideListLine& line) { events.push_back(std::to_string(line.id)); },
            [&](qint64 done, qint64 total) {
                events.push_back("read " + std::to_string(done) + "/" + std::to_string(total));
                return ++reports != stopAt;
            });
        if (reading != nullptr) {
            *reading = result;
        }
        return events;
    }

    static std::string failureOf(Reading read, const QString& file) {
        try {
            read(file, [](const FideListLine&) {}, {});
        } catch (const FileError& error) {
            return error.what();
        }
        return "(lu)";
    }
};

TEST_F(FideListReadAheadTest, GivesThePlayersAndReportsOfTheReadingInTheirOrder) {
    const QString text = folder.filePath("players_list.txt");
    writeFile(text, QByteArray::fromStdString(bigList(8000)));  // two chunks of the text
    for (const QString& file : {path, text}) {
        FideListReading alone;
        FideListReading ahead;
        const std::vector<std::string> expected = eventsOf(&readFideListFile, file, 0, &alone);
        EXPECT_EQ(eventsOf(&readFideListFileAhead, file, 0, &ahead), expected);
        EXPECT_FALSE(ahead.stopped);
        EXPECT_EQ(ahead.players, alone.players);
        EXPECT_EQ(ahead.damagedLines, 1u);
        EXPECT_EQ(ahead.month, alone.month);
        EXPECT_FALSE(ahead.month.isEmpty());
    }
    // Every player, the last one after the last report: its line has no end.
    std::vector<std::string> events = eventsOf(&readFideListFileAhead, path);
    EXPECT_EQ(std::count_if(events.begin(), events.end(),
                            [](const std::string& event) { return !event.starts_with("read"); }),
              29999);
    EXPECT_EQ(events.front(), "1000000");
    EXPECT_TRUE((events.end() - 2)->starts_with("read ")) << *(events.end() - 2);
    EXPECT_EQ(events.back(), "1029999");
}

TEST_F(FideListReadAheadTest, WithoutProgressEveryPlayerComes) {
    int players = 0;
    const FideListReading reading =
        readFideListFileAhead(path, [&](const FideListLine&) { ++players; }, {});
    EXPECT_EQ(players, 29999);
    EXPECT_EQ(reading.players, 29999u);
    EXPECT_FALSE(reading.stopped);
}

TEST_F(FideListReadAheadTest, AStopEndsTheReadingAtThatReport) {
    const std::vector<std::string> all = eventsOf(&readFideListFile, path);
    const auto reports = std::count_if(
        all.begin(), all.end(), [](const std::string& event) { return event.starts_with("read"); });
    ASSERT_GT(reports, 3);
    for (const int stopAt : {1, 2, static_cast<int>(reports)}) {
        FideListReading reading;
        const std::vector<std::string> events =
            eventsOf(&readFideListFileAhead, path, stopAt, &reading);
        EXPECT_TRUE(reading.stopped) << stopAt;
        ASSERT_FALSE(events.empty());
        EXPECT_TRUE(events.back().starts_with("read")) << stopAt;  // nothing after the stop
        EXPECT_EQ(events, std::vector<std::string>(all.begin(), all.begin() + events.size()))
            << stopAt;
    }
}

TEST_F(FideListReadAheadTest, AFailureOfTheCallerEndsTheReadingThread) {
    // Far more players than the thread reads ahead: it waits for room when the caller fails.
    writeZip(path, {{"players_list_foa.txt", bigList(60000)}});
    for (const int failAt : {1, 10, 40000}) {
        int players = 0;
        try {
            readFideListFileAhead(
                path,
                [&](const FideListLine&) {
                    if (++players == failAt) {
                        throw std::runtime_error("disque plein");
                    }
                },
                [](qint64, qint64) { return true; });
            ADD_FAILURE() << failAt;
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "disque plein");
        }
        EXPECT_EQ(players, failAt);
    }
}

TEST_F(FideListReadAheadTest, AFailureOfTheReadingReachesTheCallerInItsWords) {
    const QByteArray whole = contentsOf(path);
    writeFile(folder.filePath("cut.zip"), whole.left(whole.size() / 2));
    writeFile(folder.filePath("long-line.txt"),
              QByteArray::fromStdString(bigList(3) + "\r\n" + std::string(5000, '7')));
    writeFile(folder.filePath("no-list.txt"), "Bonjour\r\n");
    const std::string full = QFileInfo(folder.path()).canonicalFilePath().toStdString() + "/";
    const struct {
        const char* file;
        std::string message;  // its start
    } rows[] = {
        {"cut.zip", "Le zip " + full + "cut.zip est abîmé ou incomplet ("},
        {"long-line.txt", "La ligne 5 du fichier " + full +
                              "long-line.txt est bien trop longue pour une liste FIDE : le "
                              "fichier est abîmé et la liste en place n'a pas changé."},
        {"no-list.txt", "Le fichier " + full +
                            "no-list.txt ne commence pas par l'en-tête de la liste FIDE (« ID "
                            "Number Name… ») : la liste en place n'a pas changé."},
        {"absent.zip", "Impossible de lire " + full + "absent.zip : fichier introuvable."},
    };
    for (const auto& row : rows) {
        const std::string failure = failureOf(&readFideListFileAhead, folder.filePath(row.file));
        EXPECT_TRUE(failure.starts_with(row.message)) << failure;
        EXPECT_EQ(failure, failureOf(&readFideListFile, folder.filePath(row.file)));
    }
}

}  // namespace
}  // namespace tavolin::testing
