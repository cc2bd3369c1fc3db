// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "PgnImport.h"
#include "PlayerNames.h"

class QTableWidget;

namespace tavolin {

// What the PGN and tournament report imports show alike, whatever the file they read.

// The games offered, one row each, ticked: date, event, round, opponent, Elo, result.
void showImportedGames(QTableWidget& table, const std::vector<PgnImportedGame>& games);
// The games of `shown` whose row is ticked, in their order.
std::vector<PgnImportedGame> tickedImportedGames(const QTableWidget& table,
                                                 const std::vector<PgnImportedGame>& shown);
// Why nobody was chosen for the user among `names`, and what he is to do.
QString noPlayerChosenText(const QString& wanted, const QStringList& names,
                           const PlayerChoice& choice);

}  // namespace tavolin
