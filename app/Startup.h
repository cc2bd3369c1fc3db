#pragma once

#include <memory>

namespace tavolin {

class MessageBoxes;
class TForm1;

// The start of the program, before the event loop: the player file "tavo.lin" is checked
// in the current directory (a read-only mark is cleared), then the main window is created.
// Returns no window when the file is missing, after saying so.
std::unique_ptr<TForm1> startTavolin(MessageBoxes& boxes);

// The whole program: start-up, then the event loop until the main window closes.
int runTavolin(int argc, char* argv[]);

}  // namespace tavolin
