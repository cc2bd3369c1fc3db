// SPDX-License-Identifier: GPL-3.0-or-later
// Importing FIDE's list: from its zip or its text, the list in use replaced in one
// transaction, or kept whole when the new one is refused or the import stopped.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "FideList.h"
#include "FideListFiles.h"
#include "FideListLines.h"
#include "FileError.h"
#include "OtherConnection.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

std::string listText(const std::vector<std::string>& lines) {
    std::string text(kCombinedHeader);
    text += "\r\n";
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

const std::string kOldList = listText({std::string(kCarlsenLine), std::string(kCruzArceLine)});
const std::string kNewList =
    listText({combinedLine("12345678", "Ababil", "AFG", "M", "", "", "1500  0   40", "2001", "")});

class FideListImportTest : public FileInTemporaryFolder {
protected:
    FideListImportTest() : FileInTemporaryFolder("liste-fide.sqlite") {}

    QString file(const char* name) const { return folder.filePath(name); }

    // The old list, in place, and everything it reads back.
    void importOldList() {
        writeZip(file("old.zip"), {{"players_list_foa.txt", kOldList}});
        const auto summary = importFideList(path, file("old.zip"), "2026-09");
        ASSERT_TRUE(summary);
        EXPECT_EQ(summary->playerCount, 2);
    }
    void expectOldListWhole() {
        FideListDatabase database(path);
        const auto summary = database.summary();
        ASSERT_TRUE(summary);
        EXPECT_EQ(summary->month, "2026-09");
        EXPECT_EQ(summary->playerCount, 2);
        ASSERT_TRUE(database.player(1503014));
        EXPECT_EQ(database.player(1503014)->standardRating, 2823);
        EXPECT_TRUE(database.player(3101959));
        EXPECT_FALSE(database.player(12345678));
        EXPECT_EQ(database.find("carlsen").size(), 1u);
    }
    // The error box's text of importing `listFile`.
    std::string failureOf(const QString& listFile) {
        try {
            importFideList(path, listFile);
        } catch (const FileError& error) {
            return error.what();
        }
        return "(importé)";
    }
};

TEST_F(FideListImportTest, AZipComesBackWholeWithItsMonthAndServerDate) {
    writeZip(file("players_list.zip"), {{"players_list_foa.txt", kOldList}});
    const auto summary = importFideList(path, file("players_list.zip"), "2026-10", {},
                                        "Thu, 01 Oct 2026 08:00:00 GMT");
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->month, "2026-10");
    EXPECT_EQ(summary->playerCount, 2);
    EXPECT_EQ(summary->damagedLines, 0);
    EXPECT_EQ(summary->path, path);

    FideListDatabase database(path);
    const auto stored = database.summary();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->month, "2026-10");
    EXPECT_EQ(stored->playerCount, 2);
    EXPECT_EQ(stored->lastModified, "Thu, 01 Oct 2026 08:00:00 GMT");
    EXPECT_EQ(stored->path, path);

    FideListPlayer carlsen;
    carlsen.id = 1503014;
    carlsen.name = "Carlsen, Magnus";
    carlsen.federation = "NOR";
    carlsen.sex = "M";
    carlsen.title = "GM";
    carlsen.standardRating = 2823;
    carlsen.standardK = 10;
    carlsen.rapidRating = 2801;
    carlsen.rapidGames = 12;
    carlsen.rapidK = 10;
    carlsen.blitzRating = 2860;
    carlsen.blitzK = 10;
    carlsen.birthYear = 1990;
    carlsen.flag = "";
    EXPECT_EQ(database.player(1503014), carlsen);
    const auto cruzArce = database.player(3101959);
    ASSERT_TRUE(cruzArce);
    EXPECT_EQ(cruzArce->otherTitles, "SI,FI,LSI,SLI,NA");
    EXPECT_EQ(cruzArce->onlineTitle, "AFM");
    EXPECT_EQ(cruzArce->blitzRating, 1927);
}

