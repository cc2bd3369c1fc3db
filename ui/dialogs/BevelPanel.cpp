// SPDX-License-Identifier: GPL-3.0-or-later
#include "BevelPanel.h"

#include <QPainter>

namespace tavolin {

namespace {

// One pixel wide: `topLeft` on the top and left edges, `bottomRight` on the others.
void drawBevel(QPainter& painter, QRect area, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
}

}  // namespace

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    drawBevel(painter, rect(), shadow, light);                         // lowered, outside
    drawBevel(painter, rect().adjusted(1, 1, -1, -1), light, shadow);  // raised, inside
}

}  // namespace tavolin
