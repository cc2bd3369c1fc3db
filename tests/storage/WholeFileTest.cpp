// SPDX-License-Identifier: GPL-3.0-or-later
// Every file is replaced whole or left as it was, on a real disk that fills up.
#include "WholeFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "FileError.h"
#include "PlayerFile.h"
#include "PlayerFileCheck.h"
#include "PlayerFiles.h"
#include "ProfileFile.h"
#include "SmallDisk.h"

namespace tavolin::testing {
namespace {

struct Writer {
    const char* what;
    QString fileName;
    QByteArray before;
    std::function<void(const QString& path)> write;
    bool largerThanABlock = true;  // 4 KB free cannot take its new contents
};

QByteArray changedPlayerFile() {
    QByteArray bytes = blankPlayerFile();
    putInt32(bytes, recordOffset(2) + 24, 1999);
    return bytes;
}

std::vector<Writer> writers() {
    PlayerRecord rated;
    rated.setRating(2100);
    return {
        {"the player file", "tavo.lin", blankPlayerFile(),
         [rated](const QString& path) { PlayerFile(path).writeRecord(3, rated); }},
        {"a short player file completed", "tavo.lin", blankPlayerFile().left(5000),
         [](const QString& path) { completePlayerFile(path); }},
        {"the settings", "tavolin.ini", "[programme]\r\naide=0\r\n",
         [](const QString& path) { ProfileFile(path).writeValue("programme", "aide", "1"); },
         false},
        {"a whole file", "historique.csv", "old",
         [](const QString& path) { writeWholeFile(path, changedPlayerFile()); }},
    };
}

// 4 KB free is less than any of the files needs, none free leaves no room for a temporary
// file: either way the file keeps its bytes, no temporary file stays, and the reason is the
// disk's.
TEST(WholeFileTest, AFullDiskLeavesEveryFileAsItWasAndSaysSo) {
    for (const qint64 free : {qint64{4096}, qint64{0}}) {
        for (const Writer& writer : writers()) {
            if (free > 0 && !writer.largerThanABlock) {
                continue;
            }
            SmallDisk disk(64 * 1024);
            if (!disk.mounted()) {
                GTEST_SKIP() << "mounting a small tmpfs needs root";
            }
            const QString path = disk.filePath(writer.fileName);
            writeFile(path, writer.before);
            disk.leaveFree(free);
            try {
                writer.write(path);
                ADD_FAILURE() << writer.what << " written with " << free << " bytes free";
            } catch (const FileError& error) {
                EXPECT_EQ(QString::fromUtf8(error.what()),
                          "Impossible d'écrire dans " + path + " : le disque est plein.")
                    << writer.what;
                EXPECT_EQ(error.reason(), "le disque est plein");
            }
            EXPECT_EQ(readFile(path), writer.before) << writer.what << ", " << free << " free";
            EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
                << writer.what << ": a temporary file stayed";
        }
    }
}

TEST(WholeFileTest, ADiskWithRoomTakesTheNewContents) {
    SmallDisk disk(64 * 1024);
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    }
    const QString path = disk.filePath("tavo.lin");
    writeFile(path, blankPlayerFile());
    disk.leaveFree(3 * 8480);
    writeWholeFile(path, changedPlayerFile());
    EXPECT_EQ(readFile(path), changedPlayerFile());
}

}  // namespace
}  // namespace tavolin::testing
