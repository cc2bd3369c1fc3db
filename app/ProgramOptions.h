// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "ShownText.h"

namespace tavolin {

// The command line of `tavolin`, Qt's own options (-platform, -session, ...) taken out.
struct ProgramOptions {
    bool help = false;
    bool version = false;
    // Work in the user's own players' folder, as the desktop's menu starts the program.
    bool userData = false;
    // A PGN file to import, as the desktop opens one with the program.
    QString pgnFile;
    // The first option that is none of the above; empty when all are known.
    QString unknown;
    // The first argument that is no option and no PGN file (or a second PGN file).
    QString unknownFile;
};

// Reads the arguments that follow the program's name.
ProgramOptions readProgramOptions(const QStringList& arguments);

// The arguments without Qt's own options (-platform NAME, -style NAME, -reverse, ...), so that
// the program's can be read before Qt looks for a display.
QStringList withoutQtOptions(const QStringList& arguments);

// What is wrong with the command line, for standard error; empty when nothing.
QString commandLineError(const ProgramOptions& options);

// tavolin --help.
extern const ShownText kProgramUsage;

}  // namespace tavolin
