// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

#include "PgnImport.h"
#include "TrfReader.h"

namespace tavolin {

class MessageBoxes;
struct PgnImportDialogControls;

// "Importer des parties (TRF)": the players of a tournament report, the rated games of the
// one chosen, each with a box to tick, why his other rounds are left out, and whether his
// rating in the report goes into the window's rating field. The same controls as the PGN
// import, chosen by the same name rule; a report is small and read at once, so the progress
// bar and its buttons stay hidden.
class TrfImportDialog : public QDialog {
    Q_OBJECT
public:
    // `player` is the name the current player is known by, `ratingText` his rating field's.
    TrfImportDialog(QString path, QString player, QString ratingText, MessageBoxes& boxes,
                    QWidget* parent = nullptr);
    ~TrfImportDialog() override;

    // The ticked games, in round order, with what the report says of them.
    std::vector<PgnImportedGame> tickedGames() const;
    // The rating to put into the empty rating field; nothing to leave the field as it is.
    std::optional<int> ratingToFill() const { return ratingToFill_; }

private:
    void readFile();
    void showPlayers();
    void choosePlayerFor(const QString& wanted);
    void showGamesOf(int player);
    void clearGames();

    const std::unique_ptr<PgnImportDialogControls> ui_;
    MessageBoxes& boxes_;
    QString path_;
    QString wanted_;
    QString ratingText_;
    TrfEvent event_;
    std::vector<PgnImportedGame> shownGames_;
    std::optional<int> ratingToFill_;
};

}  // namespace tavolin
