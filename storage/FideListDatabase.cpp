// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include "FideList.h"
#include "FideListConnection.h"
#include "FideListRows.h"
#include "FideListSchema.h"
#include "FideListSearch.h"
#include "FileError.h"
#include "FileFailure.h"
#include "HistorySql.h"
#include "SqliteStatement.h"
#include "UserFolders.h"

namespace tavolin {

namespace {

std::optional<std::pair<quint64, quint64>> identityOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return std::pair<quint64, quint64>(status.st_dev, status.st_ino);
}

// Active players first, then by standard rating, highest first; the name and the ID keep
// the order of equals the same from one search to the next.
const QString kSearchOrder =
    QStringLiteral(" ORDER BY instr(flag, 'i') > 0, standard_rating DESC, name, id LIMIT ?");

}  // namespace

QString defaultFideListPath() {
    return userDataFolder(UserEnvironment::current()) + QLatin1Char('/') + kFideListFileName;
}

FideListDatabase::FideListDatabase(QString path) : path_(std::move(path)) {}

FideListDatabase::~FideListDatabase() = default;

const FideListConnection* FideListDatabase::readingConnection() {
    const auto identity = identityOf(path_);
    if (!identity) {
        connection_.reset();
        return nullptr;
    }
    if (connection_ && identity == openedFile_) {
        return connection_.get();
    }
    connection_.reset();
    try {
        auto connection =
            std::make_unique<FideListConnection>(path_, FideListConnection::Access::reading);
        if (checkedFideListVersion(connection->database(), path_) == 0) {
            return nullptr;  // nothing imported yet: checked again next time
        }
        connection_ = std::move(connection);
        openedFile_ = identity;
    } catch (const SqlFailure& failure) {
        throw FileError(fideListFailureText(path_, failure.error));
    }
    return connection_.get();
}

std::optional<FideListSummary> FideListDatabase::summary() {
    const FideListConnection* connection = readingConnection();
    if (connection == nullptr) {
        return std::nullopt;
    }
    try {
        SqliteStatement row(connection->database(),
                            QStringLiteral("SELECT month, player_count, last_modified,"
                                           " damaged_lines FROM meta"));
        if (!row.next()) {
            return std::nullopt;
        }
        FideListSummary summary;
        summary.month = row.text(0);
        summary.playerCount = row.integer(1);
        summary.lastModified = row.text(2);
        summary.damagedLines = row.integer(3);
        summary.path = path_;
        return summary;
    } catch (const SqlFailure& failure) {
        throw FileError(fideListFailureText(path_, failure.error));
    }
}

std::optional<FideListPlayer> FideListDatabase::player(quint32 id) {
    const FideListConnection* connection = readingConnection();
    if (connection == nullptr) {
        return std::nullopt;
    }
    try {
        SqliteStatement row(
            connection->database(),
            QStringLiteral("SELECT %1 FROM player WHERE id = ?").arg(kFideListPlayerColumns));
        row.bind(1, id);
        if (!row.next()) {
            return std::nullopt;
        }
        return playerOfRow(row, path_);
    } catch (const SqlFailure& failure) {
        throw FileError(fideListFailureText(path_, failure.error));
    }
}

std::vector<FideListPlayer> FideListDatabase::find(const QString& text, int limit) {
    if (limit <= 0) {
        return {};
    }
    if (const auto id = fideIdOfSearch(text)) {
        std::vector<FideListPlayer> found;
        if (auto one = player(*id)) {
            found.push_back(std::move(*one));
        }
        return found;
    }
    const QString query = fideListMatchQuery(text);
    if (query.isEmpty()) {
        return {};
    }
    const FideListConnection* connection = readingConnection();
    if (connection == nullptr) {
        return {};
    }
    try {
        // The index's rows are in the order of the list: its first rows found are the ones.
        SqliteStatement rows(
            connection->database(),
            QStringLiteral("SELECT %1 FROM (SELECT rowid AS place FROM player_name WHERE"
                           " player_name MATCH ? ORDER BY rowid LIMIT ?) AS found JOIN player"
                           " ON player.id = found.place & %2 ORDER BY found.place")
                .arg(kFideListPlayerColumns)
                .arg(kFideIdOfOrderKey));
        rows.bindText(1, query);
        rows.bind(2, limit);
        std::vector<FideListPlayer> found;
        while (rows.next()) {
            found.push_back(playerOfRow(rows, path_));
        }
        return found;
    } catch (const SqlFailure& failure) {
        // A word the index would cut in two (a letter its Unicode tables do not know) makes a
        // phrase, which it cannot match: no name has it. A busy or damaged file is told.
        if ((failure.error.nativeErrorCode().toInt() & 0xff) == SQLITE_ERROR) {
            return {};
        }
        throw FileError(fideListFailureText(path_, failure.error));
    }
}

void FideListDatabase::remove() {
    connection_.reset();
    openedFile_.reset();
    for (const QString& file : {path_, path_ + QStringLiteral("-journal")}) {
        if (QFileInfo::exists(file) && !QFile::remove(file)) {
            throw FileError(cannotWriteText(file));
        }
    }
}

}  // namespace tavolin
