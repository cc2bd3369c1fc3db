// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace tavolin {

// The controls of the detail window: the games, the sentence of how the figure was reached,
// and "OK".
#define TAVOLIN_CALCULATION_DETAIL_CONTROLS(X) \
    X(QTableWidget, gameTable)                 \
    X(QLabel, explanationLabel)                \
    X(QPushButton, okButton)

struct CalculationDetailWindowControls {
    TAVOLIN_CONTROLS(TAVOLIN_CALCULATION_DETAIL_CONTROLS)

    void setupUi(QWidget* window);
};

}  // namespace tavolin
