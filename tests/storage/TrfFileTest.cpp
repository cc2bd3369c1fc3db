// SPDX-License-Identifier: GPL-3.0-or-later
// Tournament reports read from disk, and told from PGN files by their first bytes.
#include "TrfFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

namespace tavolin::testing {
namespace {

class TrfFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(TrfFileTest, ReportsAreKnownByTheirBytesNotTheirNames) {
    const QByteArray report = "012 Open\r\n001    1 m    Dupont, Jean\r\n";
    const QByteArray pgn = "[Event \"Open\"]\n[White \"Dupont, Jean\"]\n";
    struct Case {
        QString name;
        QByteArray bytes;
        bool report;
    };
    for (const Case& c : {
             Case{"open.trf", report, true},
             Case{"open.txt", report, true},
             Case{"open.pgn", report, true},
             Case{"OPEN.TRF", report, true},
             Case{"games.pgn", pgn, false},
             Case{"games.trf", pgn, false},  // misnamed: read as what it is
             Case{"notes.txt", "Notes du tournoi\n", false},
             Case{"empty.trf", "", false},
         }) {
        EXPECT_EQ(isTrfFile(write(c.name, c.bytes)), c.report) << c.name.toStdString();
    }
    EXPECT_FALSE(isTrfFile(folder.filePath("missing.trf")));
    EXPECT_FALSE(isTrfFile(folder.path()));
}

TEST_F(TrfFileTest, AReportIsReadWhole) {
    QByteArray report = "012 Open\n";
    for (int k = 0; k < 5000; ++k) {
        report += "001 " + QByteArray::number(k + 1).rightJustified(4) + "\n";
    }
    QByteArray bytes = "left over";
    EXPECT_EQ(readTrfFile(write("big.trf", report), bytes), "");
    EXPECT_EQ(bytes, report);
}

TEST_F(TrfFileTest, WhatCannotBeReadIsTold) {
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath("pipe.trf")).constData(), 0600), 0);
    struct Case {
        QString path;
        QString says;
    };
    for (const Case& c : {
             Case{folder.filePath("missing.trf"), "fichier introuvable"},
             Case{folder.path(), "c'est un dossier"},
             Case{folder.filePath("pipe.trf"), "ce n'est pas un fichier ordinaire"},
             Case{"/dev/zero", "/dev/zero : ce n'est pas un fichier ordinaire"},
         }) {
        QByteArray bytes = "left over";
        const QString said = readTrfFile(c.path, bytes);
        EXPECT_TRUE(said.contains(c.says)) << said.toStdString();
        EXPECT_TRUE(bytes.isEmpty());
    }
}

}  // namespace
}  // namespace tavolin::testing
