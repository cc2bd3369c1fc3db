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

// The program's icon, the interface font, the look's name, title and size.
void applyDialogLook(QDialog& dialog, const DialogLook& look);

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
