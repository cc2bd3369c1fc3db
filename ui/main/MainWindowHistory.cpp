// SPDX-License-Identifier: GPL-3.0-or-later
// Closing a period into the history, and the history window.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include "HistoryValues.h"
#include "HistoryWindow.h"
#include "MainWindow.h"
#include "MainWindowControls.h"
#include "RatingHistory.h"
#include "TextReading.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

void MainWindow::connectHistory() {
    const MainWindowControls& ui = *ui_;
    connectHandler(ui.historyButton, &MainWindow::showHistory, Qt::CTRL | Qt::Key_H);
    connectHandler(ui.closePeriodButton, &MainWindow::closePeriod, Qt::CTRL | Qt::Key_K);
}

QString MainWindow::historyPath() const {
    return QFileInfo(files_.players).dir().filePath(kHistoryFileName);
}

// The period as the screen shows it: the figures of the last calculation, which match it.
HistoryPeriod MainWindow::periodOnScreen() const {
    const MainWindowControls& ui = *ui_;
    HistoryPeriod period;
    period.closedAt = QDateTime::currentDateTime();  // kept to the second
    period.slot = session_.current();
    period.playerName = session_.name(period.slot);
    period.system = checkedSystem();
    if (period.system == RatingSystem::Fide) {
        period.coefficient = session_.fideCoefficient();
    } else if (period.system == RatingSystem::Fide2024) {
        period.coefficient = session_.fide2024Coefficient();
    }
    period.young = session_.young();
    if (!session_.ratingText().trimmed().isEmpty()) {
        period.ratingBefore = readWholeNumber(session_.ratingText().toStdString()).value;
    }
    period.average = ui.averageValue->text();
    period.score = ui.scoreValue->text();
    period.performance = ui.performanceValue->text();
    period.newRatingText = ui.newRatingValue->text();
    // The field takes a whole rating: "885,7" becomes 886.
    period.newRating = nearestWholeOfFigure(period.newRatingText.toStdString(),
                                            QLocale().decimalPoint().toStdString())
                           .value_or(0);
    period.games = session_.periodGames();
    return period;
}

