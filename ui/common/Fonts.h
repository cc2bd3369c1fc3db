// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace tavolin {

// The fonts the windows were drawn for, with the closest fonts a Linux desktop has when
// those are missing. Sizes are in pixels so that the layout holds at any screen resolution.

// The windows' font: MS Sans Serif, 8 points (11 pixels).
QFont interfaceFont();

// The main window's title: Harrington, 27 pixels high.
QFont titleFont();

// The product name in the About box: Comic Sans MS, bold, 19 pixels high.
QFont productNameFont();

}  // namespace tavolin
