// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace tavolin {

// The program's icon, in the sizes a desktop asks for; every window shows it.
QIcon programIcon();

}  // namespace tavolin
