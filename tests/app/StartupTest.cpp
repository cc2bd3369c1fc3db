// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <future>

#include "MainWindow.h"
#include "ModalHelper.h"
#include "PgnImportDialog.h"
#include "PlayerFiles.h"
#include "RecordingMessageBoxes.h"
#include "StartupChecks.h"
#include "TemporaryFolders.h"
#include "UserFolders.h"

namespace tavolin::testing {
namespace {

// Runs in a folder of its own, as the program does in the user's folder.
class StartupTest : public InTemporaryCurrentFolder {
protected:
    void writePlayerFile() { writeFile(folder.filePath("tavo.lin"), blankPlayerFile()); }

    RecordingMessageBoxes boxes;
};

TEST_F(StartupTest, StopsBeforeAnyWindowWithoutThePlayerFile) {
    EXPECT_EQ(startTavolin(boxes).window, nullptr);
    EXPECT_EQ(boxes.warnings,
              QStringList{"Impossible d'accéder à tavo.lin\nDossier : " + QDir::currentPath()});
}

TEST_F(StartupTest, OpensTheMainWindowWhenThePlayerFileIsThere) {
    writePlayerFile();
    const StartedProgram started = startTavolin(boxes);
    ASSERT_NE(started.window, nullptr);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(started.window->windowTitle(), "Tavolin ");
}

TEST_F(StartupTest, ClearsAReadOnlyMark) {
    writePlayerFile();
    const QString path = folder.filePath("tavo.lin");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    ASSERT_NE(startTavolin(boxes).window, nullptr);
    EXPECT_TRUE(QFile::permissions(path) & QFileDevice::WriteOwner);
}

// Two windows on the same players would overwrite each other's games.
TEST_F(StartupTest, ASecondStartOnTheSameFolderSaysSoAndStops) {
    writePlayerFile();
    const StartedProgram first = startTavolin(boxes);
    ASSERT_NE(first.window, nullptr);
    EXPECT_EQ(startTavolin(boxes).window, nullptr);
    EXPECT_EQ(boxes.warnings,
              QStringList{QString("Tavolin est déjà ouvert dans %1.").arg(QDir::currentPath())});
}

// A PGN file opened from the desktop while the program runs on the same players goes to it:
// the second start ends without a word, and the running one offers the file's games.
TEST_F(StartupTest, ASecondStartHandsItsFileToTheRunningProgram) {
    writePlayerFile();
    const QString pgn = folder.filePath("open.pgn");
    writeFile(pgn, "[White \"A\"][Black \"B\"][BlackElo \"1600\"][Result \"1-0\"]\n1. e4 1-0\n");
    const StartedProgram first = startTavolin(boxes);
    ASSERT_NE(first.window, nullptr);
    QString offered;
    whenModalShown<PgnImportDialog>([&](PgnImportDialog* dialog) {
        offered = dialog->findChild<QLabel*>("fileLabel")->text();
        dialog->reject();
    });
    ProgramOptions withFile;
    withFile.pgnFile = pgn;
    RecordingMessageBoxes secondBoxes;
    // The second start runs beside the first one's event loop, as another process would.
    auto second =
        std::async(std::launch::async, [&] { return startTavolin(secondBoxes, withFile); });
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return second.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
        10000));
    const StartedProgram handedOver = second.get();
    EXPECT_TRUE(handedOver.handedOver);
    EXPECT_EQ(handedOver.window, nullptr);
    EXPECT_TRUE(secondBoxes.warnings.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !offered.isEmpty(); }, 10000));
    EXPECT_EQ(offered, "open.pgn");
    // Without a file, a second start is still refused.
    EXPECT_EQ(startTavolin(boxes).window, nullptr);
    EXPECT_EQ(boxes.warnings.last(),
              QString("Tavolin est déjà ouvert dans %1.").arg(QDir::currentPath()));
}

// Opened with a file before the window was ever active: the games go to player 1, loaded
// first, whose name chooses him in the file, and reach the player file.
TEST_F(StartupTest, AFileOpenedAtStartGoesToTheLoadedPlayer) {
    QByteArray players = blankPlayerFile();
    players[0] = 1;
    players[1] = 'A';
    writeFile(folder.filePath("tavo.lin"), players);
    const QString pgn = folder.filePath("open.pgn");
    writeFile(pgn, "[White \"A\"][Black \"B\"][BlackElo \"1600\"][Result \"1-0\"]\n1. e4 1-0\n");
    whenModalShown<PgnImportDialog>([&](PgnImportDialog* dialog) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->reading(); }, 10000));
        QTest::qWait(20);  // the chosen player's games
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->reading(); }, 10000));
        dialog->accept();
    });
    ProgramOptions withFile;
    withFile.pgnFile = pgn;
    const StartedProgram started = startTavolin(boxes, withFile);
    ASSERT_NE(started.window, nullptr);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return started.window->session().games().count == 1; }, 10000));
    started.window->savePlayer();
    EXPECT_EQ(getDouble(readFile(folder.filePath("tavo.lin")), 40), 1600);
}

