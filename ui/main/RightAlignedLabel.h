// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tavolin {

// A caption that fits its text and keeps its right edge where it was placed, so that a
// longer caption grows to the left, away from the figure beside it.
class RightAlignedLabel : public QLabel {
public:
    RightAlignedLabel(const QString& text, int right, int top, QWidget* parent);

    void setCaption(const QString& text);

private:
    int right_;
};

}  // namespace tavolin