TEST_F(FideListImportTest, TheMonthIsTheMembersDateTheFilesDateOrTheHeadersMonth) {
    const QDateTime memberDate(QDate(2026, 8, 15), QTime(12, 0));
    writeZip(file("list.zip"), {{"players_list_foa.txt", kOldList, memberDate.toSecsSinceEpoch()}});
    EXPECT_EQ(importFideList(path, file("list.zip"))->month, "2026-08");

    writeFile(file("players_list_foa.txt"), QByteArray::fromStdString(kOldList));
    QFile text(file("players_list_foa.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadWrite));
    ASSERT_TRUE(text.setFileTime(QDateTime(QDate(2025, 12, 31), QTime(23, 0)),
                                 QFileDevice::FileModificationTime));
    text.close();
    EXPECT_EQ(importFideList(path, file("players_list_foa.txt"))->month, "2025-12");

    const std::string single =
        "ID Number      Name                                                         Fed Sex Tit  "
        "WTit OTit           FOA NOV26 Gms K  B-day Flag\r\n" +
        std::string(kCarlsenLine.substr(0, 113)) + "2801  12  10 1990  \r\n";
    writeZip(file("rapid_rating_list.zip"), {{"rapid_rating_list.txt", single}});
    const auto summary = importFideList(path, file("rapid_rating_list.zip"));
    EXPECT_EQ(summary->month, "2026-11");
    EXPECT_EQ(FideListDatabase(path).player(1503014)->rapidRating, 2801);
    EXPECT_EQ(FideListDatabase(path).player(1503014)->standardRating, 0);
    // The user's month goes before any.
    EXPECT_EQ(importFideList(path, file("rapid_rating_list.zip"), "2027-01")->month, "2027-01");
}

TEST_F(FideListImportTest, TheListIsTheTxtMemberThatStartsWithTheHeader) {
    writeZip(file("list.zip"), {{"LISEZMOI.txt", "Bonjour\r\n"},
                                {"players_list_foa.csv", kNewList},
                                {"players_list_foa.txt", kOldList}});
    const auto summary = importFideList(path, file("list.zip"), "2026-09");
    ASSERT_TRUE(summary);
    expectOldListWhole();
}

TEST_F(FideListImportTest, ANewListReplacesTheOldOneWhole) {
    importOldList();
    writeFile(file("new.txt"), QByteArray::fromStdString(kNewList));
    const auto summary = importFideList(path, file("new.txt"), "2026-10");
    ASSERT_TRUE(summary);
    FideListDatabase database(path);
    EXPECT_EQ(database.summary()->playerCount, 1);
    EXPECT_EQ(database.summary()->month, "2026-10");
    EXPECT_FALSE(database.player(1503014));
    EXPECT_TRUE(database.find("carlsen").empty());  // the names' index follows the players
    EXPECT_EQ(database.find("ababil").size(), 1u);
}

TEST_F(FideListImportTest, DamagedAndRepeatedLinesAreLeftOutAndCounted) {
    const std::string text = listText({std::string(kCarlsenLine), "x" + std::string(161, ' '),
                                       std::string(kCarlsenLine), std::string(kCruzArceLine)});
    writeFile(file("list.txt"), QByteArray::fromStdString(text));
    const auto summary = importFideList(path, file("list.txt"), "2026-10");
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->playerCount, 2);
    EXPECT_EQ(summary->damagedLines, 2);
    EXPECT_EQ(FideListDatabase(path).summary()->damagedLines, 2);
}

TEST_F(FideListImportTest, AFileThatIsNoListIsRefusedAndTheOldListKeptWhole) {
    importOldList();
    const QByteArray contents = contentsOf(path);
    const std::string full = QFileInfo(folder.path()).canonicalFilePath().toStdString() + "/";

    writeFile(file("image.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    writeFile(file("fake.zip"), "ID Number      Name\r\n");
    writeFile(file("list.txt"), "ID Name Fed\r\n1503014 Carlsen\r\n");
    writeFile(file("empty.txt"), "");
    writeFile(file("header-only.txt"), QByteArray(kCombinedHeader.data()) + "\r\n");
    writeZip(file("no-list.zip"), {{"LISEZMOI.txt", "Bonjour\r\n"}, {"list.csv", kNewList}});
    writeZip(file("empty.zip"), {});
    std::string longLine = listText({std::string(kCarlsenLine)}) + std::string(10u << 20, '7');
    writeZip(file("long-line.zip"), {{"players_list_foa.txt", longLine + "\r\n"}});
    writeFile(file("long-line.txt"), QByteArray::fromStdString(longLine));
    // A zip cut in the middle of its list.
    std::string big;
    for (int i = 0; i < 20000; ++i) {
        big += combinedLine(std::to_string(1000000 + i), "Joueur " + std::to_string(i * 7919),
                            "FRA", "M", "", "", std::to_string(1400 + i % 1000), "1990", "") +
               "\r\n";
    }
    writeZip(file("whole.zip"), {{"players_list_foa.txt", listText({}) + big}});
    const QByteArray whole = contentsOf(file("whole.zip"));
    writeFile(file("cut.zip"), whole.left(whole.size() / 2));

    const struct {
        const char* file;
        std::string message;
    } rows[] = {
        {"image.png", "Le fichier " + full +
                          "image.png n'est ni un fichier zip ni une liste FIDE en texte : la "
                          "liste en place n'a pas changé."},
        {"fake.zip", "Le fichier " + full +
                         "fake.zip n'est ni un fichier zip ni une liste FIDE en texte : la liste "
                         "en place n'a pas changé."},
        {"list.txt", "Le fichier " + full +
                         "list.txt ne commence pas par l'en-tête de la liste FIDE (« ID Number "
                         "Name… ») : la liste en place n'a pas changé."},
        {"empty.txt", "Le fichier " + full +
                          "empty.txt ne commence pas par l'en-tête de la liste FIDE (« ID Number "
                          "Name… ») : la liste en place n'a pas changé."},
        {"header-only.txt", "Le fichier " + full +
                                "header-only.txt ne contient aucun joueur : la liste en place "
                                "n'a pas changé."},
        {"no-list.zip", "Le zip " + full +
                            "no-list.zip ne contient aucune liste FIDE (un fichier .txt qui "
                            "commence par l'en-tête « ID Number Name… ») : la liste en place n'a "
                            "pas changé."},
        {"empty.zip", "Le zip " + full +
                          "empty.zip ne contient aucune liste FIDE (un fichier .txt qui commence "
                          "par l'en-tête « ID Number Name… ») : la liste en place n'a pas "
                          "changé."},
        {"long-line.zip", "La ligne 3 du fichier " + full +
                              "long-line.zip est bien trop longue pour une liste FIDE : le "
                              "fichier est abîmé et la liste en place n'a pas changé."},
        {"long-line.txt", "La ligne 3 du fichier " + full +
                              "long-line.txt est bien trop longue pour une liste FIDE : le "
                              "fichier est abîmé et la liste en place n'a pas changé."},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(failureOf(file(row.file)), row.message) << row.file;
        EXPECT_EQ(contentsOf(path), contents) << row.file;
    }
    const std::string cut = failureOf(file("cut.zip"));
    EXPECT_TRUE(cut.starts_with("Le zip " + full + "cut.zip est abîmé ou incomplet (")) << cut;
    EXPECT_TRUE(cut.ends_with(") : la liste en place n'a pas changé.")) << cut;
    EXPECT_EQ(contentsOf(path), contents);
    EXPECT_EQ(failureOf(file("absent.zip")),
              "Impossible de lire " + full + "absent.zip : fichier introuvable.");
    expectOldListWhole();
    EXPECT_FALSE(QFile::exists(path + "-journal"));
    // The whole zip is a list: only its end was missing.
    EXPECT_EQ(importFideList(path, file("whole.zip"), "2026-10")->playerCount, 20000);
}

TEST_F(FideListImportTest, AFailedFirstImportLeavesNoFile) {
    writeZip(file("no-list.zip"), {{"LISEZMOI.txt", "Bonjour\r\n"}});
    EXPECT_THROW(importFideList(path, file("no-list.zip")), FileError);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(FideListImportTest, AStoppedImportKeepsTheOldListWhole) {
    importOldList();
    const QByteArray contents = contentsOf(path);
    std::string big;
    for (int i = 0; i < 50000; ++i) {
        big += combinedLine(std::to_string(2000000 + i), "Nouveau " + std::to_string(i), "FRA", "M",
                            "", "", "1500", "2000", "") +
               "\r\n";
    }
    writeZip(file("new.zip"), {{"players_list_foa.txt", listText({}) + big}});
    // Stopped at the first report, the third, when the whole zip was read, or once more
    // after that, while the index of the names is made.
    for (const int stopAfter : {1, 3, 0, -1}) {
        int calls = 0;
        int whole = 0;
        qint64 lastTotal = -1;
        const auto summary =
            importFideList(path, file("new.zip"), "2026-10", [&](qint64 read, qint64 total) {
                EXPECT_LE(read, total);
                lastTotal = total;
                whole += read == total;
                return stopAfter > 0 ? ++calls < stopAfter : whole <= -stopAfter;
            });
        EXPECT_FALSE(summary) << stopAfter;
        if (stopAfter == -1) {
            EXPECT_EQ(whole, 2);  // asked again while the index was made, not only at its end
        }
        EXPECT_EQ(lastTotal, QFileInfo(file("new.zip")).size());
        EXPECT_EQ(contentsOf(path), contents) << stopAfter;
        expectOldListWhole();
    }
}

TEST_F(FideListImportTest, AStoppedFirstImportLeavesNoFile) {
    writeZip(file("list.zip"), {{"players_list_foa.txt", kOldList}});
    EXPECT_FALSE(importFideList(path, file("list.zip"), {}, [](qint64, qint64) { return false; }));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(FideListImportTest, AMonthIsYearAndMonth) {
    writeZip(file("list.zip"), {{"players_list_foa.txt", kOldList}});
    for (const char* month : {"2026-13", "2026-00", "2026-1", "26-10", "2026/10", "octobre"}) {
        try {
            importFideList(path, file("list.zip"), month);
            ADD_FAILURE() << month;
        } catch (const FileError& error) {
            EXPECT_EQ(error.what(), "Le mois de la liste s'écrit AAAA-MM (2026-10), pas « " +
                                        std::string(month) + " ».");
        }
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(FideListImportTest, ABusyListIsToldAndKeptWhole) {
    importOldList();
    writeFile(file("new.txt"), QByteArray::fromStdString(kNewList));
    {
        OtherConnection other(path);
        other.run("BEGIN EXCLUSIVE");
        const std::string full = QFileInfo(path).canonicalFilePath().toStdString();
        EXPECT_EQ(failureOf(file("new.txt")),
                  "La liste FIDE " + full +
                      " est occupée par un autre programme : réessayez quand il l'aura libérée.");
        other.run("ROLLBACK");
    }
    expectOldListWhole();
}

}  // namespace
}  // namespace tavolin::testing
