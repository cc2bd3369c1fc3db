// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistorySchema.h"

#include <array>

namespace tavolin {

namespace {

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
};

}  // namespace

const QStringList& historySchemaStep(int version) {
    return kSteps.at(static_cast<std::size_t>(version - 1));
}

}  // namespace tavolin
