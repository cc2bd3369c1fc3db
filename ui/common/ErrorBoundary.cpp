// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorBoundary.h"

#include <QString>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include "MessageBoxes.h"

namespace tavolin {

void runHandler(MessageBoxes& boxes, QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        boxes.error(parent, errorText(error));
    } catch (...) {
        // Nothing may unwind into Qt's event loop, whatever was thrown.
        boxes.error(parent, kUnexpectedErrorText);
    }
}

QString errorText(const std::exception& error) {
    if (dynamic_cast<const std::logic_error*>(&error) == nullptr) {
        return QString::fromUtf8(error.what());
    }
    std::fprintf(stderr, "tavolin: erreur interne : %s\n", error.what());
    return fromUtf8(messages::kInternalError).arg(QString::fromUtf8(error.what()));
}

}  // namespace tavolin
