#include "Startup.h"

#include <QApplication>
#include <QDir>

#include "DataFileCheck.h"
#include "MessageBoxes.h"
#include "Messages.h"
#include "ProgramIcon.h"
#include "SessionEnd.h"
#include "TForm1.h"
#include "TerminationSignals.h"
#include "Utf8.h"

namespace tavolin {

std::unique_ptr<TForm1> startTavolin(MessageBoxes& boxes) {
    if (!prepareDataFile(kPlayerFileName)) {
        // The folder it was looked in tells a user started from a menu where he is.
        boxes.warning(nullptr, fromUtf8(messages::kPlayerFileMissing) + QLatin1Char('\n') +
                                   fromUtf8(messages::kLookedInFolder).arg(QDir::currentPath()));
        return nullptr;
    }
    return std::make_unique<TForm1>(boxes);
}

int runTavolin(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setWindowIcon(programIcon());

    DialogMessageBoxes boxes;
    const std::unique_ptr<TForm1> mainWindow = startTavolin(boxes);
    if (!mainWindow) {
        return 1;
    }
    TerminationSignals terminationSignals;
    endOnTermination(*mainWindow, terminationSignals,
                     [](int status) { QApplication::exit(status); });
    saveOnSessionEnd(*mainWindow);
    mainWindow->show();
    return QApplication::exec();
}

}  // namespace tavolin
