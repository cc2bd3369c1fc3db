// SPDX-License-Identifier: GPL-3.0-or-later
// The list of a history: what the whole reading would show of each period, a few at a time,
// from a snapshot it lets go at the end, in the same words when the history is refused.
#include "HistoryListing.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlError>
#include <functional>

#include "FileError.h"
#include "HistoryPeriods.h"
#include "HistorySchema.h"
#include "HistoryValues.h"
#include "LocalZone.h"
#include "OtherConnection.h"
#include "PlayerFiles.h"
#include "QtPrinters.h"
#include "RatingHistory.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

class HistoryListingTest : public FileInTemporaryFolder {
protected:
    HistoryListingTest() : FileInTemporaryFolder("tavolin-history.sqlite") {}

    std::vector<PeriodSummary> listed(int slot, std::size_t step = 1000) {
        HistoryListing listing(path, slot);
        std::vector<PeriodSummary> all;
        while (!listing.atEnd()) {
            for (PeriodSummary& summary : listing.next(step)) {
                all.push_back(std::move(summary));
            }
        }
        return all;
    }

    std::vector<PeriodSummary> summariesOfWholeReading(int slot) {
        std::vector<PeriodSummary> summaries;
        for (const HistoryPeriod& period : RatingHistory(path).periods(slot)) {
            summaries.push_back(summaryOf(period));
        }
        return summaries;
    }

    // The FileError's text of `use`, empty when it raised none.
    static QString refusal(const std::function<void()>& use) {
        try {
            use();
        } catch (const FileError& error) {
            return QString::fromUtf8(error.what());
        }
        return {};
    }
};

TEST_F(HistoryListingTest, ListsWhatTheWholeReadingGivesOfEachPeriodStepByStep) {
    {
        RatingHistory history(path);
        HistoryPeriod imported = closedPeriod("2025-12-31", 2, 1850, 1860, {1, 0.5, 0});
        imported.games[0].opponentName = "Petit, Paul";
        imported.games[0].event = "Open d'hiver";
        history.add(imported);
        history.add(closedPeriod("2025-06-30", 2, std::nullopt, 1779, {1, 1, 0, 0.5, 1}));
        history.add(closedPeriod("2025-09-30", 7, 1500, 1488, {0}, RatingSystem::Elo));
        history.add(closedPeriod("2025-09-30", 2, 1779, 1850, {}, RatingSystem::Injes));
        for (int k = 0; k < 20; ++k) {
            history.add(closedPeriod(QDate(2020, 1, 1).addDays(k * 17).toString(Qt::ISODate),
                                     k % 3 + 1, 1600 + k, 1610 + k, {0.5, 1}));
        }
    }
    for (const int slot : {0, 2, 7, 5}) {
        for (const std::size_t step : {std::size_t{1}, std::size_t{3}, std::size_t{1000}}) {
            SCOPED_TRACE(QString("slot %1, step %2").arg(slot).arg(step).toStdString());
            EXPECT_EQ(listed(slot, step), summariesOfWholeReading(slot));
        }
    }
}

// A missing file is not made; an empty database, or a history of any version, is left as
// it was, byte for byte.
TEST_F(HistoryListingTest, ListingNeverWritesTheFile) {
    EXPECT_TRUE(listed(0).empty());
    EXPECT_FALSE(QFile::exists(path));
    writeFile(path, "");
    EXPECT_TRUE(listed(0).empty());
    EXPECT_EQ(readFile(path), "");
    for (int version = 1; version <= kHistoryVersion; ++version) {
        SCOPED_TRACE(version);
        QFile::remove(path);
        {
            OtherConnection older(path);
            for (int step = 1; step <= version; ++step) {
                for (const QString& statement : historySchemaStep(step)) {
                    older.run(statement);
                }
            }
            older.run(QString("PRAGMA user_version = %1").arg(version));
            older.run(
                "INSERT INTO period VALUES (1, '2024-03-31 20:00:00', 4, 'Anna', 1, NULL, 0,"
                " 1600, '1650', '62', '1700', '1612', 1612)");
            older.run("INSERT INTO game VALUES (1, 1, 1650, 1, '', '', '', '')");
        }
        const QByteArray before = readFile(path);
        const std::vector<PeriodSummary> periods = listed(4);
        ASSERT_EQ(periods.size(), 1u);
        EXPECT_EQ(periods[0].closedOn, QDate(2024, 3, 31));
        EXPECT_EQ(periods[0].gameCount, 1);
        EXPECT_EQ(periods[0].change(), 12);
        EXPECT_EQ(readFile(path), before);
    }
}

