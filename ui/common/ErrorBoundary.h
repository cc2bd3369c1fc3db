#pragma once

#include <functional>

class QWidget;

namespace tavolin {

class MessageBoxes;

// Runs one event handler. An error it raises (a file that cannot be read or written) ends
// the handler there and is shown in the application's error box; the program goes on.
void runHandler(MessageBoxes& boxes, QWidget* parent, const std::function<void()>& handler);

}  // namespace tavolin
