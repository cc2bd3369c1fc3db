// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace tavolin {

class MainWindow;
class TerminationSignals;

// What ends the program from outside: SIGTERM, SIGHUP or SIGINT, and the desktop session
// ending (log out, shut down). Whatever is on screen is saved first, without any box, as
// nobody may be there to close it; `end` then ends the program with status 0, or 1 after
// telling on standard error that the player could not be saved.
void endOnTermination(MainWindow& window, TerminationSignals& termination,
                      std::function<void(int status)> end);

// The desktop session's request to save before it ends: the player on screen is saved.
void saveOnSessionEnd(MainWindow& window);

}  // namespace tavolin
