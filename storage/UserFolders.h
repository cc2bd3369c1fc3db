// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavolin {

// Where the program keeps its files for a user, after the XDG base directory rules.

// The variables those rules read; an empty one is unset.
struct UserEnvironment {
    QString home;           // HOME
    QString xdgDataHome;    // XDG_DATA_HOME
    QString xdgConfigHome;  // XDG_CONFIG_HOME

    static UserEnvironment current();
};

// The players' folder of a program started from the desktop's menu:
// $XDG_DATA_HOME/tavolin, or ~/.local/share/tavolin when that is unset or not absolute.
QString userDataFolder(const UserEnvironment& environment);

// $XDG_CONFIG_HOME/tavolin, or ~/.config/tavolin when that is unset or not absolute.
QString userConfigFolder(const UserEnvironment& environment);

// The settings file: beside the program when its folder already holds one or can take one
// (a copy built or unpacked by the user), else in the user's configuration folder; always
// there for a program in a system folder (/usr, /usr/local, /opt), whoever runs it.
struct ProgramFolder {
    QString path;
    bool holdsSettings = false;
    bool writable = false;

    static ProgramFolder ofThisProgram();
};
QString settingsPath(const ProgramFolder& program, const UserEnvironment& environment);

// The background picture an installed program copies into a new players' folder.
QString installedPicturePath();

// Makes `folder` ready to be the players' folder: created when missing, with a blank player
// file and a copy of `picture` (when that exists); an existing player file or picture is the
// user's and is never replaced. Returns whether the folder holds a player file.
bool prepareUserDataFolder(const QString& folder, const QString& picture);

// Ten records, all zero but the rating system 1 (ELO) and the FIDE coefficient 25.
QByteArray blankPlayerFileContents();

}  // namespace tavolin
