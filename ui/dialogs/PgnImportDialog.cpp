// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgnImportDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <stdexcept>

#include "Controls.h"
#include "DialogStart.h"
#include "ErrorBoundary.h"
#include "ImportedGamesTable.h"
#include "PgnImportDialogControls.h"
#include "PgnReading.h"
#include "PgnText.h"
#include "PlayerNames.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

void PgnImportDialogControls::setupUi(QWidget* dialog, const QString& fileName) {
    auto* layout = new QVBoxLayout(dialog);
    fileLabel = new QLabel(fileName, dialog);
    layout->addWidget(fileLabel);
    playerCaption =
        new QLabel(QCoreApplication::translate("tavolin::PgnImportDialog", "Joueur :"), dialog);
    layout->addWidget(playerCaption);
    playerBox = new QComboBox(dialog);
    playerBox->setPlaceholderText(
        QCoreApplication::translate("tavolin::PgnImportDialog", "Choisissez le joueur"));
    playerCaption->setBuddy(playerBox);
    layout->addWidget(playerBox);

    gameTable = new QTableWidget(0, 6, dialog);
    gameTable->setAccessibleName(
        QCoreApplication::translate("tavolin::PgnImportDialog", "Parties à importer"));
    gameTable->setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QCoreApplication::translate("tavolin::PgnImportDialog", "Tournoi"),
         QCoreApplication::translate("tavolin::PgnImportDialog", "Ronde"),
         QCoreApplication::translate("tavolin::PgnImportDialog", "Adversaire"),
         QStringLiteral("Elo"),
         QCoreApplication::translate("tavolin::PgnImportDialog", "Résultat")});
    gameTable->verticalHeader()->hide();
    gameTable->verticalHeader()->setDefaultSectionSize(gameTable->fontMetrics().height() + 6);
    gameTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gameTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The event and the opponent take the width the others leave: no scroll bar for nothing.
    for (const int column : {0, 2, 4, 5}) {
        gameTable->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    for (const int column : {1, 3}) {
        gameTable->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    }
    layout->addWidget(gameTable, 1);

    skippedLabel = new QLabel(dialog);
    skippedLabel->setWordWrap(true);
    layout->addWidget(skippedLabel);

    auto* reading = new QHBoxLayout;
    progressBar = new QProgressBar(dialog);
    progressBar->setRange(0, 1000);
    reading->addWidget(progressBar, 1);
    stopButton = new QPushButton(
        QCoreApplication::translate("tavolin::PgnImportDialog", "Arrêter la lecture"), dialog);
    reading->addWidget(stopButton);
    readAgainButton = new QPushButton(
        QCoreApplication::translate("tavolin::PgnImportDialog", "Relire le fichier"), dialog);
    readAgainButton->hide();
    reading->addWidget(readAgainButton);
    layout->addLayout(reading);

    buttons = new QDialogButtonBox(dialog);
    importButton =
        buttons->addButton(QCoreApplication::translate("tavolin::PgnImportDialog", "Importer"),
                           QDialogButtonBox::AcceptRole);
    importButton->setEnabled(false);
    cancelButton =
        buttons->addButton(QCoreApplication::translate("tavolin::PgnImportDialog", "Annuler"),
                           QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    nameControls(*this);
}

PgnImportDialog::PgnImportDialog(QString path, QString player, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<PgnImportDialogControls>()),
      boxes_(boxes),
      path_(std::move(path)),
      wanted_(std::move(player)) {
    startDialog(*this,
                {QStringLiteral("PgnImportDialog"), tr("Importer des parties (PGN)"), {620, 420}},
                *ui_, QFileInfo(path_).fileName());

    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui_->stopButton, &QPushButton::clicked, this, [this] { stopReading(); });
    connect(ui_->readAgainButton, &QPushButton::clicked, this,
            [this] { runTellingFailures(readAgain_); });
    connect(ui_->playerBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            runTellingFailures([this, index] { readGamesOf(index); });
        }
    });
    runTellingFailures([this] { readPlayers(); });
}

// A reading under way is asked to stop and left to end by itself.
PgnImportDialog::~PgnImportDialog() {
    stopReading();
}

void PgnImportDialog::runTellingFailures(const std::function<void()>& handler) {
    runHandler(boxes_, this, handler);
}

void PgnImportDialog::stopReading() {
    if (reading_) {
        reading_->stop();
    }
}

