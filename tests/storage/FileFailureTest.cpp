// SPDX-License-Identifier: GPL-3.0-or-later
// The error box's texts for files that cannot be read or written: French, full paths.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "FileError.h"
#include "PlayerFile.h"
#include "PlayerFiles.h"
#include "ProfileFile.h"
#include "QtPrinters.h"

namespace tavolin::testing {
namespace {

QString errorOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const FileError& error) {
        return QString::fromUtf8(error.what());
    }
    return QStringLiteral("no error");
}

class FileFailureTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString at(const char* name) const { return QDir(folder.path()).absoluteFilePath(name); }

    QTemporaryDir folder;
};

TEST_F(FileFailureTest, SaysWhatFailedAndWhereInFrench) {
    writeFile(at("short.lin"), QByteArray(5000, '\0'));
    writeFile(at("plain"), "not a folder");
    QDir(folder.path()).mkdir("folder.lin");
    // Relative paths are named in full.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const QString tooShort = errorOf([] { PlayerFile("short.lin").readAll(); });
    QDir::setCurrent(previous);

    EXPECT_EQ(tooShort, QString("Le fichier %1 est trop court : 5000 octets au lieu de 8480.")
                            .arg(at("short.lin")));
    struct Case {
        std::function<void()> operation;
        QString expected;
    };
    const Case cases[] = {
        {[&] { PlayerFile(at("missing.lin")).readAll(); },
         "Impossible de lire " + at("missing.lin") + " : fichier introuvable."},
        {[&] { PlayerFile(at("folder.lin")).readAll(); },
         "Impossible de lire " + at("folder.lin") + " : c'est un dossier."},
        {[&] { PlayerFile(at("short.lin")).writeRecord(11, {}); },
         "Le fichier " + at("short.lin") + " n'a pas d'enregistrement 11."},
        {[&] { ProfileFile(at("plain/tavolin.ini")).writeValue("programme", "aide", "1"); },
         "Impossible d'écrire dans " + at("plain/tavolin.ini") + " : dossier introuvable."},
        {[&] { ProfileFile(at("folder.lin")).writeValue("programme", "aide", "1"); },
         "Impossible de lire " + at("folder.lin") + " : c'est un dossier."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorOf(c.operation), c.expected);
    }
}

TEST_F(FileFailureTest, AFileWithoutRightsIsRefusedAccess) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads and writes through permissions";
    }
    writeFile(at("tavo.lin"), blankPlayerFile());
    QFile::setPermissions(at("tavo.lin"), QFileDevice::ReadOwner);
    EXPECT_EQ(errorOf([&] { PlayerFile(at("tavo.lin")).writeRecord(1, {}); }),
              "Impossible d'écrire dans " + at("tavo.lin") + " : accès refusé.");
    QFile::setPermissions(at("tavo.lin"), QFileDevice::WriteOwner);
    EXPECT_EQ(errorOf([&] { PlayerFile(at("tavo.lin")).readAll(); }),
              "Impossible de lire " + at("tavo.lin") + " : accès refusé.");
}

}  // namespace
}  // namespace tavolin::testing
