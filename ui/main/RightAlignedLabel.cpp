// SPDX-License-Identifier: GPL-3.0-or-later
#include "RightAlignedLabel.h"

namespace tavolin {

RightAlignedLabel::RightAlignedLabel(const QString& text, int right, int top, QWidget* parent)
    : QLabel(parent), right_(right) {
    setAlignment(Qt::AlignRight | Qt::AlignTop);
    move(right, top);
    setCaption(text);
}

void RightAlignedLabel::setCaption(const QString& text) {
    setText(text);
    adjustSize();
    move(right_ - width(), y());
}

}  // namespace tavolin
