// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QWidget;

namespace tavolin {

// The controls of the import dialog, from top to bottom.
#define TAVOLIN_PGN_IMPORT_CONTROLS(X) \
    X(QLabel, fileLabel)               \
    X(QLabel, playerCaption)           \
    X(QComboBox, playerBox)            \
    X(QTableWidget, gameTable)         \
    X(QLabel, skippedLabel)            \
    X(QProgressBar, progressBar)       \
    X(QPushButton, stopButton)         \
    X(QPushButton, readAgainButton)    \
    X(QDialogButtonBox, buttons)       \
    X(QPushButton, importButton)       \
    X(QPushButton, cancelButton)

struct PgnImportDialogControls {
    TAVOLIN_CONTROLS(TAVOLIN_PGN_IMPORT_CONTROLS)

    void setupUi(QWidget* dialog, const QString& fileName);
};

}  // namespace tavolin
