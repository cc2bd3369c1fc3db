// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

namespace tavolin {

// A panel in the dialog's colour framed by two bevels: a lowered one outside, a raised one
// just inside it.
class BevelPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavolin
