// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistorySchema.h"
#include "ShownText.h"
#include "Utf8.h"

#include <QAtomicInt>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <array>

namespace tavolin {

namespace {

// What a part of a schema is, in the words of a message.
QString schemaKindText(const QString& type) {
    if (type == QLatin1String("table")) {
        return QStringLiteral("table");
    }
    if (type == QLatin1String("view")) {
        return fromUtf8(TAVOLIN_TEXT("HistorySchema", "vue"));
    }
    if (type == QLatin1String("trigger")) {
        return fromUtf8(TAVOLIN_TEXT("HistorySchema", "déclencheur"));
    }
    if (type == QLatin1String("index")) {
        return QStringLiteral("index");
    }
    return type;
}

QString schemaEntryText(const SchemaEntry& entry) {
    return QStringLiteral("%1 %2").arg(schemaKindText(entry.type), entry.name);
}

// A step once published never changes: later versions add steps.
const std::array<QStringList, kHistoryVersion> kSteps = {
    // 1: a row per period, a row per game of it.
    QStringList{
        QStringLiteral("CREATE TABLE period ("
                       " id INTEGER PRIMARY KEY,"
                       " closed_at TEXT NOT NULL,"  // local time, 2026-12-09T18:30:00
                       " slot INTEGER NOT NULL CHECK (slot BETWEEN 1 AND 10),"
                       " player_name TEXT NOT NULL,"
                       " system INTEGER NOT NULL CHECK (system BETWEEN 1 AND 5),"
                       " coefficient INTEGER,"
                       " young INTEGER NOT NULL CHECK (young IN (0, 1)),"
                       " rating_before INTEGER,"
                       " average TEXT NOT NULL,"
                       " score TEXT NOT NULL,"
                       " performance TEXT NOT NULL,"
                       " new_rating_text TEXT NOT NULL,"
                       " new_rating INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE game ("
                       " period_id INTEGER NOT NULL REFERENCES period (id) ON DELETE CASCADE,"
                       " number INTEGER NOT NULL CHECK (number BETWEEN 1 AND 50),"
                       " opponent_rating REAL NOT NULL,"
                       " score REAL NOT NULL,"
                       " opponent_name TEXT NOT NULL DEFAULT '',"
                       " date TEXT NOT NULL DEFAULT '',"
                       " event TEXT NOT NULL DEFAULT '',"
                       " round TEXT NOT NULL DEFAULT '',"
                       " PRIMARY KEY (period_id, number))"),
    },
    // 2: a player's periods in order of closing without reading the others.
    QStringList{
        QStringLiteral("CREATE INDEX period_by_player ON period (slot, closed_at)"),
    },
    // 3: every column checked against its range and kind, and period ids never used twice
    // (games left behind by a period deleted without the foreign keys stay out). SQLite adds
    // no CHECK to a table: each is made anew and takes the rows it accepts.
    QStringList{
        QStringLiteral(
            "CREATE TABLE period_checked ("
            " id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " closed_at TEXT NOT NULL CHECK (typeof(closed_at) = 'text' AND ("
            "closed_at GLOB "
            "'[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]T[0-9][0-9]:[0-9][0-9]:[0-9][0-9]'"
            " OR closed_at GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] "
            "[0-9][0-9]:[0-9][0-9]:[0-9][0-9]')),"
            " slot INTEGER NOT NULL CHECK (typeof(slot) = 'integer' AND slot BETWEEN 1 AND 10),"
            " player_name TEXT NOT NULL CHECK (typeof(player_name) = 'text'),"
            " system INTEGER NOT NULL CHECK (typeof(system) = 'integer' AND system BETWEEN 1 AND "
            "5),"
            " coefficient INTEGER CHECK (coefficient IS NULL OR (typeof(coefficient) = 'integer'"
            " AND coefficient IN (10, 15, 20, 25, 40))),"
            " young INTEGER NOT NULL CHECK (typeof(young) = 'integer' AND young IN (0, 1)),"
            " rating_before INTEGER CHECK (rating_before IS NULL OR (typeof(rating_before) ="
            " 'integer' AND rating_before BETWEEN 0 AND 4000)),"
            " average TEXT NOT NULL CHECK (typeof(average) = 'text'),"
            " score TEXT NOT NULL CHECK (typeof(score) = 'text'),"
            " performance TEXT NOT NULL CHECK (typeof(performance) = 'text'),"
            " new_rating_text TEXT NOT NULL CHECK (typeof(new_rating_text) = 'text'),"
            " new_rating INTEGER NOT NULL CHECK (typeof(new_rating) = 'integer'"
            " AND new_rating BETWEEN 0 AND 4000))"),
        QStringLiteral(
            "INSERT INTO period_checked SELECT id, closed_at, slot, player_name, system,"
            " coefficient, young, rating_before, average, score, performance, new_rating_text,"
            " new_rating FROM period"),
        QStringLiteral(
            "CREATE TABLE game_checked ("
            " period_id INTEGER NOT NULL REFERENCES period_checked (id) ON DELETE CASCADE,"
            " number INTEGER NOT NULL CHECK (typeof(number) = 'integer' AND number BETWEEN 1 AND "
            "50),"
            " opponent_rating REAL NOT NULL CHECK (typeof(opponent_rating) = 'real'"
            " AND opponent_rating BETWEEN 0 AND 4000),"
            " score REAL NOT NULL CHECK (typeof(score) = 'real' AND score IN (0, 0.5, 1)),"
            " opponent_name TEXT NOT NULL DEFAULT '' CHECK (typeof(opponent_name) = 'text'),"
            " date TEXT NOT NULL DEFAULT '' CHECK (typeof(date) = 'text'),"
            " event TEXT NOT NULL DEFAULT '' CHECK (typeof(event) = 'text'),"
            " round TEXT NOT NULL DEFAULT '' CHECK (typeof(round) = 'text'),"
            " PRIMARY KEY (period_id, number))"),
        QStringLiteral(
            "INSERT INTO game_checked SELECT game.period_id, game.number, game.opponent_rating,"
            " game.score, game.opponent_name, game.date, game.event, game.round"
            " FROM game JOIN period ON period.id = game.period_id"),
        QStringLiteral("DROP TABLE game"),
        QStringLiteral("DROP TABLE period"),
        QStringLiteral("ALTER TABLE period_checked RENAME TO period"),
        QStringLiteral("ALTER TABLE game_checked RENAME TO game"),
        QStringLiteral("CREATE INDEX period_by_player ON period (slot, closed_at)"),
    },
    // 4: the entry of FIDE's rating list a player is linked to.
    QStringList{
        QStringLiteral(
            "CREATE TABLE player_fide_id ("
            " slot INTEGER PRIMARY KEY CHECK (typeof(slot) = 'integer' AND slot BETWEEN 1 AND 10),"
            " fide_id INTEGER NOT NULL CHECK (typeof(fide_id) = 'integer'"
            " AND fide_id BETWEEN 1 AND 4294967295))"),
    },
};

}  // namespace

const QStringList& historySchemaStep(int version) {
    return kSteps.at(static_cast<std::size_t>(version - 1));
}

namespace {

// Made once per version by the steps themselves, in a database in memory: a history file's
// schema is exactly this, or the file holds something Tavolin did not put there.
std::vector<SchemaEntry> madeSchema(int version) {
    std::vector<QStringList> steps;
    for (int step = 1; step <= version; ++step) {
        steps.push_back(historySchemaStep(step));
    }
    return schemaMadeBy(steps);
}

}  // namespace

std::vector<SchemaEntry> schemaOf(const QSqlDatabase& database) {
    std::vector<SchemaEntry> schema;
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT type, name, tbl_name, ifnull(sql, '') FROM "
                                   "sqlite_schema ORDER BY type, name"))) {
        return schema;
    }
    while (query.next()) {
        schema.push_back({query.value(0).toString(), query.value(1).toString(),
                          query.value(2).toString(), query.value(3).toString()});
    }
    return schema;
}

