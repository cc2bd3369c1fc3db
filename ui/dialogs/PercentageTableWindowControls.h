// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace tavolin {

// The controls of the percentage table window: a heading over each of the five pairs of
// columns, the grid and "OK".
#define TAVOLIN_PERCENTAGE_TABLE_CONTROLS(X) \
    X(QLabel, firstHeading)                  \
    X(QLabel, secondHeading)                 \
    X(QLabel, thirdHeading)                  \
    X(QLabel, fourthHeading)                 \
    X(QLabel, fifthHeading)                  \
    X(QTableWidget, tableGrid)               \
    X(QPushButton, okButton)

struct PercentageTableWindowControls {
    TAVOLIN_CONTROLS(TAVOLIN_PERCENTAGE_TABLE_CONTROLS)

    void setupUi(QWidget* window);
};

}  // namespace tavolin
