// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tavolin {

// A label that answers a click, as the main window's title does.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    // Screen readers know it as a button that can be pressed.
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tavolin
