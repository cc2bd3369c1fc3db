#include "PlayerSession.h"

#include <algorithm>
#include <exception>

#include "Messages.h"
#include "TextReading.h"
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
    liste_.append(game);
    emit gamesChanged();
    return true;
}

void PlayerSession::removeGame(int number) {
    if (number < 1 || number > kMaxGames) {
        return;
    }
    games_.remove(number);
    liste_.rebuild(games_);
    emit gamesChanged();
}

void PlayerSession::clearGames() {
    liste_.clear();
    games_.clear();
    emit gamesChanged();
}

void PlayerSession::load(int number) {
    // Read whole before anything changes: a short file leaves the screen as it was.
    records_ = file_.readAll();
    const PlayerRecord& record = records_.at(number - 1);

    ratingText_ = record.elo() < kLowestShownRating ? QString() : QString::number(record.elo());
    young_ = record.jeune();
    games_.parties = record.parties();
    // A damaged count never makes the list reach past the 50 slots.
    games_.nbparties = std::clamp<std::int32_t>(record.nbparties(), 0, kMaxGames);
    liste_.rebuild(games_);
    mode_ = record.mode();
    // The box shows the loaded coefficient at once: the save that follows every load writes
    // the player's own, not the one the previous player left there.
    fideCoefficient_ = fideCoefficientFromStored(record.coef());
    coefficientText_ = QString::number(fideCoefficient_);
    for (int player = 1; player <= kPlayerCount; ++player) {
        names_.at(player - 1) = records_.at(player - 1).nom();
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
        record.setElo(readWholeNumber(ratingText_.toStdString()).value);
        record.setParties(games_.parties);
        record.setJeune(young_);
        games_.nbparties = countGames(games_, lowestCountedRating);
        record.setNbparties(games_.nbparties);
        record.setNom(names_.at(current_ - 1));
        record.setMode(mode_);
        // Only 10, 15 or 25 is ever stored: any other text leaves the coefficient in force.
        record.setCoef(fideCoefficientFromText(coefficientText_.toStdString(), fideCoefficient_));
        file_.writeRecord(current_, record);
        records_.at(current_ - 1) = record;
    } catch (...) {
        lastSaveFailed_ = true;
        throw;
    }
    lastSaveFailed_ = false;
    closingRefused_ = false;
}

bool PlayerSession::reloadsOnReturn() {
    if (returningFromOwnBox_) {
        returningFromOwnBox_ = false;
        return false;
    }
    return !lastSaveFailed_;
}

bool PlayerSession::staysOpenOnClosing() {
    if (lastSaveFailed_ && !closingRefused_) {
        closingRefused_ = true;
        return true;
    }
    closingRefused_ = false;
    return false;
}

}  // namespace tavolin
