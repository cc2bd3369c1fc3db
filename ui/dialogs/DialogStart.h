// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

#include "DesktopHabits.h"

namespace tavolin {

// What sets one of the program's windows apart from the others before its controls.
struct DialogLook {
    QString objectName;  // as tests and the window list find it
    QString title;
    QSize size;
    bool fixedSize = false;
};

// The program's icon, the interface font, the look's name, title and size; a window that can
// be resized opens no larger than the screen's room for it.
void applyDialogLook(QDialog& dialog, const DialogLook& look);

// `wanted` made small enough to fit `available` (the screen without its panels) with the
// window manager's frame and title bar around it.
QSize sizeOnScreen(const QSize& wanted, const QSize& available);

// Every window of the program starts so: its look, its controls made by
// `controls.setupUi(&dialog, setupArguments...)`, and Enter pressing a focused button.
template <typename Controls, typename... SetupArguments>
void startDialog(QDialog& dialog, const DialogLook& look, Controls& controls,
                 const SetupArguments&... setupArguments) {
    applyDialogLook(dialog, look);
    controls.setupUi(&dialog, setupArguments...);
    pressButtonsWithEnter(&dialog);
}

}  // namespace tavolin
