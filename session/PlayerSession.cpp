// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerSession.h"

#include <algorithm>
#include <exception>

#include "TextReading.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

// A stored rating below this shows as an empty field.
constexpr std::int32_t kLowestShownRating = 500;
// Leaving a player through the names grid also counts games rated from 700.
constexpr double kCountedWhenLeaving = 700;

}  // namespace

PlayerSession::PlayerSession(const QString& playerFilePath, QObject* parent)
    : QObject(parent), file_(playerFilePath) {}

bool PlayerSession::addGame(const GameEntry& game) {
    if (!games_.add(game)) {
        return false;
    }
    if (const auto texts = importedOf(current_); !texts.empty()) {
        texts[games_.count - 1].reset();
    }
    gameListText_.append(game);
    emit gamesChanged();
    return true;
}

bool PlayerSession::addImportedGame(const PgnImportedGame& game) {
    return addPeriodGame(HistoryGame{game.entry, fromUtf8(game.opponent), fromUtf8(game.date),
                                     fromUtf8(game.event), fromUtf8(game.round)});
}

bool PlayerSession::addPeriodGame(const HistoryGame& game) {
    if (!addGame(game.entry)) {
        return false;
    }
    const bool fromFile = !game.opponentName.isEmpty() || !game.date.isEmpty() ||
                          !game.event.isEmpty() || !game.round.isEmpty();
    if (const auto texts = importedOf(current_); !texts.empty() && fromFile) {
        texts[games_.count - 1] = game;
    }
    return true;
}

std::vector<HistoryGame> PlayerSession::periodGames() const {
    std::vector<HistoryGame> games;
    const std::span<const GameEntry> listed = games_.games();
    const auto texts = importedOf(current_);
    for (std::size_t slot = 0; slot < listed.size(); ++slot) {
        if (slot < texts.size() && texts[slot]) {
            games.push_back(*texts[slot]);
        } else {
            games.emplace_back().entry = listed[slot];  // typed: no texts
        }
    }
    return games;
}

void PlayerSession::removeGame(int number) {
    if (number < 1 || number > kMaxGames) {
        return;
    }
    games_.remove(number);
    // The texts follow their games down one slot, as GameList moves them.
    if (const auto texts = importedOf(current_); !texts.empty()) {
        std::move(texts.begin() + number, texts.end(), texts.begin() + (number - 1));
        texts.back().reset();
    }
    gameListText_.rebuild(games_);
    emit gamesChanged();
}

void PlayerSession::clearGames() {
    gameListText_.clear();
    games_.clear();
    for (std::optional<HistoryGame>& texts : importedOf(current_)) {
        texts.reset();
    }
    emit gamesChanged();
}

PlayerSession::Period PlayerSession::currentPeriod() const {
    const auto imported = importedOf(current_);
    return {ratingText_, games_, gameListText_, {imported.begin(), imported.end()}};
}

void PlayerSession::restorePeriod(const Period& period) {
    ratingText_ = period.ratingText;
    games_ = period.games;
    gameListText_ = period.gameListText;
    const auto imported = importedOf(current_);
    std::copy_n(period.imported.begin(), std::min(period.imported.size(), imported.size()),
                imported.begin());
    emit gamesChanged();
}

std::span<std::optional<HistoryGame>> PlayerSession::importedOf(int number) {
    if (number < 1 || number > kPlayerCount) {
        return {};
    }
    return std::span(imported_).subspan(static_cast<std::size_t>(number - 1) * kMaxGames,
                                        kMaxGames);
}

std::span<const std::optional<HistoryGame>> PlayerSession::importedOf(int number) const {
    return const_cast<PlayerSession*>(this)->importedOf(number);
}

void PlayerSession::load(int number) {
    // Read whole before anything changes: a short file leaves the screen as it was.
    records_ = file_.readAll();
    const PlayerRecord& record = records_.at(number - 1);

    // The player on screen brought back from the file keeps his rating as typed ("185" while
    // typing 1850) whenever the file holds what it reads as; otherwise the file's rating.
    const bool sameRating =
        number == current_ && readWholeNumber(ratingText_.toStdString()).value == record.rating();
    if (!sameRating) {
        ratingText_ =
            record.rating() < kLowestShownRating ? QString() : QString::number(record.rating());
    }
    young_ = record.young();
    games_.entries = record.games();
    // A damaged count never makes the list reach past the 50 slots.
    games_.count = std::clamp<std::int32_t>(record.gameCount(), 0, kMaxGames);
    gameListText_.rebuild(games_);
    system_ = record.system();
    // A game another program changed in the file is no longer the one imported.
    const auto texts = importedOf(number);
    for (std::size_t slot = 0; slot < texts.size(); ++slot) {
        if (texts[slot] && texts[slot]->entry != games_.entries.at(slot)) {
            texts[slot].reset();
        }
    }
    // The box shows the loaded coefficient at once: the save that follows every load writes
    // the player's own, not the one the previous player left there. The record's one field
    // holds the coefficient of the player's system; the other system's starts afresh.
    if (isFide2024()) {
        fide2024Coefficient_ = fide2024CoefficientFromStored(record.coefficient());
        fideCoefficient_ = kDefaultFideCoefficient;
        coefficientText_ = QString::number(fide2024Coefficient_);
    } else {
        fideCoefficient_ = fideCoefficientFromStored(record.coefficient());
        fide2024Coefficient_ = kFide2024DefaultCoefficient;
        coefficientText_ = QString::number(fideCoefficient_);
    }
    for (int player = 1; player <= kPlayerCount; ++player) {
        names_.at(player - 1) = records_.at(player - 1).name();
    }
    current_ = number;
    emit loaded();
}

void PlayerSession::save() {
    if (current_ == 0) {
        return;
    }
    saveCounting(kCountedRating);
    emit gameCountChanged();
}

void PlayerSession::saveOnLeaving() {
    saveCounting(kCountedWhenLeaving);
}

QString PlayerSession::saveForEnding() {
    try {
        saveCounting(kCountedRating);
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return fromUtf8(messages::kUnexpectedError);
    }
    return {};
}

void PlayerSession::saveCounting(double lowestCountedRating) {
    // The screen holds a player's data only once one has been loaded; it is saved as the
    // player it came from.
    if (current_ == 0) {
        return;
    }
    try {
        PlayerRecord record = records_.at(current_ - 1);
        record.setRating(readWholeNumber(ratingText_.toStdString()).value);
        record.setGames(games_.entries);
        record.setYoung(young_);
        games_.count = countGames(games_, lowestCountedRating);
        record.setGameCount(games_.count);
        record.setName(names_.at(current_ - 1));
        record.setSystem(system_);
        // Only a coefficient of the player's system is ever stored: any other text leaves
        // the one in force.
        const std::string text = coefficientText_.toStdString();
        record.setCoefficient(isFide2024() ? fide2024CoefficientFromText(text, fide2024Coefficient_)
                                           : fideCoefficientFromText(text, fideCoefficient_));
        file_.writeRecord(current_, record);
        records_.at(current_ - 1) = record;
    } catch (...) {
        lastSaveFailed_ = true;
        throw;
    }
    lastSaveFailed_ = false;
}

bool PlayerSession::isFide2024() const {
    return system_ == static_cast<std::int32_t>(RatingSystem::Fide2024);
}

bool PlayerSession::reloadsOnReturn() {
    if (returningFromOwnBox_) {
        returningFromOwnBox_ = false;
        return false;
    }
    return !lastSaveFailed_;
}

}  // namespace tavolin
