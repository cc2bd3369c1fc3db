// SPDX-License-Identifier: GPL-3.0-or-later
// Entering, listing and deleting games.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "GameEntryReading.h"
#include "MainWindow.h"
#include "MainWindowControls.h"
#include "OpponentSuggestions.h"
#include "TextReading.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

// Each change of the games is in the file at once.
void MainWindow::addGame() {
    addGameFromFields();
    showGameCount();
    savePlayer();
}

void MainWindow::addGameFromFields() {
    const MainWindowControls& ui = *ui_;
    if (session_.games().full()) {
        warn(messages::kTooManyGames);
        return;
    }
    const auto rating = readOpponentRating(ui.opponentEdit->text().toStdString());
    if (!rating) {
        warn(messages::kOpponentRatingError);
        ui.opponentEdit->clear();
        return;
    }
    const auto result = readResultSign(ui.resultEdit->text().toStdString());
    if (!result) {
        warn(messages::kResultError);
        ui.resultEdit->clear();
        return;
    }
    // A player chosen from FIDE's list goes with his game to the history, by name.
    if (const auto opponent = opponentSuggestions_->chosen()) {
        session_.addPeriodGame(
            HistoryGame{GameEntry{*rating, *result}, opponent->name, {}, {}, {}});
    } else {
        session_.addGame(GameEntry{*rating, *result});
    }
    opponentSuggestions_->forgetChosen();
    ui.gameList->verticalScrollBar()->setValue(ui.gameList->verticalScrollBar()->maximum());
    if (settings_.clearEntryFields) {
        ui.resultEdit->clear();
        ui.opponentEdit->clear();
    }
    // Selected, so that the next rating typed replaces the last one.
    ui.opponentEdit->setFocus(Qt::OtherFocusReason);
    ui.opponentEdit->selectAll();
}

void MainWindow::deleteGame() {
    const MainWindowControls& ui = *ui_;
    session_.removeGame(readWholeNumber(ui.deleteNumberEdit->text().toStdString()).value);
    if (settings_.clearEntryFields) {
        ui.deleteNumberEdit->clear();
    }
    if (settings_.autoCalculate) {
        calculateAutomatically();
    }
    showGameCount();
    savePlayer();
}

void MainWindow::clearGames() {
    ui_->opponentEdit->clear();
    ui_->resultEdit->clear();
    clearResults();
    session_.clearGames();
    showGameCount();
    savePlayer();
}

void MainWindow::quit() {
    close();
}

void MainWindow::showGameCount() {
    ui_->gameCountValue->setText(QString::number(session_.games().count));
    ui_->gameCountValue->adjustSize();
}

void MainWindow::showList() {
    ui_->gameList->setPlainText(QString::fromStdString(session_.gameListText().lines()));
}

void MainWindow::warn(std::string_view message) {
    actionBoxes_.warning(this, fromUtf8(message));
}

}  // namespace tavolin
