// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "GameEntry.h"
#include "PgnImport.h"

namespace tavolin {

class MessageBoxes;
class PgnReading;
struct PgnImportDialogControls;

// "Importer des parties (PGN)": the players of a PGN file, the games of the one chosen
// that a rating period can take, each with a box to tick, and why the others are left out.
// The player is chosen for the user only when his name matches the one he is known by;
// otherwise the user picks him. The file is read off the interface thread, with a progress
// bar and a way to stop and read again.
class PgnImportDialog : public QDialog {
    Q_OBJECT
public:
    // `player` is the name the current player is known by (the names grid's).
    PgnImportDialog(QString path, QString player, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~PgnImportDialog() override;

    // The ticked games, in file order, with what the file says of them.
    std::vector<PgnImportedGame> tickedGames() const;
    // Whether a reading is under way.
    bool reading() const { return !reading_.isNull(); }

signals:
    // A reading ended: the players, or a player's games, are shown.
    void readingDone();

private:
    using Done = std::function<void(const QString& error, bool truncated)>;

    void readPlayers();
    void readGamesOf(int player);
    void startReading(PgnReader::GameHandler handler, Done done, const QString& stoppedText);
    void finishReading(const QString& error, bool truncated, bool stopped, const QString& failure);
    void showPlayers(std::vector<PgnPlayer> players);
    void choosePlayerFor(const QString& wanted);
    void showGames(const PgnPlayerGames& games, bool truncated);
    void clearGames();
    void stopReading();
    // Runs a handler of the dialog's: what it throws goes to the error box.
    void runTellingFailures(const std::function<void()>& handler);

    const std::unique_ptr<PgnImportDialogControls> ui_;
    MessageBoxes& boxes_;
    QString path_;
    QString wanted_;
    std::vector<PgnPlayer> players_;
    std::vector<PgnImportedGame> shownGames_;
    QPointer<PgnReading> reading_;
    Done done_;
    QString stoppedText_;
    std::function<void()> readAgain_;  // the reading last started, for "Relire le fichier"
};

}  // namespace tavolin