void PgnImportDialog::startReading(PgnReader::GameHandler handler, Done done,
                                   const QString& stoppedText) {
    if (reading_) {  // one reading at a time: the last one asked for wins
        reading_->stop();
        reading_->disconnect();  // its progress too: the bar is the new reading's
    }
    done_ = std::move(done);
    stoppedText_ = stoppedText;
    ui_->progressBar->setValue(0);
    ui_->progressBar->show();
    ui_->stopButton->show();
    ui_->readAgainButton->hide();
    reading_ = PgnReading::create(path_, std::move(handler));
    connect(reading_, &PgnReading::progressed, ui_->progressBar, &QProgressBar::setValue);
    connect(reading_, &PgnReading::finished, this,
            [this](const QString& error, bool truncated, bool stopped, const QString& failure) {
                runTellingFailures([&] { finishReading(error, truncated, stopped, failure); });
            });
    reading_->start();
}

void PgnImportDialog::finishReading(const QString& error, bool truncated, bool stopped,
                                    const QString& failure) {
    reading_ = nullptr;
    ui_->progressBar->hide();
    ui_->stopButton->hide();
    if (!failure.isEmpty()) {
        ui_->readAgainButton->show();
        throw std::runtime_error(failure.toStdString());
    }
    if (stopped) {
        ui_->skippedLabel->setText(stoppedText_);
        ui_->readAgainButton->show();
    } else {
        done_(error, truncated);
    }
    emit readingDone();
}

void PgnImportDialog::readPlayers() {
    readAgain_ = [this] { readPlayers(); };
    auto list = std::make_shared<PgnPlayerList>(utf8NameKey);
    startReading([list](const PgnGameTags& game) { list->add(game); },
                 [this, list](const QString& error, bool) {
                     if (!error.isEmpty()) {
                         ui_->skippedLabel->setText(error);
                         return;
                     }
                     showPlayers(std::move(*list).players());
                 },
                 fromUtf8(messages::kPgnReadingStoppedEarly));
}

void PgnImportDialog::showPlayers(std::vector<PgnPlayer> players) {
    players_ = std::move(players);
    if (players_.empty()) {
        ui_->skippedLabel->setText(fromUtf8(messages::kPgnNoPlayer).arg(path_));
        return;
    }
    const QSignalBlocker quiet(ui_->playerBox);
    ui_->playerBox->clear();
    for (const PgnPlayer& player : players_) {
        ui_->playerBox->addItem(
            QStringLiteral("%1 (%2)").arg(fromUtf8(player.name), QString::number(player.games)));
    }
    choosePlayerFor(wanted_);
}

// Only a player whose name matches is chosen for the user; he picks any other himself.
void PgnImportDialog::choosePlayerFor(const QString& wanted) {
    QStringList names;
    for (const PgnPlayer& player : players_) {
        names.append(fromUtf8(player.name));
    }
    const PlayerChoice choice = choosePlayer(wanted, names);
    if (choice.chosen >= 0) {
        ui_->playerBox->setCurrentIndex(choice.chosen);
        readGamesOf(choice.chosen);
        return;
    }
    ui_->playerBox->setCurrentIndex(-1);
    clearGames();
    ui_->skippedLabel->setText(noPlayerChosenText(wanted, names, choice));
}

void PgnImportDialog::readGamesOf(int player) {
    readAgain_ = [this, player] { readGamesOf(player); };
    clearGames();  // nobody else's games under this player's name, whatever happens next
    ui_->skippedLabel->clear();
    auto games = std::make_shared<PgnPlayerGames>(players_.at(static_cast<std::size_t>(player)).key,
                                                  utf8NameKey);
    startReading([games](const PgnGameTags& game) { games->add(game); },
                 [this, games](const QString& error, bool truncated) {
                     if (!error.isEmpty()) {
                         ui_->skippedLabel->setText(error);
                         return;
                     }
                     showGames(*games, truncated);
                 },
                 fromUtf8(messages::kPgnReadingStopped));
}

void PgnImportDialog::clearGames() {
    ui_->gameTable->setRowCount(0);
    shownGames_.clear();
    ui_->importButton->setEnabled(false);
}

void PgnImportDialog::showGames(const PgnPlayerGames& games, bool truncated) {
    clearGames();
    shownGames_ = games.games();
    showImportedGames(*ui_->gameTable, shownGames_);
    QString text = fromUtf8(games.skippedSummary());
    if (truncated) {
        text += QLatin1Char('\n') + fromUtf8(messages::kPgnDamaged).arg(path_);
    }
    ui_->skippedLabel->setText(text);
    ui_->importButton->setEnabled(!shownGames_.empty());
}

std::vector<PgnImportedGame> PgnImportDialog::tickedGames() const {
    return tickedImportedGames(*ui_->gameTable, shownGames_);
}

}  // namespace tavolin
