// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgnImportDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Controls.h"
#include "DesktopHabits.h"
#include "Fonts.h"
#include "Messages.h"
#include "PgnFile.h"
#include "PgnImportDialogControls.h"
#include "ProgramIcon.h"
#include "Utf8.h"

namespace tavolin {

namespace {

QString resultText(const GameEntry& entry) {
    return entry.score == kWinScore    ? QStringLiteral("+")
           : entry.score == kDrawScore ? QStringLiteral("=")
                                       : QStringLiteral("-");
}

}  // namespace

void PgnImportDialogControls::setupUi(QWidget* dialog, const QString& fileName) {
    auto* layout = new QVBoxLayout(dialog);
    fileLabel = new QLabel(fileName, dialog);
    layout->addWidget(fileLabel);
    playerCaption = new QLabel(QStringLiteral("Joueur :"), dialog);
    layout->addWidget(playerCaption);
    playerBox = new QComboBox(dialog);
    playerCaption->setBuddy(playerBox);
    layout->addWidget(playerBox);

    gameTable = new QTableWidget(0, 6, dialog);
    gameTable->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Tournoi"),
                                          QStringLiteral("Ronde"), QStringLiteral("Adversaire"),
                                          QStringLiteral("Elo"), QStringLiteral("Résultat")});
    gameTable->verticalHeader()->hide();
    gameTable->verticalHeader()->setDefaultSectionSize(gameTable->fontMetrics().height() + 6);
    gameTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gameTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    gameTable->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(gameTable, 1);

    skippedLabel = new QLabel(dialog);
    skippedLabel->setWordWrap(true);
    layout->addWidget(skippedLabel);

    auto* reading = new QHBoxLayout;
    progressBar = new QProgressBar(dialog);
    progressBar->setRange(0, 1000);
    reading->addWidget(progressBar, 1);
    stopButton = new QPushButton(QStringLiteral("Arrêter la lecture"), dialog);
    reading->addWidget(stopButton);
    layout->addLayout(reading);

    buttons = new QDialogButtonBox(dialog);
    importButton = buttons->addButton(QStringLiteral("Importer"), QDialogButtonBox::AcceptRole);
    importButton->setEnabled(false);
    cancelButton = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    nameControls(*this);
}

PgnImportDialog::PgnImportDialog(QString path, QString player, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<PgnImportDialogControls>()),
      path_(std::move(path)),
      preselected_(std::move(player)) {
    setObjectName(QStringLiteral("PgnImportDialog"));
    setWindowTitle(QStringLiteral("Importer des parties (PGN)"));
    setWindowIcon(programIcon());
    setFont(interfaceFont());
    resize(620, 420);
    ui_->setupUi(this, QFileInfo(path_).fileName());

    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui_->stopButton, &QPushButton::clicked, this, [this] { stopReading(); });
    connect(ui_->playerBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            readGamesOf(ui_->playerBox->itemData(index).toString());
        }
    });
    pressButtonsWithEnter(this);
    readPlayers();
}

PgnImportDialog::~PgnImportDialog() {
    stopReading();
    if (thread_) {
        thread_->wait();
    }
}

void PgnImportDialog::stopReading() {
    if (stopRequested_) {
        *stopRequested_ = true;
    }
}

void PgnImportDialog::startReading(PgnReader::GameHandler handler,
                                   std::function<void(const QString&, bool)> done) {
    if (thread_) {  // one reading at a time: the last one asked for wins
        stopReading();
        thread_->wait();
        thread_.reset();
    }
    const int generation = ++generation_;
    stopRequested_ = std::make_shared<std::atomic<bool>>(false);
    ui_->progressBar->setValue(0);
    ui_->progressBar->show();
    ui_->stopButton->show();
    ui_->importButton->setEnabled(false);
    thread_.reset(QThread::create([this, generation, stop = stopRequested_, path = path_,
                                   handler = std::move(handler), done = std::move(done)] {
        PgnReader reader(handler);
        const QString error = readPgnFile(path, reader, [&](qint64 read, qint64 size) {
            const int permille = size > 0 ? static_cast<int>(read * 1000 / size) : 1000;
            QMetaObject::invokeMethod(ui_->progressBar, "setValue", Qt::QueuedConnection,
                                      Q_ARG(int, permille));
            return !*stop;
        });
        const bool stopped = *stop;
        const bool truncated = reader.truncated();
        // Back on the interface thread; a reading replaced meanwhile says nothing.
        QMetaObject::invokeMethod(
            this,
            [this, generation, error, stopped, truncated, done] {
                if (generation != generation_) {
                    return;
                }
                thread_->wait();
                thread_.reset();
                ui_->progressBar->hide();
                ui_->stopButton->hide();
                if (!stopped) {
                    done(error, truncated);
                } else {
                    ui_->skippedLabel->setText(fromUtf8(messages::kPgnReadingStopped));
                }
                emit readingDone();
            },
            Qt::QueuedConnection);
    }));
    thread_->start();
}

