#pragma once

#include <QLabel>
#include <QString>

namespace tavolin {

// Small helpers for windows laid out control by control, as all of Tavolin's are.

// Gives a control the name it bears in the program, so that tests can find it.
template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A label that fits its text, with its top left corner at (left, top).
inline QLabel* placedLabel(QWidget* parent, const char* name, const QString& text, int left,
                           int top) {
    auto* label = named(new QLabel(text, parent), name);
    label->adjustSize();
    label->move(left, top);
    return label;
}

inline void setBold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

}  // namespace tavolin
