// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "GameEntry.h"
#include "PgnImport.h"

namespace tavolin {

struct PgnImportDialogControls;

// "Importer des parties (PGN)": the players of a PGN file, the games of the one chosen
// that a rating period can take, each with a box to tick, and why the others are left out.
// The file is read off the interface thread, with a progress bar and a way to stop.
class PgnImportDialog : public QDialog {
    Q_OBJECT
public:
    // `player` is preselected when the file holds his games.
    PgnImportDialog(QString path, QString player, QWidget* parent = nullptr);
    ~PgnImportDialog() override;

    // The ticked games, in file order.
    std::vector<GameEntry> tickedGames() const;
    // Whether a reading is under way.
    bool reading() const { return thread_ != nullptr; }

signals:
    // A reading ended: the players, or a player's games, are shown.
    void readingDone();

private:
    void readPlayers();
    void readGamesOf(const QString& player);
    // Reads the file on a thread of its own, each game to `handler` there; then `done` gets,
    // on the interface thread, the error text and whether the file was damaged.
    void startReading(PgnReader::GameHandler handler,
                      std::function<void(const QString&, bool)> done);
    void showPlayers(const std::vector<PgnPlayer>& players);
    void showGames(const PgnPlayerGames& games, bool truncated);
    void stopReading();

    const std::unique_ptr<PgnImportDialogControls> ui_;
    QString path_;
    QString preselected_;
    std::vector<GameEntry> shownGames_;
    std::unique_ptr<QThread> thread_;
    std::shared_ptr<std::atomic<bool>> stopRequested_;
    int generation_ = 0;
};

}  // namespace tavolin
