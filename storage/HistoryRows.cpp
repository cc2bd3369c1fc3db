// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryRows.h"

#include <limits>

#include "HistoryValues.h"
#include "PlayerRecord.h"

namespace tavolin {

const QString kPeriodColumns = QStringLiteral(
    "period.id, period.closed_at, period.slot, period.player_name, period.system,"
    " period.coefficient, period.young, period.rating_before, period.average, period.score,"
    " period.performance, period.new_rating_text, period.new_rating");

const QString kGameColumns = QStringLiteral(
    "game.opponent_rating, game.score, game.opponent_name, game.date, game.event, game.round");

HistoryPeriod periodOfRow(const QSqlQuery& row,
                          const std::function<void(const QVariant&)>& checkClosing) {
    const auto value = [&row](int column) { return row.value(column); };
    HistoryPeriod period;
    period.id = checkedInteger(value(0), 1, std::numeric_limits<qint64>::max(), "id");
    checkClosing(value(1));
    period.slot = static_cast<int>(checkedInteger(value(2), 1, kPlayerCount, "slot"));
    period.playerName = checkedText(value(3), "player_name");
    period.system = static_cast<RatingSystem>(
        checkedInteger(value(4), static_cast<int>(RatingSystem::Elo),
                       static_cast<int>(RatingSystem::Fide2024), "system"));
    period.coefficient = checkedIntegerOrNone(value(5), 10, 40, "coefficient");
    period.young = checkedInteger(value(6), 0, 1, "young") == 1;
    period.ratingBefore = checkedIntegerOrNone(value(7), 0, kHighestStoredRating, "rating_before");
    period.average = checkedText(value(8), "average");
    period.score = checkedText(value(9), "score");
    period.performance = checkedText(value(10), "performance");
    period.newRatingText = checkedText(value(11), "new_rating_text");
    period.newRating =
        static_cast<int>(checkedInteger(value(12), 0, kHighestStoredRating, "new_rating"));
    return period;
}

HistoryGame gameOfRow(const QSqlQuery& row, int first) {
    const auto value = [&row, first](int column) { return row.value(first + column); };
    HistoryGame game;
    game.entry.opponentRating = checkedReal(value(0), 0, kHighestStoredRating, "opponent_rating");
    game.entry.score = checkedReal(value(1), 0, 1, "score");
    if (game.entry.score != kWinScore && game.entry.score != kDrawScore &&
        game.entry.score != kLossScore) {
        throw DamagedValue{QStringLiteral("score : %1").arg(game.entry.score)};
    }
    game.opponentName = checkedText(value(2), "opponent_name");
    game.date = checkedText(value(3), "date");
    game.event = checkedText(value(4), "event");
    game.round = checkedText(value(5), "round");
    return game;
}

}  // namespace tavolin
