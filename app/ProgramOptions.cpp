// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramOptions.h"

namespace tavolin {

const char* const kProgramUsage =
    "Usage: tavolin [--user-data] [FILE.pgn]\n"
    "Keeps the games of a chess player's rating period and works out his new rating.\n"
    "\n"
    "Without an option the players are kept in the file tavo.lin of the current folder,\n"
    "which must hold one. With a PGN file, its games are offered for import; when the\n"
    "program already runs on the same players, the file goes to it.\n"
    "\n"
    "      --user-data  keep the players in the user's own folder, $XDG_DATA_HOME/tavolin\n"
    "                   (by default ~/.local/share/tavolin), made with a blank player file\n"
    "                   on the first start; the desktop's menu starts the program so\n"
    "  -h, --help       show this help and exit\n"
    "      --version    show the program's version and exit\n";

ProgramOptions readProgramOptions(const QStringList& arguments) {
    ProgramOptions options;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--version")) {
            options.version = true;
        } else if (argument == QLatin1String("--user-data")) {
            options.userData = true;
        } else if (!argument.startsWith(QLatin1Char('-')) && options.pgnFile.isEmpty()) {
            options.pgnFile = argument;
        } else if (options.unknown.isEmpty()) {
            options.unknown = argument;
        }
    }
    return options;
}

}  // namespace tavolin
