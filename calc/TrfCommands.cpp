// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrfCommands.h"

#include <QByteArray>
#include <QString>

#include "FilledMessage.h"
#include "GameList.h"
#include "NamedPlayer.h"
#include "TrfFile.h"
#include "TrfImport.h"
#include "TrfOwnRating.h"
#include "TrfReader.h"
#include "UserMessages.h"

namespace tavolin {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;

// The report's players; nothing after saying why. Damaged lines are told, not fatal.
std::optional<TrfEvent> readTrfOption(const CalcOptions& options, std::ostream& err) {
    QByteArray bytes;
    const QString error = readTrfFile(QString::fromStdString(*options.trf), bytes);
    if (!error.isEmpty()) {
        err << error.toStdString() << '\n';
        return std::nullopt;
    }
    TrfEvent event = readTrf({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    if (const std::string damage = trfDamageSummary(event); !damage.empty()) {
        err << damage << '\n';
    }
    if (event.players.empty()) {
        err << filledMessage(messages::kTrfNoPlayer, *options.trf) << '\n';
        return std::nullopt;
    }
    return event;
}

}  // namespace

int listTrfPlayers(const CalcOptions& options, std::ostream& out, std::ostream& err) {
    const auto event = readTrfOption(options, err);
    if (!event) {
        return kExitRefused;
    }
    for (const TrfPlayer& player : event->players) {
        out << player.startingRank << '\t' << player.name << '\t';
        if (player.rating) {
            out << *player.rating;
        }
        out << '\t' << player.points << '\n';
    }
    return kExitDone;
}

std::optional<TrfCalculationGames> trfCalculationGames(const CalcOptions& options,
                                                       std::ostream& err) {
    const auto event = readTrfOption(options, err);
    if (!event) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    names.reserve(event->players.size());
    for (const TrfPlayer& player : event->players) {
        names.push_back(player.name);
    }
    const auto chosen = namedPlayerIndex(*options.player, names, *options.trf, err);
    if (!chosen) {
        return std::nullopt;
    }
    const TrfPlayer& player = event->players[*chosen];
    const TrfPlayerGames rated = trfPlayerGames(*event, player);
    if (const std::string skipped = rated.skippedSummary(); !skipped.empty()) {
        err << skipped << '\n';
    }
    if (rated.games.size() > static_cast<std::size_t>(kMaxGames)) {
        err << messages::kTooManyGames << '\n';
        return std::nullopt;
    }
    if (rated.games.empty()) {
        err << filledMessage(messages::kPgnNoGameFor, player.name, *options.trf) << '\n';
        return std::nullopt;
    }
    TrfCalculationGames taken;
    for (const PgnImportedGame& game : rated.games) {
        taken.games.push_back(game.entry);
    }
    const auto fromFile = trfRatingForField(options.rating, rated.ownRating);
    taken.ratingText = fromFile ? std::to_string(*fromFile) : options.rating;
    return taken;
}

}  // namespace tavolin
