// SPDX-License-Identifier: GPL-3.0-or-later
// Any file at the list's place is safe to open: reading never makes nor changes it, and a
// file Tavolin did not write, or a later version wrote, is refused as it is.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "FideList.h"
#include "FideListFiles.h"
#include "FideListLines.h"
#include "FideListSchema.h"
#include "FileError.h"
#include "OtherConnection.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

class FideListDatabaseTest : public FileInTemporaryFolder {
protected:
    FideListDatabaseTest() : FileInTemporaryFolder("liste-fide.sqlite") {}

    void importList() {
        const QString list = folder.filePath("list.txt");
        writeFile(list, QByteArray(kCombinedHeader.data()) + "\r\n" + kCarlsenLine.data() + "\r\n");
        ASSERT_TRUE(importFideList(path, list, "2026-10"));
    }
    std::string full() const { return QFileInfo(path).canonicalFilePath().toStdString(); }

    // What every use of the database and an import say; none may change a byte of the file.
    void expectEveryUseRefused(const std::string& message) {
        const QByteArray before = contentsOf(path);
        const QString list = folder.filePath("list.txt");
        writeFile(list, QByteArray(kCombinedHeader.data()) + "\r\n" + kCarlsenLine.data() + "\r\n");
        const std::function<void()> uses[] = {
            [&] { FideListDatabase(path).summary(); },
            [&] { FideListDatabase(path).player(1503014); },
            [&] { FideListDatabase(path).find("carlsen"); },
            [&] { importFideList(path, list, "2026-10"); },
        };
        for (const auto& use : uses) {
            try {
                use();
                ADD_FAILURE() << "accepted";
            } catch (const FileError& error) {
                EXPECT_EQ(error.what(), message);
            }
            EXPECT_EQ(contentsOf(path), before);
        }
    }
};

TEST_F(FideListDatabaseTest, ReadingNoListMakesNoFile) {
    FideListDatabase database(path);
    EXPECT_FALSE(database.summary());
    EXPECT_FALSE(database.player(1503014));
    EXPECT_TRUE(database.find("carlsen").empty());
    EXPECT_TRUE(database.find("1503014").empty());
    database.remove();
    EXPECT_FALSE(QFile::exists(path));
    // An empty file is no list either, and stays empty.
    writeFile(path, "");
    EXPECT_FALSE(database.summary());
    EXPECT_TRUE(database.find("carlsen").empty());
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST_F(FideListDatabaseTest, RemovingTakesTheListOutEvenFromAnOpenDatabase) {
    importList();
    FideListDatabase database(path);
    ASSERT_TRUE(database.summary());
    database.remove();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(database.summary());
    EXPECT_FALSE(database.player(1503014));
    importList();  // a new list in a new file is seen by the same object
    EXPECT_TRUE(database.player(1503014));
    FideListDatabase other(path);
    other.remove();
    EXPECT_FALSE(database.player(1503014));
}

TEST_F(FideListDatabaseTest, AnotherSqliteFileIsRefusedUntouched) {
    {
        OtherConnection other(path);
        other.run("CREATE TABLE player (id INTEGER PRIMARY KEY, name TEXT)");
        other.run("INSERT INTO player VALUES (1503014, 'Carlsen')");
    }
    expectEveryUseRefused("Le fichier " + full() +
                          " n'est pas une liste FIDE de Tavolin (version 0) : il n'a pas été "
                          "modifié.");
}

TEST_F(FideListDatabaseTest, AListWithATableMoreIsRefusedUntouched) {
    importList();
    {
        OtherConnection other(path);
        other.run("CREATE TABLE extra (x)");
    }
    expectEveryUseRefused("Le fichier " + full() +
                          " n'est pas une liste FIDE de Tavolin (table extra) : il n'a pas été "
                          "modifié.");
}

TEST_F(FideListDatabaseTest, AListOfALaterVersionIsRefusedUntouched) {
    importList();
    {
        OtherConnection other(path);
        other.run(QString("PRAGMA user_version = %1").arg(kFideListVersion + 1));
    }
    expectEveryUseRefused("La liste FIDE " + full() +
                          " a été écrite par une version plus récente de Tavolin : elle n'a pas "
                          "été modifiée.");
}

TEST_F(FideListDatabaseTest, ATextFileAtTheListsPlaceIsRefusedUntouched) {
    writeFile(path, QByteArray(4096, 'x'));
    const QByteArray before = contentsOf(path);
    EXPECT_THROW(FideListDatabase(path).summary(), FileError);
    const QString list = folder.filePath("list.txt");
    writeFile(list, QByteArray(kCombinedHeader.data()) + "\r\n" + kCarlsenLine.data() + "\r\n");
    EXPECT_THROW(importFideList(path, list), FileError);
    EXPECT_EQ(contentsOf(path), before);
}

TEST_F(FideListDatabaseTest, ANumberBeyondWhatTheListHoldsIsDamage) {
    importList();
    {
        OtherConnection other(path);
        other.run("UPDATE player SET standard_rating = 2000000000");
    }
    try {
        FideListDatabase(path).player(1503014);
        ADD_FAILURE() << "accepted";
    } catch (const FileError& error) {
        EXPECT_EQ(error.what(), "La liste FIDE " + full() +
                                    " est abîmée (valeur de standard_rating hors limites) : "
                                    "importez-la de nouveau.");
    }
}

TEST_F(FideListDatabaseTest, TheDefaultPathIsInTheUsersDataFolder) {
    qputenv("XDG_DATA_HOME", folder.path().toUtf8());
    EXPECT_EQ(defaultFideListPath(), folder.path() + "/tavolin/liste-fide.sqlite");
    qunsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace tavolin::testing
