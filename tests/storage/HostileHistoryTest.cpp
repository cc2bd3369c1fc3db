// SPDX-License-Identifier: GPL-3.0-or-later
// Any file at the history's place is safe to open: reading never changes it, what Tavolin
// did not write is refused, values out of their range make it damaged, and a damaged page
// is never shown as a history in part.
#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "FileError.h"
#include "HistoryPeriods.h"
#include "HistorySchema.h"
#include "OtherConnection.h"
#include "PlayerFiles.h"
#include "RatingHistory.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

class HostileHistoryTest : public FileInTemporaryFolder {
protected:
    HostileHistoryTest() : FileInTemporaryFolder("tavolin-history.sqlite") {}

    // A history of version `version` with one period, written as that version wrote it.
    void writeHistoryOfVersion(int version) {
        OtherConnection older(path);
        for (int step = 1; step <= version; ++step) {
            for (const QString& statement : historySchemaStep(step)) {
                older.run(statement);
            }
        }
        older.run(QString("PRAGMA user_version = %1").arg(version));
        older.run(
            "INSERT INTO period VALUES (1, '2024-03-31T20:00:00', 4, 'Anna', 1, NULL, 0,"
            " 1600, '1650', '62', '1700', '1612', 1612)");
        older.run("INSERT INTO game VALUES (1, 1, 1650, 1, '', '', '', '')");
    }

    // What each use of the history says, and that none changed a byte of the file.
    void expectEveryUseRefused(const QString& told) {
        const QByteArray before = readFile(path);
        for (const auto& use : std::vector<std::function<void()>>{
                 [&] { RatingHistory(path).periods(); },
                 [&] { RatingHistory(path).add(closedPeriod("2025-12-31", 1, 1710, 1720, {1})); },
                 [&] { RatingHistory(path).remove(1); }}) {
            try {
                use();
                ADD_FAILURE() << "used: " << told.toStdString();
            } catch (const FileError& error) {
                const QString text = QString::fromUtf8(error.what());
                EXPECT_TRUE(text.contains(told)) << error.what();
                EXPECT_TRUE(text.contains(path)) << error.what();
            }
        }
        EXPECT_EQ(readFile(path), before) << told.toStdString();
    }
};

// Reading lists, and leaves the file as it was: an empty database stays empty, an older
// history keeps its version.
TEST_F(HostileHistoryTest, ReadingNeverCreatesNorBringsUpToDate) {
    writeFile(path, "");
    EXPECT_TRUE(RatingHistory(path).periods().empty());
    EXPECT_EQ(readFile(path), "");

    QFile::remove(path);
    for (int version = 1; version <= kHistoryVersion; ++version) {
        SCOPED_TRACE(version);
        QFile::remove(path);
        writeHistoryOfVersion(version);
        const QByteArray before = readFile(path);
        const auto periods = RatingHistory(path).periods(4);
        ASSERT_EQ(periods.size(), 1u);
        EXPECT_EQ(periods[0].change(), 12);
        EXPECT_EQ(readFile(path), before);
    }
}

