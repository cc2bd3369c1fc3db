// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>
#include <QStringList>
#include <vector>

#include "HistoryPeriod.h"
#include "PeriodSummary.h"

namespace tavolin {

// The texts of the history: its rows as the window lists them, and its CSV as a French
// spreadsheet takes it.

// The window's columns: date, system, games, score, before → after, change.
QStringList historyColumnTitles();
// A period's row: "09/12/2026", "FIDE 2024", "4", "2,5", "1850 → 1860", "+10".
QStringList historyRow(const PeriodSummary& period, QChar decimalSeparator);
QStringList historyRow(const HistoryPeriod& period, QChar decimalSeparator);

// A game's result as the tables write it: "1", "½", "0".
QString gameResultText(double score);

// The columns of a period's games, and a game's row: its number, the opponent and his
// rating, the result, and what an import gave it: "3", "Petit, Paul", "1850", "½",
// "Open d'hiver", "4", "2025.12.02".
QStringList historyGameColumnTitles();
QStringList historyGameRow(int number, const HistoryGame& game);

// A period as a message names it: "du 10/12/2026 à 12:24, 1876 → 1893", or "…, premier
// classement 1808".
QString periodName(const PeriodSummary& period);
QString periodName(const HistoryPeriod& period);

// The points scored with `decimalSeparator` and no useless zero: "2,5", "3".
QString pointsText(double points, QChar decimalSeparator);

// The periods as CSV: a byte-order mark, then UTF-8 with ";" between fields, decimal
// commas, dates as "09/12/2026", the ratings before and after in columns of their own, and
// CRLF after every line; a field holding ";", a quote or a line break is quoted.
QByteArray historyCsv(const std::vector<PeriodSummary>& periods);
QByteArray historyCsv(const std::vector<HistoryPeriod>& periods);
// The same, one line per game: the period's date, player, system and ratings, then the
// game's number, opponent, his rating, the points (1, 0,5, 0), event, round and date.
QByteArray historyGamesCsv(const std::vector<HistoryPeriod>& periods);

}  // namespace tavolin
