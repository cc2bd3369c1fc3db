// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrfImportDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "DialogStart.h"
#include "ErrorBoundary.h"
#include "ImportedGamesTable.h"
#include "PgnImportDialogControls.h"
#include "PlayerNames.h"
#include "TrfFile.h"
#include "TrfImport.h"
#include "TrfOwnRating.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

// Reports write "2024/03/02" or "2024.03.02": kept in the PGN form, which the history and
// its window read.
std::string pgnDate(std::string written) {
    std::replace(written.begin(), written.end(), '/', '.');
    return written;
}

QString playerText(const TrfPlayer& player) {
    return player.rating ? QStringLiteral("%1 (%2)").arg(fromUtf8(player.name),
                                                         QString::number(*player.rating))
                         : fromUtf8(player.name);
}

}  // namespace

TrfImportDialog::TrfImportDialog(QString path, QString player, QString ratingText,
                                 MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<PgnImportDialogControls>()),
      boxes_(boxes),
      path_(std::move(path)),
      wanted_(std::move(player)),
      ratingText_(std::move(ratingText)) {
    startDialog(*this,
                {QStringLiteral("TrfImportDialog"), tr("Importer des parties (TRF)"), {620, 420}},
                *ui_, QFileInfo(path_).fileName());
    ui_->progressBar->hide();
    ui_->stopButton->hide();
    ui_->readAgainButton->hide();

    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui_->playerBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            runHandler(boxes_, this, [this, index] { showGamesOf(index); });
        }
    });
    runHandler(boxes_, this, [this] { readFile(); });
}

TrfImportDialog::~TrfImportDialog() = default;

void TrfImportDialog::readFile() {
    QByteArray bytes;
    const QString error = readTrfFile(path_, bytes);
    if (!error.isEmpty()) {
        ui_->skippedLabel->setText(error);
        return;
    }
    event_ = readTrf({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    showPlayers();
}

void TrfImportDialog::showPlayers() {
    if (event_.players.empty()) {
        ui_->skippedLabel->setText(fromUtf8(messages::kTrfNoPlayer).arg(path_));
        return;
    }
    const QSignalBlocker quiet(ui_->playerBox);
    ui_->playerBox->clear();
    for (const TrfPlayer& player : event_.players) {
        ui_->playerBox->addItem(playerText(player));
    }
    choosePlayerFor(wanted_);
}

// The same rule as the PGN import: only a player whose name matches is chosen for the user.
void TrfImportDialog::choosePlayerFor(const QString& wanted) {
    QStringList names;
    for (const TrfPlayer& player : event_.players) {
        names.append(fromUtf8(player.name));
    }
    const PlayerChoice choice = choosePlayer(wanted, names);
    if (choice.chosen >= 0) {
        const QSignalBlocker quiet(ui_->playerBox);
        ui_->playerBox->setCurrentIndex(choice.chosen);
        showGamesOf(choice.chosen);
        return;
    }
    ui_->playerBox->setCurrentIndex(-1);
    clearGames();
    ui_->skippedLabel->setText(noPlayerChosenText(wanted, names, choice));
}

void TrfImportDialog::clearGames() {
    ui_->gameTable->setRowCount(0);
    shownGames_.clear();
    ratingToFill_.reset();
    ui_->importButton->setEnabled(false);
}

void TrfImportDialog::showGamesOf(int player) {
    clearGames();
    const TrfPlayer& chosen = event_.players.at(static_cast<std::size_t>(player));
    const TrfPlayerGames games = trfPlayerGames(event_, chosen);
    for (PgnImportedGame game : games.games) {
        game.date = pgnDate(std::move(game.date));
        shownGames_.push_back(std::move(game));
    }
    showImportedGames(*ui_->gameTable, shownGames_);
    QStringList said;
    if (!games.skippedSummary().empty()) {
        said.append(fromUtf8(games.skippedSummary()));
    }
    if (games.ownRating) {
        const std::string field = ratingText_.toStdString();
        ratingToFill_ = trfRatingForField(field, games.ownRating);
        said.append(fromUtf8(ratingToFill_ ? messages::kTrfRatingFilled : messages::kTrfRatingKept)
                        .arg(*games.ownRating));
    }
    if (const std::string damage = trfDamageSummary(event_); !damage.empty()) {
        said.append(fromUtf8(damage));
    }
    ui_->skippedLabel->setText(said.join(QLatin1Char('\n')));
    // His rating alone is worth importing, even from an event without a rated game.
    ui_->importButton->setEnabled(!shownGames_.empty() || ratingToFill_.has_value());
}

std::vector<PgnImportedGame> TrfImportDialog::tickedGames() const {
    return tickedImportedGames(*ui_->gameTable, shownGames_);
}

}  // namespace tavolin