// A damaged file is told once, before the window, with where its copy is kept; the players
// then load without a word more.
TEST_F(StartupTest, ADamagedPlayerFileIsToldOnceAndCopied) {
    QByteArray players = blankPlayerFile();
    putInt32(players, 840, 0);
    putInt32(players, 4 * kRecordBytes + 28, 60);
    writeFile(folder.filePath("tavo.lin"), players);
    const StartedProgram started = startTavolin(boxes);
    ASSERT_NE(started.window, nullptr);
    ASSERT_EQ(boxes.warnings.size(), 1);
    const QStringList copies = QDir(folder.path()).entryList({"tavo.lin.abime-*"});
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(readFile(folder.filePath(copies[0])), players);
    EXPECT_EQ(boxes.warnings[0],
              "Le fichier des joueurs " + folder.filePath("tavo.lin") +
                  " est abîmé : les joueurs 1, 5 ne sont pas tels que le programme les "
                  "enregistre et peuvent montrer des données fausses.\nUne copie du fichier tel "
                  "qu'il était est gardée dans " +
                  folder.filePath(copies[0]) + ".");

    // A file cut short: told, copied, completed; then it loads.
    QDir(folder.path()).remove(copies[0]);
    writeFile(folder.filePath("tavo.lin"), blankPlayerFile().left(3 * kRecordBytes));
    boxes.warnings.clear();
    tellDamagedPlayerFile(boxes, "tavo.lin", QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    ASSERT_EQ(boxes.warnings.size(), 1);
    EXPECT_TRUE(boxes.warnings[0].contains("est trop court : 2544 octets au lieu de 8480."));
    EXPECT_EQ(readFile(folder.filePath("tavo.lin.abime-20260102-030405")),
              blankPlayerFile().left(3 * kRecordBytes));
    EXPECT_EQ(readFile(folder.filePath("tavo.lin")), blankPlayerFile());
}

TEST_F(StartupTest, ASettingsFileThatCannotBeReadIsToldOnce) {
    const QString settings = folder.filePath("tavolin.ini");
    tellUnreadableSettings(boxes, settings);  // none: the defaults, nothing to say
    EXPECT_TRUE(boxes.warnings.isEmpty());
    QDir(folder.path()).mkdir("tavolin.ini");
    tellUnreadableSettings(boxes, settings);
    EXPECT_EQ(boxes.warnings,
              QStringList{"Impossible de lire " + settings +
                          " : c'est un dossier. Les options par défaut sont utilisées."});
}

TEST_F(StartupTest, ALockLeftByAProgramThatDiedDoesNotBlock) {
    writePlayerFile();
    const pid_t child = fork();
    if (child == 0) {  // takes the lock and dies holding it
        QLockFile lock(QDir(folder.path()).filePath(".tavolin.lock"));
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(QFile::exists(folder.filePath(".tavolin.lock")));
    EXPECT_NE(startTavolin(boxes).window, nullptr);
    EXPECT_TRUE(boxes.warnings.isEmpty());
}

TEST_F(StartupTest, TheUsersFolderIsMadeOnceAndNeverReplaced) {
    const QString data = folder.filePath("data");
    qputenv("XDG_DATA_HOME", data.toUtf8());
    writeFile(folder.filePath("picture.bmp"), "BM");
    ASSERT_TRUE(prepareUserDataFolder(data + "/tavolin", folder.filePath("picture.bmp")));
    EXPECT_EQ(readFile(data + "/tavolin/tavo.lin"), blankPlayerFile());
    EXPECT_EQ(readFile(data + "/tavolin/tavolin.bmp"), "BM");

    writeFile(data + "/tavolin/tavo.lin", QByteArray(10 * 848, 'x'));
    ProgramOptions fromMenu;
    fromMenu.userData = true;
    const StartedProgram started = startTavolin(boxes, fromMenu);
    ASSERT_NE(started.window, nullptr);
    EXPECT_EQ(QDir::currentPath(), QDir(data + "/tavolin").canonicalPath());
    EXPECT_EQ(readFile(data + "/tavolin/tavo.lin"), QByteArray(10 * 848, 'x'));
    qunsetenv("XDG_DATA_HOME");
}

TEST(ProgramOptionsTest, ReadsTheCommandLine) {
    struct Case {
        QStringList arguments;
        bool help, version, userData;
        const char* pgnFile;
        const char* error;
    };
    for (const Case& c : {
             Case{{}, false, false, false, "", ""},
             Case{{"--user-data"}, false, false, true, "", ""},
             Case{{"-h"}, true, false, false, "", ""},
             Case{{"--version", "--help"}, true, true, false, "", ""},
             Case{{"--user-data", "open.PGN"}, false, false, true, "open.PGN", ""},
             Case{{"--user-data", "--bogus", "x.pgn"},
                  false,
                  false,
                  true,
                  "x.pgn",
                  "tavolin : option inconnue « --bogus » (voir tavolin --help)"},
             Case{{"foo.txt"}, false, false, false, "", "tavolin : fichier inconnu « foo.txt »"},
             Case{{"a.pgn", "b.pgn"},
                  false,
                  false,
                  false,
                  "a.pgn",
                  "tavolin : fichier inconnu « b.pgn »"},
         }) {
        const ProgramOptions options = readProgramOptions(c.arguments);
        const std::string name = c.arguments.join(' ').toStdString();
        EXPECT_EQ(options.help, c.help) << name;
        EXPECT_EQ(options.version, c.version) << name;
        EXPECT_EQ(options.userData, c.userData) << name;
        EXPECT_EQ(options.pgnFile, c.pgnFile) << name;
        EXPECT_EQ(commandLineError(options), c.error) << name;
    }
    // Qt's own options are Qt's, with their values, before any display is looked for.
    EXPECT_EQ(withoutQtOptions({"-platform", "offscreen", "--style=fusion", "-reverse",
                                "--user-data", "-session", "s1", "open.pgn", "--bogus"}),
              (QStringList{"--user-data", "open.pgn", "--bogus"}));
}

// A report is offered by its name ".trf", or as a ".txt" by its first bytes; any other text
// stays an unknown file.
TEST(ProgramOptionsTest, TakesTournamentReports) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QString report = write("open.txt", "012 Open\n001    1 m    Dupont, Jean\n");
    const QString notes = write("notes.txt", "Notes du tournoi\n");
    struct Case {
        QStringList arguments;
        QString file, error;
    };
    for (const Case& c : {
             Case{{"open.TRF"}, "open.TRF", ""},
             Case{{"--user-data", report}, report, ""},
             Case{{notes}, "", QStringLiteral("tavolin : fichier inconnu « %1 »").arg(notes)},
             Case{{"a.trf", "b.pgn"}, "a.trf", "tavolin : fichier inconnu « b.pgn »"},
         }) {
        const ProgramOptions options = readProgramOptions(c.arguments);
        EXPECT_EQ(options.pgnFile, c.file) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(commandLineError(options), c.error) << c.arguments.join(' ').toStdString();
    }
}

TEST(UserFoldersTest, FollowTheXdgRules) {
    struct Case {
        UserEnvironment environment;
        const char* data;
        const char* config;
    };
    for (const Case& c : {
             Case{{"/home/anna", "", ""},
                  "/home/anna/.local/share/tavolin",
                  "/home/anna/.config/tavolin"},
             Case{{"/home/anna", "/srv/data", "/srv/config/"},
                  "/srv/data/tavolin",
                  "/srv/config/tavolin"},
             Case{{"/home/anna", "relative", "also/relative"},
                  "/home/anna/.local/share/tavolin",
                  "/home/anna/.config/tavolin"},
         }) {
        EXPECT_EQ(userDataFolder(c.environment), c.data);
        EXPECT_EQ(userConfigFolder(c.environment), c.config);
    }
}

TEST(UserFoldersTest, SettingsBesideTheProgramWhenItsFolderHoldsOrTakesThem) {
    const UserEnvironment anna{"/home/anna", "", ""};
    struct Case {
        ProgramFolder program;
        const char* settings;
    };
    for (const Case& c : {
             Case{{"/home/anna/tavolin", true, false}, "/home/anna/tavolin/tavolin.ini"},
             Case{{"/home/anna/tavolin", false, true}, "/home/anna/tavolin/tavolin.ini"},
             Case{{"/home/anna/tavolin", false, false}, "/home/anna/.config/tavolin/tavolin.ini"},
             // A system folder, even one that holds settings or that root can write to.
             Case{{"/usr/bin", false, false}, "/home/anna/.config/tavolin/tavolin.ini"},
             Case{{"/usr/local/bin", false, true}, "/home/anna/.config/tavolin/tavolin.ini"},
             Case{{"/opt/tavolin", true, true}, "/home/anna/.config/tavolin/tavolin.ini"},
             Case{{"/optimal/tavolin", false, true}, "/optimal/tavolin/tavolin.ini"},
         }) {
        EXPECT_EQ(settingsPath(c.program, anna), c.settings) << c.program.path.toStdString();
    }
}

}  // namespace
}  // namespace tavolin::testing
