// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;
class QLabel;
class QWidget;

namespace tavolin {

// What desktop users' hands expect of a window laid out control by control.

// Return or Enter on a focused push button of `window` presses it, as Space does. Call it
// once the window's buttons exist.
void pressButtonsWithEnter(QWidget* window);

// A click on `caption` acts on `control`, as a click on a check box's or radio button's own
// text would.
void makeCaptionOf(QLabel* caption, QAbstractButton* control);

}  // namespace tavolin
