// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>

namespace tavolin {

// Small helpers for windows laid out control by control, as all of Tavolin's are.
//
// A window's controls are listed once, as X(Kind, name) entries of a macro. A struct that
// says TAVOLIN_CONTROLS(LIST) gets a member `Kind* name` for each and forEach(visit), which
// calls visit(control, "name") for each in the list's order: the window names its controls
// so after creating them (nameControls), and tests find them by those names.
#define TAVOLIN_DECLARE_CONTROL(Kind, name) Kind* name = nullptr;
#define TAVOLIN_VISIT_CONTROL(Kind, name) visit(name, #name);
#define TAVOLIN_CONTROLS(LIST)      \
    LIST(TAVOLIN_DECLARE_CONTROL)   \
    template <typename Visit>       \
    void forEach(Visit&& visit) {   \
        LIST(TAVOLIN_VISIT_CONTROL) \
    }

// Gives every control of `controls` its name in the list as its object name. A control of
// the list that setupUi never created stops the program there, named.
template <typename Controls>
void nameControls(Controls& controls) {
    controls.forEach([](QWidget* control, const char* name) {
        if (control == nullptr) {
            qFatal("The control %s was never created", name);
        }
        control->setObjectName(QString::fromLatin1(name));
    });
}

// A label that fits its text, with its top left corner at (left, top).
inline QLabel* placedLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->adjustSize();
    label->move(left, top);
    return label;
}

// A button at `geometry` that Enter presses only when it has the focus.
inline QPushButton* placedButton(QWidget* parent, const QString& text, QRect geometry) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

inline void setBold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

}  // namespace tavolin
