// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "FileError.h"
#include "PlayerFiles.h"
#include "QtPrinters.h"
#include "SettingsFile.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<int> value;
};

void PrintTo(const IntegerCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ProfileIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ProfileIntegerTest, ReadsDecimalAndHexadecimal) {
    EXPECT_EQ(parseProfileInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileIntegerTest,
    ::testing::Values(IntegerCase{"5", 5}, IntegerCase{"0x0", 0}, IntegerCase{"abc", std::nullopt},
                      IntegerCase{"-1", -1}, IntegerCase{"$10", 16}, IntegerCase{"0X1f", 31},
                      IntegerCase{" 7 ", 7}, IntegerCase{"+3", 3}, IntegerCase{"0", 0},
                      IntegerCase{"", std::nullopt}, IntegerCase{"1.5", std::nullopt},
                      IntegerCase{"5abc", std::nullopt}, IntegerCase{"0x", std::nullopt},
                      IntegerCase{"$", std::nullopt}, IntegerCase{"-$10", -16},
                      IntegerCase{"0xG", std::nullopt}, IntegerCase{"- 1", std::nullopt},
                      IntegerCase{"99999999999", std::nullopt},
                      IntegerCase{"2147483647", 2147483647}));

class ProfileFileTest : public FileInTemporaryFolder {
protected:
    ProfileFileTest() : FileInTemporaryFolder("tavolin.ini") {}
};

TEST_F(ProfileFileTest, AMissingFileReadsAsEmpty) {
    const ProfileFile file(path);
    EXPECT_EQ(file.readInteger("programme", "aide", 7), 7);
    EXPECT_EQ(file.readValue("programme", "aide"), std::nullopt);
}

TEST_F(ProfileFileTest, NamesCompareWithoutRegardToCase) {
    writeFile(path, "[Other]\naide=9\n[PROGRAMME]\n  Aide = 5 \n");
    const ProfileFile file(path);
    EXPECT_EQ(file.readInteger("programme", "aide", 0), 5);
    EXPECT_EQ(file.readInteger("other", "AIDE", 0), 9);
    EXPECT_EQ(file.readInteger("programme", "arrondi", -4), -4);
    EXPECT_EQ(file.readInteger("missing", "aide", -4), -4);
}

TEST_F(ProfileFileTest, EmptyAndWrongValuesReadAsTheDefault) {
    writeFile(path, "[programme]\naide=\narrondi=oui\neffacement\n");
    const ProfileFile file(path);
    EXPECT_EQ(file.readInteger("programme", "aide", 3), 3);
    EXPECT_EQ(file.readInteger("programme", "arrondi", 3), 3);
    EXPECT_EQ(file.readInteger("programme", "effacement", 3), 3);
}

TEST_F(ProfileFileTest, WritingChangesOnlyTheOneValue) {
    const QByteArray original =
        "; written by hand\r\n"
        "[Fenetre]\r\n"
        "aide=0\r\n"
        "\r\n"
        "[Programme]\r\n"
        "; the five switches\r\n"
        "AIDE = 0\r\n"
        "couleur=rouge\r\n"
        "\r\n"
        "[fin]\r\n"
        "x=1";
    writeFile(path, original);
    ProfileFile(path).writeValue("programme", "aide", "1");
    QByteArray expected = original;
    expected.replace("AIDE = 0", "AIDE =1");
    EXPECT_EQ(readFile(path), expected);
}

TEST_F(ProfileFileTest, ANewKeyGoesAtTheEndOfItsSection) {
    writeFile(path, "[programme]\naide=1\n\n[autre]\nk=v\n");
    ProfileFile(path).writeValue("programme", "arrondi", "0");
    EXPECT_EQ(readFile(path), "[programme]\naide=1\narrondi=0\n\n[autre]\nk=v\n");
}

TEST_F(ProfileFileTest, ANewSectionGoesAtTheEndOfTheFile) {
    writeFile(path, "[autre]\r\nk=v");
    ProfileFile(path).writeValue("programme", "aide", "1");
    EXPECT_EQ(readFile(path), "[autre]\r\nk=v\r\n[programme]\r\naide=1\r\n");
}

TEST_F(ProfileFileTest, ASettingsFileWrittenFromScratch) {
    Settings settings;
    settings.showHelp = true;
    settings.clearEntryFields = true;
    writeSettings(path, settings);
    EXPECT_EQ(readFile(path),
              "[programme]\naide=1\nautocalcul=0\narrondi=0\neffacement=1\ninterpolation=0\n");
    const Settings read = readSettings(path);
    EXPECT_TRUE(read.showHelp);
    EXPECT_TRUE(read.clearEntryFields);
    EXPECT_FALSE(read.autoCalculate || read.roundToTens || read.interpolation);

    settings.showHelp = false;
    settings.interpolation = true;
    writeSettings(path, settings);
    EXPECT_EQ(readFile(path),
              "[programme]\naide=0\nautocalcul=0\narrondi=0\neffacement=1\ninterpolation=1\n");
}

TEST_F(ProfileFileTest, AByteOrderMarkIsReadOverAndKept) {
    writeFile(path, "\xEF\xBB\xBF[programme]\naide=1\n");
    EXPECT_EQ(ProfileFile(path).readInteger("programme", "aide", 0), 1);
    ProfileFile(path).writeValue("programme", "arrondi", "1");
    EXPECT_EQ(readFile(path), "\xEF\xBB\xBF[programme]\naide=1\narrondi=1\n");
}

// Written back from a failed read, the file would lose every line but the new one.
TEST_F(ProfileFileTest, AFileThatCannotBeReadIsNeverRewritten) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads through permissions";
    }
    const QByteArray original = "; mine\n[autre]\nk=v\n[programme]\naide=0\n";
    writeFile(path, original);
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    EXPECT_EQ(ProfileFile(path).readInteger("programme", "aide", 7), 7);
    try {
        ProfileFile(path).writeValue("programme", "aide", "1");
        ADD_FAILURE() << "the write went through";
    } catch (const FileError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()),
                  QString("Impossible de lire %1 : accès refusé.").arg(path));
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readFile(path), original);
}

TEST_F(ProfileFileTest, SavingStopsAtTheKeyThatFails) {
    QStringList written;
    Settings settings;
    settings.roundToTens = true;
    auto writeKey = [&](const QString& key, const QByteArray& value) {
        if (key == "arrondi") {
            throw FileError("Impossible d'écrire dans tavolin.ini.");
        }
        written.append(key + "=" + value);
    };
    EXPECT_THROW(writeSettings(settings, writeKey), FileError);
    EXPECT_EQ(written, (QStringList{"aide=0", "autocalcul=0"}));
}

TEST_F(ProfileFileTest, SwitchesAreOnForAnyNumberButZero) {
    struct Case {
        const char* value;
        bool on;
    };
    for (const Case& c : {Case{"5", true}, Case{"0x0", false}, Case{"abc", false}, Case{"-1", true},
                          Case{"$10", true}, Case{"", false}}) {
        writeFile(path, QByteArray("[programme]\naide=") + c.value + "\n");
        EXPECT_EQ(readSettings(path).showHelp, c.on) << c.value;
    }
    EXPECT_FALSE(readSettings(folder.filePath("none.ini")).autoCalculate);
}

}  // namespace
}  // namespace tavolin::testing