// The history is written first: should it fail, the screen and the player file stay as
// they were, and the period can be closed again.
void MainWindow::closePeriod() {
    if (checkedSystem() == RatingSystem::Perf) {
        warn(messages::kPerfClosesNothing);
        return;
    }
    if (!lastCalculation_ || !resultsCurrent_ || ui_->newRatingValue->text().isEmpty()) {
        warn(messages::kNoCalculationToClose);
        return;
    }
    if (session_.games().count == 0) {
        warn(messages::kNoGameToClose);
        return;
    }
    HistoryPeriod period = periodOnScreen();
    if (period.newRating <= 0) {
        warn(messages::kNoCalculationToClose);
        return;
    }
    const bool firstFideRating = period.system == RatingSystem::Fide2024 && !period.ratingBefore;
    const bool oneGame = period.games.size() == 1;
    QString question =
        oneGame ? fromUtf8(messages::kClosePeriodQuestionOneGame).arg(period.newRating)
                : fromUtf8(messages::kClosePeriodQuestion)
                      .arg(QString::number(period.newRating), QString::number(period.games.size()));
    if (firstFideRating) {
        question += fromUtf8(messages::kFirstRatingCoefficient);
    }
    // The day it closed: today, or an earlier one for a period entered to catch up.
    const QDateTime now = QDateTime::currentDateTime();
    const std::optional<QDate> closedOn = actionBoxes_.questionWithDate(this, question, now.date());
    if (!closedOn) {
        return;
    }
    // Whatever happened while the question was open, only what it asked about is closed.
    HistoryPeriod onScreen = periodOnScreen();
    onScreen.closedAt = period.closedAt;
    if (onScreen != period || !lastCalculation_ || !resultsCurrent_) {
        warn(messages::kPeriodChangedDuringQuestion);
        return;
    }
    period.closedAt = closingMoment(std::min(*closedOn, now.date()), now.time());
    RatingHistory history(historyPath());
    const qint64 added = history.add(period);
    // The history and the player file never disagree: a player that cannot be saved takes
    // the period out of the history again, and the screen is as it was.
    const PlayerSession::Period before = session_.currentPeriod();
    const QStringList results = resultTexts();
    const auto calculation = lastCalculation_;
    const int coefficientBefore = session_.fide2024Coefficient();
    try {
        ui_->ratingEdit->setText(QString::number(period.newRating));
        if (firstFideRating) {
            setFide2024Coefficient(kFide2024NewPlayerCoefficient);
        }
        clearGames();  // saves the player, new rating and all
    } catch (...) {
        if (firstFideRating) {
            setFide2024Coefficient(coefficientBefore);
        }
        ui_->ratingEdit->setText(before.ratingText);
        session_.restorePeriod(before);
        showGameCount();
        lastCalculation_ = calculation;
        showResults(results);
        saveTimer_->stop();
        try {
            history.remove(added);
        } catch (...) {
            // The save's failure is what the user must know first; the history says its own
            // at its next use.
        }
        throw;
    }
    saveTimer_->stop();  // nothing left for it to save
    const QString games = QString::number(period.games.size());
    const QString ratingBefore =
        period.ratingBefore ? QString::number(*period.ratingBefore) : QString();
    const QString newRating = QString::number(period.newRating);
    const bool singleGame = period.games.size() == 1;
    QString note;
    if (period.ratingBefore) {
        note = singleGame
                   ? fromUtf8(messages::kPeriodClosedNoteOneGame).arg(ratingBefore, newRating)
                   : fromUtf8(messages::kPeriodClosedNote).arg(ratingBefore, newRating, games);
    } else {
        note = singleGame ? fromUtf8(messages::kFirstRatingClosedNoteOneGame).arg(newRating)
                          : fromUtf8(messages::kFirstRatingClosedNote).arg(newRating, games);
    }
    setResult(ui_->notesValue, note);
    ui_->notesValue->setToolTip(ui_->notesValue->text());
    ui_->notesValue->setEnabled(true);  // news of the closing, not a figure gone stale
    ui_->opponentEdit->setFocus(Qt::OtherFocusReason);  // the next period's first game
}

// The K factor of the 2024 rules in force, as the coefficient box shows it.
void MainWindow::setFide2024Coefficient(int coefficient) {
    session_.setFide2024Coefficient(coefficient);
    session_.setCoefficientText(QString::number(coefficient));
    showCoefficientChoices(RatingSystem::Fide2024);
}

void MainWindow::showHistory() {
    saveBeforeOpening();
    const int slot = session_.current();
    if (slot == 0) {
        return;
    }
    const QString name = session_.name(slot);
    HistoryWindow window(historyPath(), slot, name, boxes_, this);
    window.setReopener([this] { return reopenLatestPeriod(); });
    window.readPeriods();
    execOwnWindow(window);
}

// The player's latest period back on screen: its games, with what a PGN file gave them, and
// the rating before it. The history first, in one transaction; a player that cannot be
// saved puts the period back into it.
QString MainWindow::reopenLatestPeriod() {
    if (session_.games().count != 0) {
        return fromUtf8(messages::kReopenNeedsNoGames);
    }
    RatingHistory history(historyPath());
    const std::optional<HistoryPeriod> period = history.takeLatest(session_.current());
    if (!period) {
        return {};
    }
    const QString ratingAfter = ui_->ratingEdit->text();
    try {
        ui_->ratingEdit->setText(period->ratingBefore ? QString::number(*period->ratingBefore)
                                                      : QString());
        for (const HistoryGame& game : period->games) {
            session_.addPeriodGame(game);
        }
        showGameCount();
        clearResults();
        savePlayer();
    } catch (...) {
        session_.clearGames();
        showGameCount();
        ui_->ratingEdit->setText(ratingAfter);
        saveTimer_->stop();
        try {
            history.add(*period);
        } catch (...) {
            // The save's failure is told first; the history says its own at its next use.
        }
        throw;
    }
    saveTimer_->stop();
    return {};
}

}  // namespace tavolin
