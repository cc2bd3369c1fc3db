// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

namespace tavolin {

// The history's tables, one step per version: a history at version n (SQLite's
// user_version, 0 when new) is brought to kHistoryVersion by the steps n + 1 onwards.
inline constexpr int kHistoryVersion = 4;

// The statements of step `version`, 1 to kHistoryVersion.
const QStringList& historySchemaStep(int version);

// A row of SQLite's own table of a database's schema.
struct SchemaEntry {
    QString type;  // table, index, view, trigger
    QString name;
    QString table;
    QString sql;  // the statement that made it, as SQLite keeps it
    bool operator==(const SchemaEntry&) const = default;
};

std::vector<SchemaEntry> schemaOf(const QSqlDatabase& database);

// What `schema` holds that the steps up to `version` (1 to kHistoryVersion) did not make,
// or lacks of what they made ("déclencheur period_guard", "vue period", "table period"
// with a column more), in the words of a message; empty when it is exactly theirs.
QString unexpectedInSchema(const std::vector<SchemaEntry>& schema, int version);

// The schema that `steps` make in an empty database.
std::vector<SchemaEntry> schemaMadeBy(const std::vector<QStringList>& steps);

// What `schema` holds that `expected` does not, or lacks of it, in the words of a message;
// empty when they are the same (SQLite's statistics tables aside).
QString differenceFromSchema(const std::vector<SchemaEntry>& schema,
                             const std::vector<SchemaEntry>& expected);

}  // namespace tavolin
