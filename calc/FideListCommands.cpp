// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListCommands.h"

#include <string>

#include "FideList.h"
#include "FileError.h"
#include "FilledMessage.h"
#include "UserMessages.h"

namespace tavolin {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kFoundLines = 20;

QString databasePath(const CalcOptions& options) {
    return options.fideDatabase ? QString::fromStdString(*options.fideDatabase)
                                : defaultFideListPath();
}

// Scripts read an unrated player's empty field more surely than a 0 that looks like a rating.
std::string numberOrEmpty(int number) {
    return number == 0 ? std::string() : std::to_string(number);
}

}  // namespace

int findInFideList(const CalcOptions& options, std::ostream& out, std::ostream& err) {
    try {
        FideListDatabase database(databasePath(options));
        std::string lines;
        for (const FideListPlayer& player :
             database.find(QString::fromStdString(*options.fideFind), kFoundLines)) {
            lines += std::to_string(player.id) + '\t' + player.name.toStdString() + '\t' +
                     player.federation.toStdString() + '\t' + player.shownTitle().toStdString() +
                     '\t' + numberOrEmpty(player.standardRating) + '\t' +
                     numberOrEmpty(player.standardK) + '\t' + numberOrEmpty(player.rapidRating) +
                     '\t' + numberOrEmpty(player.blitzRating) + '\t' +
                     numberOrEmpty(player.birthYear) + '\t' + player.flag.toStdString() + '\n';
        }
        out << lines;
        return kExitDone;
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return kExitRefused;
    }
}

int importFideListFile(const CalcOptions& options, std::ostream& out, std::ostream& err) {
    try {
        const auto summary =
            importFideList(databasePath(options), QString::fromStdString(*options.fideListImport),
                           QString::fromStdString(options.month.value_or(std::string())));
        if (!summary) {
            return kExitRefused;  // nothing stops an import here
        }
        out << summary->playerCount << '\t' << summary->month.toStdString() << '\n';
        if (summary->damagedLines == 1) {
            err << messages::kFideListDamagedLinesOne << '\n';
        } else if (summary->damagedLines > 1) {
            err << filledMessage(messages::kFideListDamagedLinesMany,
                                 std::to_string(summary->damagedLines))
                << '\n';
        }
        return kExitDone;
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return kExitRefused;
    }
}

}  // namespace tavolin
