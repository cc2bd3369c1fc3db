// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace tavolin {

// The program's icon, in the sizes a desktop asks for; every window shows it.
QIcon programIcon();

// Makes it the icon of every window that has none of its own, unless it already is. The main
// window asks for it once it is painted: the seven sizes a window icon sends the X server
// take longer to decode than the window to appear.
void giveWindowsTheProgramIcon();

}  // namespace tavolin
