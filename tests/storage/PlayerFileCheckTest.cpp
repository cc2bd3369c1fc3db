// SPDX-License-Identifier: GPL-3.0-or-later
// The player file looked at before the program works with it.
#include "PlayerFileCheck.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <limits>

#include "FileError.h"
#include "PlayerFiles.h"
#include "QtPrinters.h"

namespace tavolin {
namespace {

using testing::blankPlayerFile;
using testing::putDouble;
using testing::putInt32;
using testing::readFile;
using testing::writeFile;

PlayerRecord recordOf(const QByteArray& bytes) {
    PlayerRecord::Bytes record;
    std::copy_n(bytes.constData(), kRecordSize, record.begin());
    return PlayerRecord(record);
}

TEST(PlayerFileCheckTest, ASoundRecordHoldsWhatTheProgramWrites) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        std::function<void(QByteArray&)> change;
        bool sound;
    };
    for (const Case& c : {
             Case{"blank", [](QByteArray&) {}, true},
             Case{"a period",
                  [](QByteArray& b) {
                      putInt32(b, 24, 1850);
                      putInt32(b, 28, 2);
                      putDouble(b, 40, 2010);
                      putDouble(b, 48, 1);
                      putDouble(b, 56, 700);
                      putDouble(b, 64, 0.5);
                      b[32] = 1;
                      b[0] = 4;
                      b.replace(1, 4, "\xc9lie");
                  },
                  true},
             Case{"FIDE 2024, K 40",
                  [](QByteArray& b) {
                      putInt32(b, 840, 5);
                      putInt32(b, 844, 40);
                  },
                  true},
             Case{"system 0", [](QByteArray& b) { putInt32(b, 840, 0); }, false},
             Case{"system 6", [](QByteArray& b) { putInt32(b, 840, 6); }, false},
             Case{"K 40 for ELO", [](QByteArray& b) { putInt32(b, 844, 40); }, false},
             Case{"K 15 for FIDE 2024",
                  [](QByteArray& b) {
                      putInt32(b, 840, 5);
                      putInt32(b, 844, 15);
                  },
                  false},
             Case{"51 games", [](QByteArray& b) { putInt32(b, 28, 51); }, false},
             Case{"-1 games", [](QByteArray& b) { putInt32(b, 28, -1); }, false},
             Case{"rating 10000", [](QByteArray& b) { putInt32(b, 24, 10000); }, false},
             Case{"young 2", [](QByteArray& b) { b[32] = 2; }, false},
             Case{"name of 21", [](QByteArray& b) { b[0] = 21; }, false},
             Case{"a control in the name",
                  [](QByteArray& b) {
                      b[0] = 1;
                      b[1] = '\x07';
                  },
                  false},
             Case{"NaN opponent", [&](QByteArray& b) { putDouble(b, 40, nan); }, false},
             Case{"opponent 3001",
                  [](QByteArray& b) {
                      putDouble(b, 40, 3001);
                      putDouble(b, 48, 1);
                  },
                  false},
             Case{"opponent 1500.5", [](QByteArray& b) { putDouble(b, 40, 1500.5); }, false},
             Case{"score 0.7",
                  [](QByteArray& b) {
                      putDouble(b, 40, 1500);
                      putDouble(b, 48, 0.7);
                  },
                  false},
             Case{"a score without opponent", [](QByteArray& b) { putDouble(b, 48, 1); }, false},
         }) {
        QByteArray bytes = blankPlayerFile().left(kRecordSize);
        c.change(bytes);
        EXPECT_EQ(isSoundRecord(recordOf(bytes)), c.sound) << c.what;
    }
}

TEST(PlayerFileCheckTest, DamageIsFoundCopiedAndAShortFileCompleted) {
    QTemporaryDir folder;
    const QString path = folder.filePath("tavo.lin");
    QByteArray file = blankPlayerFile();
    putInt32(file, 2 * kRecordSize + 840, 0);  // player 3
    putInt32(file, 6 * kRecordSize + 28, 99);  // player 7
    writeFile(path, file);
    PlayerFileDamage damage = checkPlayerFile(path);
    EXPECT_FALSE(damage.tooShort);
    EXPECT_EQ(damage.damagedPlayers, (std::vector<int>{3, 7}));

    const QDateTime now(QDate(2026, 12, 9), QTime(14, 5, 7));
    const QString copy = keepDamagedCopy(path, now);
    EXPECT_EQ(copy, folder.filePath("tavo.lin.abime-20261209-140507"));
    EXPECT_EQ(readFile(copy), file);

    const QByteArray cut = blankPlayerFile().left(2 * kRecordSize + 100);
    writeFile(path, cut);
    damage = checkPlayerFile(path);
    EXPECT_TRUE(damage.tooShort);
    EXPECT_EQ(damage.size, 2 * kRecordSize + 100);
    EXPECT_TRUE(damage.damagedPlayers.empty());
    completePlayerFile(path);
    EXPECT_EQ(readFile(path), blankPlayerFile());  // the bytes held, then blank ones
    EXPECT_FALSE(checkPlayerFile(path).damaged());
    EXPECT_THROW(checkPlayerFile(folder.filePath("missing")), FileError);
}

}  // namespace
}  // namespace tavolin