// Another program waits to write while the list is read, and writes once it is read.
TEST_F(HistoryListingTest, TheSnapshotIsLetGoOnceEveryPeriodIsListed) {
    {
        RatingHistory history(path);
        for (int k = 0; k < 5; ++k) {
            history.add(closedPeriod(QString("2025-0%1-15").arg(k + 1), 1, 1600, 1610, {1}));
        }
    }
    HistoryListing listing(path, 1);
    EXPECT_EQ(listing.next(2).size(), 2u);
    OtherConnection other(path);
    other.run("PRAGMA busy_timeout = 0");
    QSqlQuery write(QSqlDatabase::database("other-program"));
    ASSERT_TRUE(write.exec("BEGIN IMMEDIATE"));
    ASSERT_TRUE(write.exec("DELETE FROM period WHERE id = 5"));
    EXPECT_FALSE(write.exec("COMMIT")) << "written under the list";
    EXPECT_EQ(listing.next(10).size(), 3u);  // as it was when the list began
    EXPECT_TRUE(listing.atEnd());
    EXPECT_TRUE(write.exec("COMMIT")) << write.lastError().text().toStdString();
}

// What the list shows out of its range makes the history damaged in the whole reading's
// words; a game's other values are checked when its games are read.
TEST_F(HistoryListingTest, ValuesOutOfTheirRangeAreToldAsTheWholeReadingTellsThem) {
    struct Case {
        const char* change;
        bool listed;  // the value is not one the list shows
    };
    const Case cases[] = {
        {"UPDATE period SET new_rating = 2000000000 WHERE id = 3", false},
        {"UPDATE period SET closed_at = 'hier' WHERE id = 2", false},
        {"UPDATE period SET young = 7 WHERE id = 3", false},
        {"UPDATE period SET coefficient = 'vingt' WHERE id = 3", false},
        {"UPDATE period SET average = x'41' WHERE id = 1", false},
        {"UPDATE period SET young = 3, system = 9 WHERE id = 3", false},
        {"UPDATE game SET score = 0.7 WHERE period_id = 3 AND number = 2", false},
        {"UPDATE game SET score = 'un' WHERE period_id = 2", false},
        {"UPDATE game SET opponent_rating = 1e300 WHERE period_id = 3", true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.change);
        QFile::remove(path);
        {
            RatingHistory history(path);
            for (int k = 0; k < 4; ++k) {
                history.add(closedPeriod(QString("2025-0%1-15").arg(k + 1), 1, 1600, 1610, {1, 0}));
            }
        }
        {
            OtherConnection other(path);
            other.run("PRAGMA ignore_check_constraints = ON");  // as another program may
            other.run(test.change);
        }
        const QString whole = refusal([&] { RatingHistory(path).periods(1); });
        ASSERT_TRUE(whole.contains("est abîmé")) << whole.toStdString();
        const QString list = refusal([&] { listed(1, 1); });
        if (test.listed) {
            EXPECT_EQ(list, "");
            EXPECT_EQ(refusal([&] { RatingHistory(path).games(3); }), whole);
        } else {
            EXPECT_EQ(list, whole);
        }
    }
}

