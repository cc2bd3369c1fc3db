// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

namespace tavolin {

// The controls of the Options window: a box and its caption for each switch, "Sauver" and
// "Annuler".
#define TAVOLIN_OPTIONS_DIALOG_CONTROLS(X) \
    X(QCheckBox, clearEntryFieldsBox)      \
    X(QLabel, clearEntryFieldsCaption)     \
    X(QCheckBox, interpolationBox)         \
    X(QLabel, interpolationCaption)        \
    X(QCheckBox, roundToTensBox)           \
    X(QLabel, roundToTensCaption)          \
    X(QCheckBox, showHelpBox)              \
    X(QLabel, showHelpCaption)             \
    X(QCheckBox, autoCalculateBox)         \
    X(QLabel, autoCalculateCaption)        \
    X(QPushButton, saveButton)             \
    X(QPushButton, cancelButton)

struct OptionsDialogControls {
    TAVOLIN_CONTROLS(TAVOLIN_OPTIONS_DIALOG_CONTROLS)

    // The controls with their places, tab order and captions that act on their boxes.
    void setupUi(QWidget* dialog);
};

}  // namespace tavolin