// Another program's database, or a history with what Tavolin never made in it: a trigger
// that would run at a closing, a view in place of a table, another column, another table.
TEST_F(HostileHistoryTest, WhatTavolinDidNotWriteIsRefusedUntouched) {
    struct Case {
        const char* statement;
        const char* told;
    };
    const Case cases[] = {
        {"CREATE TABLE notes (x)", "n'est pas un historique de Tavolin (table notes)"},
        {"CREATE TRIGGER period_guard AFTER INSERT ON period BEGIN"
         " DELETE FROM period WHERE id < new.id; END",
         "(déclencheur period_guard)"},
        {"ALTER TABLE period ADD COLUMN note TEXT", "(table period)"},
        {"CREATE VIEW every_game AS SELECT * FROM game", "(vue every_game)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement);
        QFile::remove(path);
        if (QString(c.statement).startsWith("CREATE TABLE notes")) {
            OtherConnection(path).run(c.statement);
        } else {
            RatingHistory(path).add(closedPeriod("2025-06-30", 1, 1700, 1710, {1}));
            OtherConnection(path).run(c.statement);
        }
        expectEveryUseRefused(c.told);
    }

    // A view of the history's own name, that never ends.
    QFile::remove(path);
    RatingHistory(path).add(closedPeriod("2025-06-30", 1, 1700, 1710, {1}));
    {
        OtherConnection other(path);
        other.run("DROP TABLE game");
        other.run(
            "CREATE VIEW game AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n)"
            " SELECT 1 AS period_id, i AS number, 1800.0 AS opponent_rating, 1.0 AS score,"
            " '' AS opponent_name, '' AS date, '' AS event, '' AS round FROM n");
    }
    expectEveryUseRefused("(vue game)");
}

// A value out of its range or of another kind: damaged, told with the file's name, nothing
// shown wrong; SQLite's own form of a date reads.
TEST_F(HostileHistoryTest, ValuesOutOfTheirRangeMakeTheHistoryDamaged) {
    struct Case {
        const char* change;
        const char* told;
    };
    const Case cases[] = {
        {"UPDATE period SET new_rating = 2000000000", "(new_rating : 2000000000)"},
        {"UPDATE period SET rating_before = -5", "(rating_before : -5)"},
        {"UPDATE period SET system = 9", "(system : 9)"},
        {"UPDATE period SET slot = 11", "(slot : 11)"},
        {"UPDATE period SET new_rating = 'beaucoup'", "(new_rating : beaucoup)"},
        {"UPDATE period SET closed_at = 'hier'", "(closed_at : hier)"},
        {"UPDATE game SET score = 0.7", "(score : 0.7)"},
        {"UPDATE game SET opponent_rating = 1e300", "(opponent_rating : "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        QFile::remove(path);
        writeHistoryOfVersion(2);  // without the checks of the later versions
        {
            OtherConnection other(path);
            other.run("PRAGMA ignore_check_constraints = ON");  // as another program may
            other.run(c.change);
        }
        const QByteArray before = readFile(path);
        try {
            RatingHistory(path).periods();
            ADD_FAILURE() << "read";
        } catch (const FileError& error) {
            const QString text = QString::fromUtf8(error.what());
            EXPECT_TRUE(text.startsWith("L'historique " + path + " est abîmé")) << error.what();
            EXPECT_TRUE(text.contains(c.told)) << error.what();
        }
        EXPECT_EQ(readFile(path), before);
    }

    QFile::remove(path);
    writeHistoryOfVersion(2);
    OtherConnection(path).run("UPDATE period SET closed_at = '2024-03-31 20:00:00'");
    const auto periods = RatingHistory(path).periods();
    ASSERT_EQ(periods.size(), 1u);
    EXPECT_EQ(periods[0].closedAt, QDateTime(QDate(2024, 3, 31), QTime(20, 0)));
}

// The checks are the history's own from this version on: a closing refuses a value out of
// range in the file's words, French first.
TEST_F(HostileHistoryTest, TheHistoryChecksItsColumnsItself) {
    RatingHistory(path).add(closedPeriod("2025-06-30", 1, 1700, 1710, {1}));
    OtherConnection other(path);
    QSqlQuery update(QSqlDatabase::database("other-program"));
    EXPECT_FALSE(update.exec("UPDATE period SET new_rating = 2000000000"));
    EXPECT_FALSE(update.exec("UPDATE game SET score = 2"));
    EXPECT_FALSE(update.exec("UPDATE period SET closed_at = NULL"));
}

// A page damaged in the middle: the history is told damaged, never listed in part.
TEST_F(HostileHistoryTest, ADamagedPageIsToldNotShownInPart) {
    {
        RatingHistory history(path);
        for (int k = 0; k < 300; ++k) {
            history.add(closedPeriod(QDate(2000, 1, 1).addDays(k).toString(Qt::ISODate), k % 10 + 1,
                                     1500, 1510, {1, 0.5, 0}));
        }
    }
    QByteArray bytes = readFile(path);
    ASSERT_GT(bytes.size(), 16 * 4096);
    for (qsizetype at = bytes.size() / 2; at < bytes.size() / 2 + 4096; ++at) {
        bytes[at] = static_cast<char>(0x5a);
    }
    writeFile(path, bytes);
    try {
        const auto periods = RatingHistory(path).periods();
        ADD_FAILURE() << periods.size() << " periods listed from a damaged history";
    } catch (const FileError& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains("est abîmé")) << error.what();
    }
}

// A period deleted by another program without the foreign keys leaves its games; its id is
// never given again, so the next closing neither fails nor takes them.
TEST_F(HostileHistoryTest, PeriodIdsAreNeverUsedTwice) {
    RatingHistory(path).add(closedPeriod("2025-06-30", 1, 1700, 1710, {1}));
    const qint64 deleted =
        RatingHistory(path).add(closedPeriod("2025-09-30", 1, 1710, 1720, {1, 1}));
    OtherConnection(path).run(QString("DELETE FROM period WHERE id = %1").arg(deleted));
    const qint64 added = RatingHistory(path).add(closedPeriod("2025-12-31", 1, 1710, 1730, {0.5}));
    EXPECT_NE(added, deleted);
    const auto periods = RatingHistory(path).periods(1);
    ASSERT_EQ(periods.size(), 2u);
    EXPECT_EQ(periods[1].games.size(), 1u);
}

}  // namespace
}  // namespace tavolin::testing