// In Paris, clocks skip from 2:00 to 3:00 on 31 March 2024 and go back from 3:00 to 2:00 on
// 27 October: closings around them keep their day, time and instant; one in the hour that
// never was makes the history damaged, as it does read whole.
TEST_F(HistoryListingTest, PeriodsClosedAroundAClockChangeKeepTheirInstants) {
    const LocalZone paris("Europe/Paris");
    const char* closings[] = {"2024-03-31T01:59:59", "2024-03-31T03:00:00", "2024-10-27T01:30:00",
                              "2024-10-27T02:30:00", "2024-10-27T03:00:00", "2024-10-28 00:00:00"};
    {
        OtherConnection written(path);
        for (int step = 1; step <= kHistoryVersion; ++step) {
            for (const QString& statement : historySchemaStep(step)) {
                written.run(statement);
            }
        }
        written.run(QString("PRAGMA user_version = %1").arg(kHistoryVersion));
        for (const char* closedAt : closings) {
            written.run(QString("INSERT INTO period (closed_at, slot, player_name, system, young,"
                                " rating_before, average, score, performance, new_rating_text,"
                                " new_rating) VALUES ('%1', 1, 'Anna', 1, 0, 1600, '', '', '',"
                                " '1610', 1610)")
                            .arg(closedAt));
        }
    }
    const std::vector<PeriodSummary> periods = listed(1);
    ASSERT_EQ(periods.size(), std::size(closings));
    EXPECT_EQ(periods, summariesOfWholeReading(1));
    for (std::size_t k = 0; k < periods.size(); ++k) {
        const QDateTime closedAt =
            QDateTime::fromString(QString(closings[k]).replace(' ', 'T'), kClosedAtFormat);
        EXPECT_EQ(periods[k].closedAtMsecs, closedAt.toMSecsSinceEpoch()) << closings[k];
        EXPECT_EQ(QDateTime(periods[k].closedOn, periods[k].closedAtTime), closedAt);
    }
    // The 2:30 listed after 1:30 on the night clocks go back is the first, in summer time.
    EXPECT_EQ(periods[4].closedAtMsecs - periods[3].closedAtMsecs, 90 * 60 * 1000);

    OtherConnection(path).run("UPDATE period SET closed_at = '2024-03-31T02:30:00' WHERE id = 1");
    const QString whole = refusal([&] { RatingHistory(path).periods(1); });
    EXPECT_TRUE(whole.contains("(closed_at : 2024-03-31T02:30:00)")) << whole.toStdString();
    EXPECT_EQ(refusal([&] { listed(1); }), whole);
}

// A closing is read as checkedDate reads it, whatever its text.
TEST(CheckedClosingTest, ReadsEveryTextAsCheckedDateDoes) {
    const LocalZone paris("Europe/Paris");
    const QVariant values[] = {"2026-12-09T18:30:00",
                               "2026-12-09 18:30:00",
                               "2024-02-29T12:00:00",
                               "2023-02-29T12:00:00",
                               "2024-13-01T00:00:00",
                               "2024-01-01T24:00:00",
                               "0000-01-01T00:00:00",
                               "0001-01-01T00:00:00",
                               "2024-1-01T00:00:00",
                               "2024-01-01T00:00",
                               "2024-01-01X00:00:00",
                               "2024-03-31T02:30:00",
                               "２０２４-01-01T00:00:00",
                               "hier",
                               "",
                               QVariant(20240101),
                               QVariant(QByteArray("2024"))};
    LocalTimeConverter converter;
    for (const QVariant& value : values) {
        SCOPED_TRACE(value.toString().toStdString());
        std::optional<QDateTime> expected;
        QString expectedDamage;
        try {
            expected = checkedDate(value);
        } catch (const DamagedValue& damaged) {
            expectedDamage = damaged.what;
        }
        try {
            const Closing closing = checkedClosing(value, converter);
            ASSERT_TRUE(expected.has_value())
                << "read, where checkedDate says " + expectedDamage.toStdString();
            EXPECT_EQ(closing.day, expected->date());
            EXPECT_EQ(closing.time, expected->time());
            EXPECT_EQ(closing.msecsSinceEpoch, expected->toMSecsSinceEpoch());
        } catch (const DamagedValue& damaged) {
            EXPECT_EQ(damaged.what, expectedDamage);
        }
    }
}

TEST_F(HistoryListingTest, APeriodsGamesAreReadInTheirOrder) {
    RatingHistory history(path);
    HistoryPeriod period = closedPeriod("2025-12-31", 1, 1850, 1860, {1, 0.5, 0});
    period.games[2].opponentName = "Petit, Paul";
    period.games[2].round = "3.1";
    const qint64 id = history.add(period);
    history.add(closedPeriod("2026-01-31", 1, 1860, 1870, {1}));
    EXPECT_EQ(history.games(id), period.games);
    EXPECT_TRUE(history.games(id + 5).empty());
    EXPECT_TRUE(RatingHistory(folder.filePath("none.sqlite")).games(1).empty());
}

}  // namespace
}  // namespace tavolin::testing