void PgnImportDialog::readPlayers() {
    auto list = std::make_shared<PgnPlayerList>();
    startReading([list](const PgnGameTags& game) { list->add(game); },
                 [this, list](const QString& error, bool) {
                     if (!error.isEmpty()) {
                         ui_->skippedLabel->setText(error);
                         return;
                     }
                     showPlayers(list->players());
                 });
}

void PgnImportDialog::showPlayers(const std::vector<PgnPlayer>& players) {
    if (players.empty()) {
        ui_->skippedLabel->setText(fromUtf8(messages::kPgnNoPlayer).arg(path_));
        return;
    }
    const QSignalBlocker quiet(ui_->playerBox);
    int chosen = 0;
    const std::string wanted = comparableName(preselected_.toStdString());
    for (const PgnPlayer& player : players) {
        const QString name = fromUtf8(player.name);
        if (!wanted.empty() && comparableName(player.name) == wanted) {
            chosen = ui_->playerBox->count();
        }
        ui_->playerBox->addItem(QStringLiteral("%1 (%2)").arg(name).arg(player.games), name);
    }
    ui_->playerBox->setCurrentIndex(chosen);
    readGamesOf(ui_->playerBox->itemData(chosen).toString());
}

void PgnImportDialog::readGamesOf(const QString& player) {
    auto games = std::make_shared<PgnPlayerGames>(player.toStdString());
    startReading([games](const PgnGameTags& game) { games->add(game); },
                 [this, games](const QString& error, bool truncated) {
                     if (!error.isEmpty()) {
                         ui_->skippedLabel->setText(error);
                         return;
                     }
                     showGames(*games, truncated);
                 });
}

void PgnImportDialog::showGames(const PgnPlayerGames& games, bool truncated) {
    ui_->gameTable->setRowCount(0);
    shownGames_.clear();
    for (const PgnImportedGame& game : games.games()) {
        const int row = ui_->gameTable->rowCount();
        ui_->gameTable->insertRow(row);
        auto* date = new QTableWidgetItem(fromUtf8(game.date));
        date->setFlags(date->flags() | Qt::ItemIsUserCheckable);
        date->setCheckState(Qt::Checked);
        ui_->gameTable->setItem(row, 0, date);
        ui_->gameTable->setItem(row, 1, new QTableWidgetItem(fromUtf8(game.event)));
        ui_->gameTable->setItem(row, 2, new QTableWidgetItem(fromUtf8(game.round)));
        ui_->gameTable->setItem(row, 3, new QTableWidgetItem(fromUtf8(game.opponent)));
        ui_->gameTable->setItem(row, 4,
                                new QTableWidgetItem(QString::number(game.entry.opponentRating)));
        ui_->gameTable->setItem(row, 5, new QTableWidgetItem(resultText(game.entry)));
        shownGames_.push_back(game.entry);
    }
    ui_->gameTable->resizeColumnsToContents();
    QString text = fromUtf8(games.skippedSummary());
    if (truncated) {
        text += QLatin1Char('\n') + fromUtf8(messages::kPgnDamaged).arg(path_);
    }
    ui_->skippedLabel->setText(text);
    ui_->importButton->setEnabled(!shownGames_.empty());
}

std::vector<GameEntry> PgnImportDialog::tickedGames() const {
    std::vector<GameEntry> ticked;
    for (int row = 0; row < ui_->gameTable->rowCount(); ++row) {
        if (ui_->gameTable->item(row, 0)->checkState() == Qt::Checked) {
            ticked.push_back(shownGames_.at(static_cast<std::size_t>(row)));
        }
    }
    return ticked;
}

}  // namespace tavolin
