// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <memory>

#include "FileHandOff.h"
#include "ProgramOptions.h"

namespace tavolin {

class MessageBoxes;
class MainWindow;

// The program once started: its main window, and the lock that keeps a second copy out of
// the same players' folder for as long as it runs.
struct StartedProgram {
    std::unique_ptr<QLockFile> lock;
    std::unique_ptr<MainWindow> window;
    // Takes the PGN files that later starts on the same folder hand over.
    std::unique_ptr<FileHandOffServer> handOff;
    // The PGN file went to the program already running on the folder: nothing to start.
    bool handedOver = false;
};

// The start of the program, before the event loop. With --user-data the user's own players'
// folder is made ready and becomes the current folder. The player file "tavo.lin" is checked
// there (a read-only mark is cleared), the folder is locked, then the main window is created.
// Returns no window, after saying why, when the file is missing or another copy of the
// program works in the folder; when that copy takes the PGN file of `options`, returns no
// window and handedOver, without a word.
StartedProgram startTavolin(MessageBoxes& boxes, const ProgramOptions& options = {});

// The whole program: the command line, start-up, then the event loop until the main window
// closes.
int runTavolin(int argc, char* argv[]);

}  // namespace tavolin
