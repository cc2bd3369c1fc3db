// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListSchema.h"

#include <QSqlQuery>
#include <QVariant>
#include <array>

#include "FileError.h"
#include "FileFailure.h"
#include "HistorySchema.h"
#include "HistorySql.h"
#include "ShownText.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

// A step once published never changes: later versions add steps.
const std::array<QStringList, kFideListVersion> kSteps = {
    // 1: a row per player keyed by his FIDE ID; the words of the names in a full-text index
    // whose row of a player is his place in the order searches list them (kFideListOrderKey),
    // with the beginnings of two to four letters indexed apart, so that a search reads the
    // first players found and stops; the index keeps no positions of words, which no search
    // asks for and which would make it a third bigger and slower to make. Last, the list's
    // own facts.
    QStringList{
        QStringLiteral("CREATE TABLE player ("
                       " id INTEGER PRIMARY KEY,"
                       " name TEXT NOT NULL,"
                       " federation TEXT NOT NULL,"
                       " sex TEXT NOT NULL,"
                       " title TEXT NOT NULL,"
                       " woman_title TEXT NOT NULL,"
                       " other_titles TEXT NOT NULL,"
                       " online_title TEXT NOT NULL,"
                       " standard_rating INTEGER NOT NULL,"
                       " standard_games INTEGER NOT NULL,"
                       " standard_k INTEGER NOT NULL,"
                       " rapid_rating INTEGER NOT NULL,"
                       " rapid_games INTEGER NOT NULL,"
                       " rapid_k INTEGER NOT NULL,"
                       " blitz_rating INTEGER NOT NULL,"
                       " blitz_games INTEGER NOT NULL,"
                       " blitz_k INTEGER NOT NULL,"
                       " birth_year INTEGER NOT NULL,"
                       " flag TEXT NOT NULL)"),
        QStringLiteral("CREATE VIRTUAL TABLE player_name USING fts5(name, content = '',"
                       " tokenize = 'unicode61 remove_diacritics 2', prefix = '2 3 4',"
                       " detail = none)"),
        QStringLiteral("CREATE TABLE meta ("
                       " month TEXT NOT NULL,"
                       " player_count INTEGER NOT NULL,"
                       " last_modified TEXT NOT NULL,"
                       " damaged_lines INTEGER NOT NULL)"),
    },
    // 2: the index keeps no sizes of names, which no search asks for and whose table took a
    // quarter of the index's making; its rows come back from the players' table.
    QStringList{
        QStringLiteral("DROP TABLE player_name"),
        QStringLiteral("CREATE VIRTUAL TABLE player_name USING fts5(name, content = '',"
                       " tokenize = 'unicode61 remove_diacritics 2', prefix = '2 3 4',"
                       " detail = none, columnsize = 0)"),
        QStringLiteral("INSERT INTO player_name (rowid, name) SELECT %1, name FROM player"
                       " ORDER BY 1")
            .arg(kFideListOrderKey),
    },
};

int userVersion(const QSqlDatabase& database) {
    QSqlQuery query = executeOrThrow(database, QStringLiteral("PRAGMA user_version"));
    return query.next() ? query.value(0).toInt() : 0;
}

const std::vector<SchemaEntry>& madeSchema(int version) {
    static std::array<std::vector<SchemaEntry>, kFideListVersion> made;
    std::vector<SchemaEntry>& schema = made.at(static_cast<std::size_t>(version - 1));
    if (schema.empty()) {
        schema = schemaMadeBy(std::vector<QStringList>(kSteps.begin(), kSteps.begin() + version));
    }
    return schema;
}

}  // namespace

const QStringList& fideListSchemaStep(int version) {
    return kSteps.at(static_cast<std::size_t>(version - 1));
}

int checkedFideListVersion(const QSqlDatabase& database, const QString& path) {
    executeOrThrow(database, QStringLiteral("SELECT count(*) FROM sqlite_schema"));  // a database?
    const int version = userVersion(database);
    if (version > kFideListVersion) {
        throw FileError(fromUtf8(messages::kFideListNewer).arg(fullPath(path)));
    }
    const std::vector<SchemaEntry> schema = schemaOf(database);
    if (version == 0 && schema.empty()) {
        return 0;
    }
    const QString unexpected =
        version < 1 ? QString() : differenceFromSchema(schema, madeSchema(version));
    if (version < 1 || !unexpected.isEmpty()) {
        throw FileError(
            fromUtf8(messages::kFideListForeign)
                .arg(fullPath(path),
                     unexpected.isEmpty()
                         ? fromUtf8(TAVOLIN_TEXT("FideListSchema", "version %1")).arg(version)
                         : unexpected));
    }
    return version;
}

QString fideListFailureText(const QString& path, const QSqlError& error) {
    return failureText(
        path, error,
        {messages::kFideListBusy, messages::kFideListDamaged, messages::kFideListFailed});
}

}  // namespace tavolin
