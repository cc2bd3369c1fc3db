#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tavolin {

class MessageBoxes;

// Shown for an error that carries no text of its own.
inline const QString kUnexpectedErrorText =
    QStringLiteral("Une erreur inattendue a interrompu l'opération.");

// Runs one event handler. An error it raises (a file that cannot be read or written) ends
// the handler there and is shown in the application's error box; the program goes on.
// Anything thrown is caught here.
void runHandler(MessageBoxes& boxes, QWidget* parent, const std::function<void()>& handler);

}  // namespace tavolin
