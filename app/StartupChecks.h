// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

namespace tavolin {

class MessageBoxes;

// What start-up tells once, before the main window opens, rather than at every action.

// A damaged player file: which players, and where a copy of the file as it was is kept (made
// now, before anything is written over it). A file too short is completed with blank
// players once the copy is made.
void tellDamagedPlayerFile(MessageBoxes& boxes, const QString& path, const QDateTime& now);

// A settings file that exists but cannot be read: the switches are the defaults.
void tellUnreadableSettings(MessageBoxes& boxes, const QString& path);

}  // namespace tavolin
