// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE
class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace tavolin {

// The controls of the history window: the curve, a line on the periods, their table and the
// buttons under it.
#define TAVOLIN_HISTORY_WINDOW_CONTROLS(X) \
    X(QChartView, ratingChart)             \
    X(QLabel, summaryLabel)                \
    X(QTableWidget, periodTable)           \
    X(QTableWidget, gameTable)             \
    X(QPushButton, reopenButton)           \
    X(QPushButton, deleteButton)           \
    X(QPushButton, exportButton)           \
    X(QPushButton, closeButton)

struct HistoryWindowControls {
    TAVOLIN_CONTROLS(TAVOLIN_HISTORY_WINDOW_CONTROLS)

    void setupUi(QWidget* window);
};

}  // namespace tavolin
