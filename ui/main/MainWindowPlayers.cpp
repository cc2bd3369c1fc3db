// SPDX-License-Identifier: GPL-3.0-or-later
// The ten players of the player file: the handlers that save, load and switch them.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>

#include "ClickableLabel.h"
#include "MainWindow.h"
#include "MainWindowControls.h"
#include "UserMessages.h"

namespace tavolin {

int MainWindow::selectedPlayer() const {
    return std::clamp(ui_->playerGrid->currentRow(), 0, kPlayerCount - 1) + 1;
}

void MainWindow::savePlayer() {
    session_.save();
}

void MainWindow::loadPlayer() {
    ui_->titleLabel->setText(kVersionCaption);
    ui_->titleLabel->adjustSize();
    setWindowTitle(kVersionCaption);

    session_.load(selectedPlayer());
    // The rating taken from FIDE's list says which list, for as long as it is the rating.
    if (const auto taken = ratingsFromFideList_.find(session_.current());
        taken != ratingsFromFideList_.end() && taken->second.rating == session_.ratingText()) {
        setWindowTitle(kVersionCaption + taken->second.titleEnd);
    }

    // The system's button saves the player just loaded straight back, recounted.
    const std::int32_t system = session_.storedSystem();
    if (system >= static_cast<std::int32_t>(RatingSystem::Elo) &&
        system <= static_cast<std::int32_t>(RatingSystem::Fide2024)) {
        chooseSystem(static_cast<RatingSystem>(system));
    } else if (systemErrorsTold_.insert(session_.current()).second) {
        warn(messages::kSystemError);  // once a player: start-up has told the file is damaged
    }
    if (settings_.autoCalculate) {
        calculateAutomatically();
    }
}

void MainWindow::showLoadedPlayer() {
    const MainWindowControls& ui = *ui_;
    ui.ratingEdit->setText(session_.ratingText());
    ui.youngBox->setChecked(session_.young());
    ui.coefficientBox->setCurrentText(session_.coefficientText());
    showList();
    for (int row = 0; row < kPlayerCount; ++row) {
        ui.playerGrid->item(row, 0)->setText(session_.name(row + 1));
    }
    showGameCount();
}

void MainWindow::switchPlayer() {
    session_.saveOnLeaving();
    clearResults();
    loadPlayer();
    showGameCount();
    if (settings_.autoCalculate) {
        calculateAutomatically();
    }
}

}  // namespace tavolin
