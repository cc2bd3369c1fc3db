#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "ClickableLabel.h"
#include "RightAlignedLabel.h"
#include "TForm1Controls.h"

namespace tavolin::testing {

// The main window's controls, found by their object names as any outside code would.
inline TForm1Controls controlsOf(const QWidget& window) {
    TForm1Controls found;
#define TAVOLIN_FIND_CONTROL(Kind, name) \
    found.name = window.findChild<Kind*>(QStringLiteral(#name));
    TAVOLIN_MAIN_WINDOW_CONTROLS(TAVOLIN_FIND_CONTROL)
#undef TAVOLIN_FIND_CONTROL
    return found;
}

}  // namespace tavolin::testing
