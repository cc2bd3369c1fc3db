// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace tavolin {

class FideListConnection;

// The file name of FIDE's rating list, in the user's data folder, shared by all his players'
// folders.
inline const QString kFideListFileName = QStringLiteral("liste-fide.sqlite");

// One player of FIDE's rating list. A rating of 0 is unrated in that list.
struct FideListPlayer {
    quint32 id = 0;
    QString name;         // "Carlsen, Magnus"; some players have one name only
    QString federation;   // "NOR"
    QString sex;          // "M" or "F"
    QString title;        // GM, IM, FM, CM, WGM, ...
    QString womanTitle;   // WGM, WIM, ...
    QString otherTitles;  // "IA,FA", as the list writes them
    QString onlineTitle;  // FIDE Online Arena's title
    int standardRating = 0;
    int standardGames = 0;
    int standardK = 0;
    int rapidRating = 0;
    int rapidGames = 0;
    int rapidK = 0;
    int blitzRating = 0;
    int blitzGames = 0;
    int blitzK = 0;
    int birthYear = 0;  // 0 when unknown
    QString flag;       // "", "i" inactive, "w" woman, "wi" both

    bool inactive() const { return flag.contains(QLatin1Char('i')); }
    // The title shown beside the name: the open title, else the woman's one.
    QString shownTitle() const { return title.isEmpty() ? womanTitle : title; }
    bool operator==(const FideListPlayer&) const = default;
};

// What the database holds, as the Options window and the main window tell it.
struct FideListSummary {
    QString month;            // the list's month, "2026-10"
    qint64 playerCount = 0;   // players imported
    QString path;             // the database file
    QString lastModified;     // the server's Last-Modified of the download, raw; empty if none
    qint64 damagedLines = 0;  // lines of the list left out: no FIDE ID, or a number that is none
};

// Where the list lives by default: liste-fide.sqlite in $XDG_DATA_HOME/tavolin/.
QString defaultFideListPath();

// FIDE's rating list in an SQLite file with a full-text index on the names. Reading never
// creates the file. Failures raise FileError with the error box's text (a busy, damaged or
// foreign file, a file of a later version), the file left as it was.
class FideListDatabase {
public:
    explicit FideListDatabase(QString path);
    ~FideListDatabase();
    FideListDatabase(const FideListDatabase&) = delete;
    FideListDatabase& operator=(const FideListDatabase&) = delete;

    const QString& path() const { return path_; }

    // None when no list was imported (no file, or an empty one).
    std::optional<FideListSummary> summary();
    // The player of that FIDE ID; none when the list has no such player or no list.
    std::optional<FideListPlayer> player(quint32 id);
    // A number of five digits or more is a FIDE ID; words find the players whose names hold
    // them as word beginnings, in any order, accents and case ignored. Active players first,
    // then by standard rating, highest first, then by FIDE ID; at most `limit`.
    std::vector<FideListPlayer> find(const QString& text, int limit = 20);
    // Takes the list out (the file is deleted); nothing happens without one.
    void remove();

private:
    // The connection for reading, opened again when the file was replaced or deleted since;
    // none when there is no list to read.
    const FideListConnection* readingConnection();

    QString path_;
    std::unique_ptr<FideListConnection> connection_;
    std::optional<std::pair<quint64, quint64>> openedFile_;  // device and inode
};

// What an import reports as it goes: bytes of the list read, and its whole size (0 when
// unknown). It returns false to stop the import, which then leaves the old list whole.
using FideListProgress = std::function<bool(qint64 bytesRead, qint64 totalBytes)>;

// Imports FIDE's list from its zip (read as a stream, never unpacked to disk) or its text
// file into the database at `databasePath`, replacing the list there in one transaction.
// `month` ("2026-10") names the list's month; empty, the month is the date of the zip's
// member or of the file. `lastModified` is kept for asking the server later. Bad input
// raises FileError with a French text, the old list kept whole; a stopped import returns
// none, the old list kept whole too.
std::optional<FideListSummary> importFideList(const QString& databasePath, const QString& listFile,
                                              const QString& month = {},
                                              const FideListProgress& progress = {},
                                              const QString& lastModified = {});

}  // namespace tavolin
