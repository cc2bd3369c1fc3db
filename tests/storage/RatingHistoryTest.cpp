// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatingHistory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <functional>

#include "FileError.h"
#include "HistoryPeriods.h"
#include "HistorySchema.h"
#include "HistoryValues.h"
#include "LocalZone.h"
#include "OtherConnection.h"
#include "PlayerFiles.h"
#include "QtPrinters.h"
#include "SmallDisk.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

class RatingHistoryTest : public FileInTemporaryFolder {
protected:
    RatingHistoryTest() : FileInTemporaryFolder("tavolin-history.sqlite") {}
};

TEST_F(RatingHistoryTest, PeriodsComeBackAsClosedOldestFirstAfterReopening) {
    HistoryPeriod imported = closedPeriod("2025-12-31", 2, 1850, 1860, {1, 0.5, 0});
    imported.games[0].opponentName = "Petit, Paul";
    imported.games[0].date = "2025.12.02";
    imported.games[0].event = "Open d'hiver; ronde \"A\"";
    imported.games[0].round = "3.1";
    imported.young = true;
    const HistoryPeriod first = closedPeriod("2025-06-30", 2, std::nullopt, 1779, {1, 1, 0, 0.5, 1},
                                             RatingSystem::Fide2024);
    const HistoryPeriod other = closedPeriod("2025-09-30", 7, 1500, 1488, {0}, RatingSystem::Elo);
    std::vector<HistoryPeriod> closed = {imported, first, other};
    {
        RatingHistory history(path);
        for (HistoryPeriod& period : closed) {
            period.id = history.add(period);
        }
    }
    RatingHistory reopened(path);
    EXPECT_EQ(reopened.periods(), (std::vector<HistoryPeriod>{closed[1], closed[2], closed[0]}));
    EXPECT_EQ(reopened.periods(2), (std::vector<HistoryPeriod>{closed[1], closed[0]}));
    EXPECT_TRUE(reopened.periods(5).empty());
}

// A period closed on an earlier day at the time of night the clocks skipped that day is
// stored at the time they showed instead, and the history reads on.
TEST_F(RatingHistoryTest, AClosingAtATimeTheClocksSkippedIsKeptAtTheTimeTheyShowed) {
    struct Case {
        const char* zone;
        QDate day;
        QTime closedAt;
        const char* stored;  // local time
    };
    const Case cases[] = {
        {"Europe/Paris", QDate(2024, 3, 31), QTime(2, 30), "2024-03-31T03:30:00"},
        {"Europe/Paris", QDate(2024, 3, 31), QTime(1, 59), "2024-03-31T01:59:00"},
        {"Europe/Paris", QDate(2024, 10, 27), QTime(2, 30), "2024-10-27T02:30:00"},
        {"Australia/Lord_Howe", QDate(2024, 10, 6), QTime(2, 15), "2024-10-06T02:45:00"},
        {"America/Sao_Paulo", QDate(2018, 11, 4), QTime(0, 20), "2018-11-04T01:20:00"},
        {"Pacific/Apia", QDate(2011, 12, 30), QTime(18, 0), "2011-12-31T18:00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + c.day.toString(Qt::ISODate).toStdString());
        const LocalZone zone(c.zone);
        QFile::remove(path);
        RatingHistory history(path);
        HistoryPeriod period = closedPeriod("2024-01-01", 1, 1800, 1810, {1});
        period.closedAt = closingMoment(c.day, c.closedAt);
        ASSERT_TRUE(period.closedAt.isValid());
        history.add(period);
        const std::vector<HistoryPeriod> read = RatingHistory(path).periods(1);
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].closedAt.toString(kClosedAtFormat), c.stored);
    }
}

