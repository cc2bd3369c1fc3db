// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of damaged player files: loading them never crashes or reads past a slot, and a
// save changes no byte outside the record it saves. Run under the sanitizers, any undefined
// behaviour on the way fails the run.
#include <QComboBox>
#include <QTableWidget>
#include <cmath>
#include <limits>
#include <random>

#include "FileError.h"
#include "MainWindowFixture.h"
#include "PlayerFiles.h"

namespace tavolin::testing {
namespace {

constexpr int kFiles = 2000;
// Bytes of a record that hold nothing and must come back as they were.
constexpr int kPaddingOffsets[] = {21, 22, 23, 33, 34, 35, 36, 37, 38, 39};

class DamagedFiles {
public:
    explicit DamagedFiles(unsigned seed) : random_(seed) {}

    QByteArray next() {
        switch (pick(0, 3)) {
            case 0:
                return randomBytes(pick(0, 3 * 10 * kRecordBytes));
            case 1:
                return blankPlayerFile().left(pick(0, 10 * kRecordBytes - 1));
            case 2:
                return damagedRecords().append(randomBytes(pick(1, 100)));
            default:
                return damagedRecords();
        }
    }

private:
    int pick(int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(random_);
    }

    QByteArray randomBytes(int size) {
        QByteArray bytes(size, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(pick(0, 255));
        }
        return bytes;
    }

    double strangeDouble() {
        static constexpr double kValues[] = {std::numeric_limits<double>::quiet_NaN(),
                                             std::numeric_limits<double>::infinity(),
                                             -std::numeric_limits<double>::infinity(),
                                             1e308,
                                             -1e308,
                                             4.9e-324,
                                             -0.0,
                                             0.25,
                                             2147483648.0,
                                             999.5,
                                             1500,
                                             1};
        if (pick(0, 1) == 0) {
            return kValues[pick(0, std::size(kValues) - 1)];
        }
        std::uint64_t bits = 0;
        for (int k = 0; k < 8; ++k) {
            bits = (bits << 8) | static_cast<std::uint64_t>(pick(0, 255));
        }
        double value;
        std::memcpy(&value, &bits, 8);
        return value;
    }

    std::int32_t strangeInt() {
        static constexpr std::int32_t kValues[] = {0,
                                                   1,
                                                   2,
                                                   3,
                                                   4,
                                                   5,
                                                   -1,
                                                   49,
                                                   50,
                                                   51,
                                                   499,
                                                   500,
                                                   1000,
                                                   3000,
                                                   10,
                                                   15,
                                                   25,
                                                   std::numeric_limits<std::int32_t>::max(),
                                                   std::numeric_limits<std::int32_t>::min()};
        if (pick(0, 1) == 0) {
            return kValues[pick(0, std::size(kValues) - 1)];
        }
        return static_cast<std::int32_t>(std::uniform_int_distribution<std::uint32_t>()(random_));
    }

    QByteArray damagedRecords() {
        QByteArray bytes = blankPlayerFile();
        for (int player = 1; player <= 10; ++player) {
            const qsizetype at = recordOffset(player);
            for (int k = 0; k < 21; ++k) {
                bytes[at + k] = static_cast<char>(pick(0, 255));
            }
            for (int offset : kPaddingOffsets) {
                bytes[at + offset] = static_cast<char>(pick(0, 255));
            }
            putInt32(bytes, at + 24, strangeInt());
            putInt32(bytes, at + 28, strangeInt());
            bytes[at + 32] = static_cast<char>(pick(0, 255));
            const int games = pick(0, 50);
            for (int slot = 0; slot < games; ++slot) {
                putDouble(bytes, at + 40 + slot * 16, strangeDouble());
                putDouble(bytes, at + 48 + slot * 16, strangeDouble());
            }
            putInt32(bytes, at + 840, pick(0, 3) == 0 ? strangeInt() : pick(1, 5));
            putInt32(bytes, at + 844, strangeInt());
        }
        return bytes;
    }

    std::mt19937 random_;
};

class DamagedPlayerFileTest : public MainWindowTest {
protected:
    std::optional<Settings> initialSettings() override {
        Settings settings;
        settings.autoCalculate = true;  // every load also calculates
        return settings;
    }
};

TEST_F(DamagedPlayerFileTest, NothingCrashesAndASaveStaysInItsRecord) {
    DamagedFiles files(20261208);
    std::mt19937 choose(7);
    int loaded = 0;
    int saved = 0;
    for (int k = 0; k < kFiles; ++k) {
        const QByteArray original = files.next();
        writeFile(playerFile, original);
        const int player = static_cast<int>(choose() % 10) + 1;
        ui.playerGrid->blockSignals(true);
        ui.playerGrid->setCurrentCell(player - 1, 0);
        ui.playerGrid->blockSignals(false);
        Settings settings = mainWindow->settings();
        settings.interpolation = (k % 3 == 0);
        settings.roundToTens = (k % 5 == 0);
        mainWindow->setSettings(settings);

        try {
            mainWindow->loadPlayer();
        } catch (const FileError&) {
            ASSERT_LT(original.size(), 10 * kRecordBytes) << "file " << k;
            continue;
        }
        ++loaded;
        ASSERT_EQ(mainWindow->session().current(), player);
        ASSERT_GE(mainWindow->session().games().count, 0);
        ASSERT_LE(mainWindow->session().games().count, 50);
        ASSERT_LE(ui.playerGrid->item(player - 1, 0)->text().size(), 20);

        const QByteArray before = readFile(playerFile);
        mainWindow->savePlayer();
        ++saved;
        const QByteArray after = readFile(playerFile);
        ASSERT_EQ(after.size(), before.size()) << "file " << k;
        const qsizetype record = recordOffset(player);
        ASSERT_EQ(after.left(record), before.left(record)) << "file " << k;
        ASSERT_EQ(after.mid(record + kRecordBytes), before.mid(record + kRecordBytes))
            << "file " << k;
        for (int offset : kPaddingOffsets) {
            ASSERT_EQ(after[record + offset], before[record + offset])
                << "file " << k << " padding " << offset;
        }
        mainWindow->calculate();
    }
    // The mix reaches both branches often.
    EXPECT_GT(loaded, kFiles / 3);
    EXPECT_EQ(saved, loaded);
}

}  // namespace
}  // namespace tavolin::testing
