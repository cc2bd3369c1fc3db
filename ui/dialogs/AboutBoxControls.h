// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

class QLabel;
class QPushButton;
class QWidget;

namespace tavolin {

class BevelPanel;

// The controls of the About box: the framed panel with the icon, name and version, and "OK".
#define TAVOLIN_ABOUT_BOX_CONTROLS(X) \
    X(BevelPanel, panel)              \
    X(QLabel, iconLabel)              \
    X(QLabel, productNameLabel)       \
    X(QLabel, versionLabel)           \
    X(QPushButton, okButton)

struct AboutBoxControls {
    TAVOLIN_CONTROLS(TAVOLIN_ABOUT_BOX_CONTROLS)

    void setupUi(QWidget* box);
};

}  // namespace tavolin
