// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerFile.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "FileError.h"
#include "PlayerFiles.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

class PlayerFileTest : public FileInTemporaryFolder {
protected:
    PlayerFileTest() : FileInTemporaryFolder("tavo.lin") {}
};

TEST_F(PlayerFileTest, ReadsTenRecords) {
    QByteArray bytes = blankPlayerFile();
    putInt32(bytes, recordOffset(7) + 24, 1999);
    writeFile(path, bytes);
    const auto records = PlayerFile(path).readAll();
    EXPECT_EQ(records[6].rating(), 1999);
    EXPECT_EQ(records[9].coefficient(), 25);
}

TEST_F(PlayerFileTest, FewerThanTenRecordsIsAnError) {
    writeFile(path, blankPlayerFile().left(9 * kRecordBytes + 847));
    try {
        PlayerFile(path).readAll();
        FAIL() << "a short file was read";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("tavo.lin"), std::string::npos);
    }
    EXPECT_THROW(PlayerFile(path).writeRecord(1, PlayerRecord()), FileError);
}

TEST_F(PlayerFileTest, AMissingFileIsAnError) {
    EXPECT_THROW(PlayerFile(path).readAll(), FileError);
    EXPECT_THROW(PlayerFile(path).writeRecord(1, PlayerRecord()), FileError);
    EXPECT_FALSE(QFile::exists(path));  // never created
}

TEST_F(PlayerFileTest, WritingChangesOnlyItsRecord) {
    QByteArray bytes = blankPlayerFile();
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        bytes[k] = static_cast<char>(k * 7 + 3);
    }
    bytes.append("trailing bytes of another program");
    writeFile(path, bytes);
    QFile::setPermissions(
        path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    const QFileDevice::Permissions permissions = QFile::permissions(path);

    PlayerRecord record;
    record.setRating(2100);
    PlayerFile(path).writeRecord(4, record);

    const QByteArray written = readFile(path);
    ASSERT_EQ(written.size(), bytes.size());
    EXPECT_EQ(written.left(recordOffset(4)), bytes.left(recordOffset(4)));
    EXPECT_EQ(written.mid(recordOffset(5)), bytes.mid(recordOffset(5)));
    EXPECT_EQ(getInt32(written, recordOffset(4) + 24), 2100);
    EXPECT_EQ(QFile::permissions(path), permissions);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(PlayerFileTest, AFailedSaveLeavesTheOldFileWhole) {
    writeFile(path, blankPlayerFile());
    PlayerFile file(path);
    file.setBeforeReplace([] { throw FileError("No space left on device"); });
    PlayerRecord record;
    record.setRating(2100);
    EXPECT_THROW(file.writeRecord(1, record), FileError);
    EXPECT_EQ(readFile(path), blankPlayerFile());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(PlayerFileTest, ASaveKilledHalfwayLeavesAReadableFile) {
    writeFile(path, blankPlayerFile());
    PlayerRecord record;
    record.setRating(2100);
    EXPECT_EXIT(
        {
            PlayerFile file(path);
            file.setBeforeReplace([] { _exit(9); });  // killed between writing and replacing
            file.writeRecord(1, record);
        },
        ::testing::ExitedWithCode(9), "");
    EXPECT_EQ(readFile(path), blankPlayerFile());
    EXPECT_NO_THROW(PlayerFile(path).readAll());
}

TEST_F(PlayerFileTest, AReadOnlyFileCannotBeSaved) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes through permissions";
    }
    writeFile(path, blankPlayerFile());
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    EXPECT_THROW(PlayerFile(path).writeRecord(1, PlayerRecord()), FileError);
    EXPECT_EQ(readFile(path), blankPlayerFile());
}

// Writing in place could leave the file cut short: without a temporary file, no save.
TEST_F(PlayerFileTest, AFolderThatTakesNoTemporaryFileLeavesTheFileAndSaysWhy) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes through permissions";
    }
    writeFile(path, blankPlayerFile());
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    PlayerRecord record;
    record.setRating(2100);
    try {
        PlayerFile(path).writeRecord(2, record);
        ADD_FAILURE() << "written without a temporary file";
    } catch (const FileError& error) {
        EXPECT_EQ(error.reason(), "accès refusé");
    }
    QFile::setPermissions(folder.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readFile(path), blankPlayerFile());
}

// A save that changes nothing leaves the file alone: not even replaced by the same bytes.
TEST_F(PlayerFileTest, ARecordThatHoldsWhatTheFileHoldsWritesNothing) {
    QByteArray bytes = blankPlayerFile();
    putInt32(bytes, recordOffset(4) + 24, 1777);
    writeFile(path, bytes);
    const QFileInfo before(path);
    PlayerFile file(path);
    bool replaced = false;
    file.setBeforeReplace([&] { replaced = true; });
    file.writeRecord(4, file.readAll()[3]);
    EXPECT_FALSE(replaced);
    EXPECT_EQ(QFileInfo(path).fileTime(QFileDevice::FileModificationTime),
              before.fileTime(QFileDevice::FileModificationTime));
    EXPECT_EQ(readFile(path), bytes);
}

TEST_F(PlayerFileTest, RecordNumbersOutsideOneToTenAreRefused) {
    writeFile(path, blankPlayerFile());
    EXPECT_THROW(PlayerFile(path).writeRecord(0, PlayerRecord()), FileError);
    EXPECT_THROW(PlayerFile(path).writeRecord(11, PlayerRecord()), FileError);
    EXPECT_EQ(readFile(path), blankPlayerFile());
}

}  // namespace
}  // namespace tavolin::testing