TEST_F(RatingHistoryTest, ReadingOrDeletingInAMissingHistoryMakesNoFile) {
    EXPECT_TRUE(RatingHistory(path).periods().empty());
    RatingHistory(path).remove(1);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(RatingHistoryTest, DeletingAPeriodDeletesItsGames) {
    RatingHistory history(path);
    const qint64 kept = history.add(closedPeriod("2025-06-30", 1, 1700, 1710, {1, 0}));
    const qint64 deleted = history.add(closedPeriod("2025-12-31", 1, 1710, 1720, {1, 1, 0}));
    history.remove(deleted);
    ASSERT_EQ(history.periods().size(), 1u);
    EXPECT_EQ(history.periods().front().id, kept);
    OtherConnection other(path);
    EXPECT_EQ(other.number("SELECT count(*) FROM game"), 2);
}

// Reopening takes the player's latest period out, with its games and their texts.
TEST_F(RatingHistoryTest, TheLatestPeriodIsTakenOutWithItsGames) {
    RatingHistory history(path);
    EXPECT_FALSE(history.takeLatest(1).has_value());
    history.add(closedPeriod("2025-06-30", 1, 1700, 1710, {1, 0}));
    HistoryPeriod latest = closedPeriod("2025-12-31", 1, 1710, 1720, {1, 0.5});
    latest.games[1].opponentName = "Petit, Paul";
    latest.games[1].round = "4";
    history.add(closedPeriod("2026-03-31", 2, 1500, 1490, {0}));
    latest.id = history.add(latest);
    const std::optional<HistoryPeriod> taken = history.takeLatest(1);
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(*taken, latest);
    ASSERT_EQ(history.periods(1).size(), 1u);
    EXPECT_EQ(history.periods(1)[0].newRating, 1710);
    EXPECT_EQ(history.periods(2).size(), 1u);
}

TEST_F(RatingHistoryTest, AnOlderHistoryIsBroughtUpToDateWithItsPeriods) {
    {
        OtherConnection older(path);
        for (const QString& statement : historySchemaStep(1)) {
            older.run(statement);
        }
        older.run("PRAGMA user_version = 1");
        older.run(
            "INSERT INTO period VALUES (1, '2024-03-31T20:00:00', 4, 'Anna', 1, NULL, 0,"
            " 1600, '1650', '62', '1700', '1612', 1612)");
        older.run("INSERT INTO game VALUES (1, 1, 1650, 1, '', '', '', '')");
    }
    RatingHistory history(path);
    const auto periods = history.periods(4);
    ASSERT_EQ(periods.size(), 1u);
    EXPECT_EQ(periods[0].playerName, "Anna");
    EXPECT_EQ(periods[0].change(), 12);
    EXPECT_EQ(periods[0].games.size(), 1u);
    history.add(closedPeriod("2024-09-30", 4, 1612, 1630, {1}));
    OtherConnection other(path);
    EXPECT_EQ(other.number("PRAGMA user_version"), kHistoryVersion);
    EXPECT_EQ(other.number("SELECT count(*) FROM sqlite_master WHERE name = 'period_by_player'"),
              1);
}

// A history another program holds, a damaged one, one from a later version: the error says
// so, and the file is left byte for byte as it was.
TEST_F(RatingHistoryTest, AHistoryThatCannotBeUsedIsToldAndLeftAsItWas) {
    struct Case {
        const char* name;
        std::function<void(const QString&, std::unique_ptr<OtherConnection>&)> spoil;
        const char* told;
    };
    const Case cases[] = {
        {"locked",
         [](const QString& file, std::unique_ptr<OtherConnection>& holder) {
             holder = std::make_unique<OtherConnection>(file);
             holder->run("BEGIN EXCLUSIVE");
         },
         "occupé par un autre programme"},
        {"damaged",
         [](const QString& file, std::unique_ptr<OtherConnection>&) {
             QFile damaged(file);
             ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
             damaged.write("not a history, ");
         },
         "est abîmé (file is not a database)"},
        {"newer",
         [](const QString& file, std::unique_ptr<OtherConnection>& holder) {
             OtherConnection(file).run("PRAGMA user_version = 99");
             holder.reset();
         },
         "version plus récente"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        QFile::remove(path);
        RatingHistory(path).add(closedPeriod("2025-06-30", 1, 1700, 1710, {1}));
        std::unique_ptr<OtherConnection> holder;
        test.spoil(path, holder);
        const QByteArray before = readFile(path);
        for (const auto& use : std::vector<std::function<void()>>{
                 [&] { RatingHistory(path).add(closedPeriod("2025-12-31", 1, 1710, 1720, {1})); },
                 [&] { RatingHistory(path).periods(1); }, [&] { RatingHistory(path).remove(1); }}) {
            try {
                use();
                ADD_FAILURE() << "used";
            } catch (const FileError& error) {
                EXPECT_NE(QString::fromUtf8(error.what()).indexOf(test.told), -1) << error.what();
                EXPECT_NE(QString::fromUtf8(error.what()).indexOf(path), -1) << error.what();
            }
        }
        holder.reset();
        EXPECT_EQ(readFile(path), before);
    }
}

// Read, not written: the periods are listed, a closing is refused in the file system's words.
TEST_F(RatingHistoryTest, AReadOnlyHistoryIsReadButNotWritten) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes through permissions";
    }
    RatingHistory(path).add(closedPeriod("2025-06-30", 1, 1700, 1710, {1}));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    const QByteArray before = readFile(path);
    EXPECT_EQ(RatingHistory(path).periods().size(), 1u);
    try {
        RatingHistory(path).add(closedPeriod("2025-12-31", 1, 1710, 1720, {1}));
        ADD_FAILURE() << "written";
    } catch (const FileError& error) {
        EXPECT_NE(QString::fromUtf8(error.what()).indexOf("accès refusé"), -1) << error.what();
    }
    EXPECT_EQ(readFile(path), before);
}

