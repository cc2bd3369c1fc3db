// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tavolin {

// The command line of `tavolin`, Qt's own options (-platform, -session, ...) taken out.
struct ProgramOptions {
    bool help = false;
    bool version = false;
    // Work in the user's own players' folder, as the desktop's menu starts the program.
    bool userData = false;
    // A PGN file to import, as the desktop opens one with the program.
    QString pgnFile;
    // The first argument that is none of the above; empty when all are known.
    QString unknown;
};

// Reads the arguments that follow the program's name.
ProgramOptions readProgramOptions(const QStringList& arguments);

extern const char* const kProgramUsage;

}  // namespace tavolin
