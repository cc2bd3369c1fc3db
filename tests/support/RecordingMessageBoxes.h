#pragma once

#include <QString>
#include <QStringList>

#include "MessageBoxes.h"
#include "QtPrinters.h"

namespace tavolin::testing {

// Records the boxes the program would show instead of showing them.
class RecordingMessageBoxes : public MessageBoxes {
public:
    void warning(QWidget*, const QString& text) override { warnings.append(text); }
    void error(QWidget*, const QString& text) override { errors.append(text); }

    QStringList warnings;
    QStringList errors;
};

}  // namespace tavolin::testing
