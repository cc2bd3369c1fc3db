// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorBoundary.h"

#include <QString>
#include <exception>

#include "MessageBoxes.h"

namespace tavolin {

void runHandler(MessageBoxes& boxes, QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        boxes.error(parent, QString::fromUtf8(error.what()));
    } catch (...) {
        // Nothing may unwind into Qt's event loop, whatever was thrown.
        boxes.error(parent, kUnexpectedErrorText);
    }
}

}  // namespace tavolin
