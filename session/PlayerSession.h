// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "Fide2024.h"
#include "FideCoefficient.h"
#include "GameList.h"
#include "HistoryPeriod.h"
#include "PgnImport.h"
#include "PlayerFile.h"
#include "PlayerRecord.h"
#include "RatingSystem.h"

namespace tavolin {

// The current player, as the main window shows him, and the rules that move him between
// the screen and the player file: when the file is loaded over the screen, what each save
// counts, what a failed save forbids. The window feeds the fields the user changes into
// it and shows what it holds; every file operation raises FileError, the session staying
// as it was for a load and recording the failure for a save.
class PlayerSession : public QObject {
    Q_OBJECT
public:
    explicit PlayerSession(const QString& playerFilePath, QObject* parent = nullptr);

    // --- The player on screen ------------------------------------------------------------
    // The rating field's text, as typed.
    const QString& ratingText() const { return ratingText_; }
    void setRatingText(const QString& text) { ratingText_ = text; }
    bool young() const { return young_; }
    void setYoung(bool young) { young_ = young; }
    // The coefficient box's text, and the coefficient in force (10, 15 or 25), which the
    // text changes only through a FIDE calculation or a load.
    const QString& coefficientText() const { return coefficientText_; }
    void setCoefficientText(const QString& text) { coefficientText_ = text; }
    int fideCoefficient() const { return fideCoefficient_; }
    void setFideCoefficient(int coefficient) { fideCoefficient_ = coefficient; }
    // The K factor in force for FIDE 2024 (40, 20 or 10), which the same box shows then.
    int fide2024Coefficient() const { return fide2024Coefficient_; }
    void setFide2024Coefficient(int coefficient) { fide2024Coefficient_ = coefficient; }
    // The player's rating system as stored: 1 to 5, or any value a damaged file held.
    std::int32_t storedSystem() const { return system_; }
    void setSystem(RatingSystem system) { system_ = static_cast<std::int32_t>(system); }
    // Player n's name (1 to 10), as the names grid shows it.
    const QString& name(int player) const { return names_.at(player - 1); }
    void setName(int player, const QString& name) { names_.at(player - 1) = name; }
    const GameList& games() const { return games_; }
    const GameListText& gameListText() const { return gameListText_; }
    // The player whose data the screen shows: 1 to 10, or 0 until a player is loaded.
    int current() const { return current_; }

    // --- Games ----------------------------------------------------------------------------
    // Adds a game in the next free slot; false when all 50 are taken.
    bool addGame(const GameEntry& game);
    // Adds a game from a PGN file, whose texts the session keeps for the period's history
    // for as long as the program runs and the game stays where it is in the player file.
    bool addImportedGame(const PgnImportedGame& game);
    // Adds a game of a reopened period, with the texts a PGN file gave it.
    bool addPeriodGame(const HistoryGame& game);
    // The games listed, with the PGN file's texts of those imported.
    std::vector<HistoryGame> periodGames() const;
    // Deletes game `number`; numbers outside 1 to 50 do nothing.
    void removeGame(int number);
    void clearGames();

    // What closing a period changes on screen, to put back should the closing fail.
    struct Period {
        QString ratingText;
        GameList games;
        GameListText gameListText;
        std::vector<std::optional<HistoryGame>> imported;
    };
    Period currentPeriod() const;
    void restorePeriod(const Period& period);

    // --- The player file -----------------------------------------------------------------
    // Loads player `number` and the ten names. A file that cannot be read changes nothing.
    void load(int number);
    // Saves the player on screen, counting the games rated from 1000; nothing before the
    // first load.
    void save();
    // Saves the player being left for another one in the names grid, counting the games
    // rated from 700.
    void saveOnLeaving();
    // Saves for an ending that no one watches (a signal, the end of the desktop session):
    // the error's text instead of an exception, empty when saved.
    QString saveForEnding();
    bool lastSaveFailed() const { return lastSaveFailed_; }

    // --- The window's comings and goings -------------------------------------------------
    // The window lost the focus to one of its own boxes: getting it back is no return.
    void focusLeftForOwnBox() { returningFromOwnBox_ = true; }
    // The window got the focus back: whether the player is to be reloaded. Not after one
    // of its own boxes, and never over a screen that the file could not take.
    bool reloadsOnReturn();

signals:
    // A player was loaded: every field changed.
    void loaded();
    // The games or their list changed.
    void gamesChanged();
    // The count of games changed by a save's recount.
    void gameCountChanged();

private:
    void saveCounting(double lowestCountedRating);
    bool isFide2024() const;
    // What the PGN files said of player `number`'s 50 slots; none for player 0.
    std::span<std::optional<HistoryGame>> importedOf(int number);
    std::span<const std::optional<HistoryGame>> importedOf(int number) const;

    PlayerFile file_;
    // The ten records as last read, so that the bytes without meaning go back unchanged.
    std::array<PlayerRecord, kPlayerCount> records_{};
    std::array<QString, kPlayerCount> names_;
    QString ratingText_;
    bool young_ = false;
    QString coefficientText_ = QString::number(kDefaultFideCoefficient);
    int fideCoefficient_ = kDefaultFideCoefficient;
    int fide2024Coefficient_ = kFide2024DefaultCoefficient;
    std::int32_t system_ = static_cast<std::int32_t>(RatingSystem::Elo);
    GameList games_;
    GameListText gameListText_;
    int current_ = 0;
    // Player by player, slot by slot, the games imported since the program started; the
    // player file has no room for their texts.
    std::vector<std::optional<HistoryGame>> imported_ =
        std::vector<std::optional<HistoryGame>>(std::size_t{kPlayerCount} * kMaxGames);

    bool lastSaveFailed_ = false;
    bool returningFromOwnBox_ = false;
};

}  // namespace tavolin