std::vector<SchemaEntry> schemaMadeBy(const std::vector<QStringList>& steps) {
    static QAtomicInt made;
    const QString connection = QStringLiteral("tavolin-schema-%1").arg(made.fetchAndAddRelaxed(1));
    std::vector<SchemaEntry> schema;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(QStringLiteral(":memory:"));
        if (database.open()) {
            QSqlQuery query(database);
            for (const QStringList& step : steps) {
                for (const QString& statement : step) {
                    query.exec(statement);
                }
            }
            schema = schemaOf(database);
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return schema;
}

QString unexpectedInSchema(const std::vector<SchemaEntry>& schema, int version) {
    static std::array<std::vector<SchemaEntry>, kHistoryVersion> made;
    std::vector<SchemaEntry>& expected = made.at(static_cast<std::size_t>(version - 1));
    if (expected.empty()) {
        expected = madeSchema(version);
    }
    return differenceFromSchema(schema, expected);
}

QString differenceFromSchema(const std::vector<SchemaEntry>& schema,
                             const std::vector<SchemaEntry>& expected) {
    const auto isStatistics = [](const SchemaEntry& entry) {
        return entry.type == QLatin1String("table") &&
               entry.name.startsWith(QLatin1String("sqlite_stat"));
    };
    for (const SchemaEntry& entry : schema) {
        if (isStatistics(entry) ||
            std::find(expected.begin(), expected.end(), entry) != expected.end()) {
            continue;
        }
        return schemaEntryText(entry);
    }
    for (const SchemaEntry& entry : expected) {
        if (std::find(schema.begin(), schema.end(), entry) == schema.end()) {
            return fromUtf8(TAVOLIN_TEXT("HistorySchema", "%1 %2 absent"))
                .arg(schemaKindText(entry.type), entry.name);
        }
    }
    return {};
}

}  // namespace tavolin
