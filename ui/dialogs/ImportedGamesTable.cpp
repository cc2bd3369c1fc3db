// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportedGamesTable.h"

#include <QCoreApplication>
#include <QTableWidget>

#include "PgnText.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

QString resultText(const GameEntry& entry) {
    return entry.score == kWinScore    ? QStringLiteral("+")
           : entry.score == kDrawScore ? QStringLiteral("=")
                                       : QStringLiteral("-");
}

}  // namespace

void showImportedGames(QTableWidget& table, const std::vector<PgnImportedGame>& games) {
    table.setRowCount(0);
    for (const PgnImportedGame& game : games) {
        const int row = table.rowCount();
        table.insertRow(row);
        auto* date = new QTableWidgetItem(fromUtf8(shownPgnDate(game.date)));
        date->setFlags(date->flags() | Qt::ItemIsUserCheckable);
        date->setCheckState(Qt::Checked);
        table.setItem(row, 0, date);
        table.setItem(row, 1, new QTableWidgetItem(fromUtf8(game.event)));
        table.setItem(row, 2, new QTableWidgetItem(fromUtf8(game.round)));
        table.setItem(row, 3, new QTableWidgetItem(fromUtf8(game.opponent)));
        table.setItem(row, 4, new QTableWidgetItem(QString::number(game.entry.opponentRating)));
        table.setItem(row, 5, new QTableWidgetItem(resultText(game.entry)));
    }
}

std::vector<PgnImportedGame> tickedImportedGames(const QTableWidget& table,
                                                 const std::vector<PgnImportedGame>& shown) {
    std::vector<PgnImportedGame> ticked;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.item(row, 0)->checkState() == Qt::Checked) {
            ticked.push_back(shown.at(static_cast<std::size_t>(row)));
        }
    }
    return ticked;
}

QString noPlayerChosenText(const QString& wanted, const QStringList& names,
                           const PlayerChoice& choice) {
    if (!choice.tied.empty()) {
        QStringList tied;
        for (const int index : choice.tied) {
            tied.append(names.at(index));
        }
        return fromUtf8(messages::kPgnSeveralPlayers)
            .arg(wanted, tied.join(QCoreApplication::translate("ImportedGamesTable", " ; ")));
    }
    if (wanted.trimmed().isEmpty()) {
        return fromUtf8(messages::kPgnChoosePlayer);
    }
    return fromUtf8(messages::kPgnNoMatchingPlayer).arg(wanted);
}

}  // namespace tavolin
