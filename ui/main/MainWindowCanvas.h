// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

namespace tavolin {

// The main window's surface, 640 by 480: its controls stand on it and the window paints the
// picture on it. It scrolls within the window when the screen has no room for all of it.
class MainWindowCanvas : public QWidget {
public:
    using Painting = std::function<void(QPaintEvent*)>;
    MainWindowCanvas(QSize size, Painting paint) : paint_(std::move(paint)) {
        setObjectName(QStringLiteral("mainWindowCanvas"));
        setFixedSize(size);
    }

protected:
    void paintEvent(QPaintEvent* event) override { paint_(event); }

private:
    Painting paint_;
};

}  // namespace tavolin
