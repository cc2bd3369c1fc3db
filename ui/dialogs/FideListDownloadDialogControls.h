// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace tavolin {

// The controls of the download dialog: what it does, how far, and the way to stop.
#define TAVOLIN_FIDE_LIST_DOWNLOAD_CONTROLS(X) \
    X(QLabel, statusLabel)                     \
    X(QProgressBar, progressBar)               \
    X(QPushButton, stopButton)

struct FideListDownloadDialogControls {
    TAVOLIN_CONTROLS(TAVOLIN_FIDE_LIST_DOWNLOAD_CONTROLS)

    void setupUi(QWidget* dialog);
};

}  // namespace tavolin
