// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#include "DataFileCheck.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "PgnReading.h"
#include "SessionEnd.h"
#include "SettingsFile.h"
#include "ShownLanguage.h"
#include "StartupChecks.h"
#include "TerminationSignals.h"
#include "UserFolders.h"
#include "UserMessages.h"
#include "Utf8.h"
#include "Version.h"

namespace tavolin {

namespace {

const QString kLockFileName = QStringLiteral(".tavolin.lock");
// How long the end of the program waits for PGN readings to stop.
constexpr int kReadingsEndMilliseconds = 2000;

// One program a players' folder: two windows saving the same players would overwrite each
// other's games. A lock left by a program that died is taken over (its process is gone).
std::unique_ptr<QLockFile> lockPlayersFolder() {
    auto lock = std::make_unique<QLockFile>(QDir::current().filePath(kLockFileName));
    lock->setStaleLockTime(0);  // stale only when its process is gone, however old
    if (!lock->tryLock(0)) {
        return nullptr;
    }
    return lock;
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int k = 1; k < argc; ++k) {
        arguments.append(QString::fromLocal8Bit(argv[k]));
    }
    return arguments;
}

}  // namespace

StartedProgram startTavolin(MessageBoxes& boxes, const ProgramOptions& options) {
    if (options.userData) {
        const QString folder = userDataFolder(UserEnvironment::current());
        prepareUserDataFolder(folder, installedPicturePath());
        QDir::setCurrent(folder);
    }
    if (!prepareDataFile(kPlayerFileName)) {
        // The folder it was looked in tells a user started from a menu where he is.
        boxes.warning(nullptr, fromUtf8(messages::kPlayerFileMissing) + QLatin1Char('\n') +
                                   fromUtf8(messages::kLookedInFolder).arg(QDir::currentPath()));
        return {};
    }
    StartedProgram started;
    started.lock = lockPlayersFolder();
    if (!started.lock) {
        if (!options.pgnFile.isEmpty() &&
            handFilesToRunningProgram(QDir::currentPath(), {options.pgnFile})) {
            started.handedOver = true;
            return started;
        }
        boxes.warning(nullptr, fromUtf8(messages::kAlreadyOpen).arg(QDir::currentPath()));
        return {};
    }
    // Told once here, with the folder locked, rather than at every action.
    tellDamagedPlayerFile(boxes, kPlayerFileName, QDateTime::currentDateTime());
    tellUnreadableSettings(boxes, settingsPathOfThisProgram());
    started.window = std::make_unique<MainWindow>(boxes);
    MainWindow* window = started.window.get();
    started.handOff = std::make_unique<FileHandOffServer>(
        QDir::currentPath(), [window](const QString& file) { window->openPgnFile(file); });
    if (!options.pgnFile.isEmpty()) {
        window->openPgnFile(options.pgnFile);
    }
    return started;
}

int runTavolin(int argc, char* argv[]) {
    // The program's own options are read before Qt looks for a display.
    const ProgramOptions early = readProgramOptions(withoutQtOptions(argumentsOf(argc, argv)));
    LanguageInstallation language(desktopLanguage());
    if (early.help) {
        std::fputs(kProgramUsage.data(), stdout);
        return 0;
    }
    if (early.version) {
        std::printf("tavolin %.*s\n", static_cast<int>(kVersion.size()), kVersion.data());
        return 0;
    }
    if (const QString error = commandLineError(early); !error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(error));
        return 2;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setApplicationVersion(fromUtf8(kVersion));
    QApplication::setDesktopFileName(QStringLiteral(TAVOLIN_APP_ID));
    language.installInApplication();

    // Qt has taken its own options (-platform, -session, ...) out by now.
    ProgramOptions options = readProgramOptions(QCoreApplication::arguments().mid(1));
    if (!options.pgnFile.isEmpty()) {  // named from where the program was started
        options.pgnFile = QFileInfo(options.pgnFile).absoluteFilePath();
    }

    DialogMessageBoxes boxes;
    const StartedProgram started = startTavolin(boxes, options);
    if (!started.window) {
        return started.handedOver ? 0 : 1;
    }
    MainWindow& mainWindow = *started.window;
    TerminationSignals terminationSignals;
    endOnTermination(mainWindow, terminationSignals,
                     [](int status) { QApplication::exit(status); });
    saveOnSessionEnd(mainWindow);
    mainWindow.show();
    const int status = QApplication::exec();
    // A PGN file still being read is left behind, not Qt's objects its thread reports to.
    if (!PgnReading::stopAll(kReadingsEndMilliseconds)) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

}  // namespace tavolin