// A closing on a full disk adds nothing, keeps what was there and says the disk is full.
TEST(RatingHistoryDiskTest, AFullDiskKeepsTheHistoryAsItWas) {
    SmallDisk disk(256 * 1024);
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    }
    const QString path = disk.filePath("tavolin-history.sqlite");
    RatingHistory(path).add(closedPeriod("2025-06-30", 1, 1500, 1520, {1, 1, 0}));
    const QByteArray before = readFile(path);
    disk.leaveFree(0);
    try {
        RatingHistory(path).add(closedPeriod("2025-12-31", 1, 1520, 1540, {1, 0.5, 0.5}));
        ADD_FAILURE() << "a period added on a full disk";
    } catch (const FileError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()),
                  "Impossible d'écrire dans " + path + " : le disque est plein.");
    }
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(RatingHistory(path).periods(1).size(), 1);
}

// A player's link to FIDE's list survives reopening, is his alone, can be changed and taken
// away, and a history of an earlier version (no link table yet) reads as linking nobody.
TEST_F(RatingHistoryTest, APlayersFideIdIsKeptChangedAndTakenAway) {
    {
        OtherConnection older(path);
        for (int step = 1; step <= 3; ++step) {
            for (const QString& statement : historySchemaStep(step)) {
                older.run(statement);
            }
        }
        older.run("PRAGMA user_version = 3");
    }
    EXPECT_EQ(RatingHistory(path).fideId(2), std::nullopt);
    RatingHistory(path).setFideId(2, 1503014u);
    RatingHistory(path).setFideId(10, 4294967295u);
    RatingHistory reopened(path);
    EXPECT_EQ(reopened.fideId(2), std::optional<quint32>(1503014u));
    EXPECT_EQ(reopened.fideId(10), std::optional<quint32>(4294967295u));
    EXPECT_EQ(reopened.fideId(1), std::nullopt);
    reopened.setFideId(2, 3101959u);
    EXPECT_EQ(reopened.fideId(2), std::optional<quint32>(3101959u));
    reopened.setFideId(2, std::nullopt);
    EXPECT_EQ(reopened.fideId(2), std::nullopt);
    EXPECT_EQ(OtherConnection(path).number("PRAGMA user_version"), kHistoryVersion);
}

TEST_F(RatingHistoryTest, AFideIdOutOfItsRangeIsToldAsDamaged) {
    RatingHistory(path).setFideId(3, 1u);
    {
        OtherConnection other(path);
        other.run("PRAGMA ignore_check_constraints = ON");
        other.run("UPDATE player_fide_id SET fide_id = 'x' WHERE slot = 3");
    }
    try {
        RatingHistory(path).fideId(3);
        FAIL() << "a text as FIDE ID was read";
    } catch (const FileError& error) {
        EXPECT_THAT(error.what(), ::testing::HasSubstr("abîmé"));
    }
}

}  // namespace
}  // namespace tavolin::testing
