// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>
#include <functional>

#include "UserMessages.h"
#include "Utf8.h"

class QWidget;

namespace tavolin {

class MessageBoxes;

// Shown for an error that carries no text of its own.
inline const QString kUnexpectedErrorText = fromUtf8(messages::kUnexpectedError);

// Runs one event handler. An error it raises (a file that cannot be read or written) ends
// the handler there and is shown in the application's error box; the program goes on.
// Anything thrown is caught here.
void runHandler(MessageBoxes& boxes, QWidget* parent, const std::function<void()>& handler);

// The error box's text for what was thrown: its own text for a failure the program
// foresees (a file, the history), "Erreur interne du programme : …" for a programming
// error (std::logic_error, an index out of range), whose detail also goes to standard
// error for whoever mends it.
QString errorText(const std::exception& error);

}  // namespace tavolin
