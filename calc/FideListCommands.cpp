// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <memory>
#include <string>

#include "DownloadProgressText.h"
#include "FideListDownload.h"

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

int downloadFideListCommand(const CalcOptions& options, std::ostream& out, std::ostream& err) {
    // Qt Network's replies arrive through an event loop, which needs an application.
    std::unique_ptr<QCoreApplication> application;
    static int argumentCount = 1;
    static char programName[] = "tavolin-calc";
    static char* arguments[] = {programName, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        application = std::make_unique<QCoreApplication>(argumentCount, arguments);
    }
    try {
        const QString listPath = databasePath(options);
        const std::optional<FideListSummary> inUse = FideListDatabase(listPath).summary();
        const QFileInfo list(listPath);
        QDir().mkpath(list.absolutePath());
        const QString zip =
            list.absoluteDir().filePath(QStringLiteral("liste-fide-telechargee.zip"));
        const QUrl address(options.fideListAddress
                               ? QString::fromStdString(*options.fideListAddress)
                               : kFideListAddress);
        FideListDownload download(address, inUse ? inUse->lastModified : QString(), zip);
        FideListDownloadResult result;
        QEventLoop loop;
        QObject::connect(
            &download, &FideListDownload::progressed, [&err](qint64 received, qint64 total) {
                err << '\r' << receivedText(received, total).toStdString() << std::flush;
            });
        QObject::connect(&download, &FideListDownload::finished,
                         [&](const FideListDownloadResult& ended) {
                             result = ended;
                             loop.quit();
                         });
        download.start();
        loop.exec();
        err << '\n';
        switch (result.outcome) {
            case FideListDownloadResult::Outcome::alreadyLatest:
                out << messages::kFideListAlreadyLatest << '\n';
                return kExitDone;
            case FideListDownloadResult::Outcome::downloaded:
                break;
            default:
                err << result.message.toStdString() << '\n';
                return kExitRefused;
        }
        std::optional<FideListSummary> summary;
        try {
            summary = importFideList(listPath, result.file, {}, {}, result.lastModified);
        } catch (...) {
            QFile::remove(result.file);
            throw;
        }
        QFile::remove(result.file);
        if (!summary) {
            return kExitRefused;
        }
        out << summary->playerCount << '\t' << summary->month.toStdString() << '\n';
        return kExitDone;
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return kExitRefused;
    }
}

}  // namespace tavolin
