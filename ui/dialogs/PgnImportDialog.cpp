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

#include "DesktopHabits.h"
#include "Fonts.h"
#include "Messages.h"
#include "PgnFile.h"
#include "ProgramIcon.h"
#include "Utf8.h"

namespace tavolin {

namespace {

QString resultText(const GameEntry& entry) {
    return entry.resultat == gagne   ? QStringLiteral("+")
           : entry.resultat == nulle ? QStringLiteral("=")
                                     : QStringLiteral("-");
}

}  // namespace

PgnImportDialog::PgnImportDialog(QString path, QString player, QWidget* parent)
    : QDialog(parent), path_(std::move(path)), preselected_(std::move(player)) {
    setObjectName(QStringLiteral("PgnImportDialog"));
    setWindowTitle(QStringLiteral("Importer des parties (PGN)"));
    setWindowIcon(programIcon());
    setFont(interfaceFont());
    resize(620, 420);

    auto* layout = new QVBoxLayout(this);
    auto* file = new QLabel(QFileInfo(path_).fileName(), this);
    layout->addWidget(file);
    auto* playerCaption = new QLabel(QStringLiteral("Joueur :"), this);
    layout->addWidget(playerCaption);
    players_ = new QComboBox(this);
    players_->setObjectName(QStringLiteral("players"));
    playerCaption->setBuddy(players_);
    layout->addWidget(players_);

    games_ = new QTableWidget(0, 6, this);
    games_->setObjectName(QStringLiteral("games"));
    games_->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Tournoi"),
                                       QStringLiteral("Ronde"), QStringLiteral("Adversaire"),
                                       QStringLiteral("Elo"), QStringLiteral("Résultat")});
    games_->verticalHeader()->hide();
    games_->verticalHeader()->setDefaultSectionSize(games_->fontMetrics().height() + 6);
    games_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    games_->setSelectionBehavior(QAbstractItemView::SelectRows);
    games_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(games_, 1);

    skipped_ = new QLabel(this);
    skipped_->setObjectName(QStringLiteral("skipped"));
    skipped_->setWordWrap(true);
    layout->addWidget(skipped_);

    auto* reading = new QHBoxLayout;
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1000);
    reading->addWidget(progress_, 1);
    stop_ = new QPushButton(QStringLiteral("Arrêter la lecture"), this);
    stop_->setObjectName(QStringLiteral("stop"));
    reading->addWidget(stop_);
    layout->addLayout(reading);

    auto* buttons = new QDialogButtonBox(this);
    import_ = buttons->addButton(QStringLiteral("Importer"), QDialogButtonBox::AcceptRole);
    import_->setObjectName(QStringLiteral("import"));
    import_->setEnabled(false);
    buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(stop_, &QPushButton::clicked, this, [this] { stopReading(); });
    connect(players_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            readGamesOf(players_->itemData(index).toString());
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
    progress_->setValue(0);
    progress_->show();
    stop_->show();
    import_->setEnabled(false);
    thread_.reset(QThread::create([this, generation, stop = stopRequested_, path = path_,
                                   handler = std::move(handler), done = std::move(done)] {
        PgnReader reader(handler);
        const QString error = readPgnFile(path, reader, [&](qint64 read, qint64 size) {
            const int permille = size > 0 ? static_cast<int>(read * 1000 / size) : 1000;
            QMetaObject::invokeMethod(progress_, "setValue", Qt::QueuedConnection,
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
                progress_->hide();
                stop_->hide();
                if (!stopped) {
                    done(error, truncated);
                } else {
                    skipped_->setText(fromUtf8(messages::kPgnReadingStopped));
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
                         skipped_->setText(error);
                         return;
                     }
                     showPlayers(list->players());
                 });
}

void PgnImportDialog::showPlayers(const std::vector<PgnPlayer>& players) {
    if (players.empty()) {
        skipped_->setText(fromUtf8(messages::kPgnNoPlayer).arg(path_));
        return;
    }
    const QSignalBlocker quiet(players_);
    int chosen = 0;
    const std::string wanted = comparableName(preselected_.toStdString());
    for (const PgnPlayer& player : players) {
        const QString name = fromUtf8(player.name);
        if (!wanted.empty() && comparableName(player.name) == wanted) {
            chosen = players_->count();
        }
        players_->addItem(QStringLiteral("%1 (%2)").arg(name).arg(player.games), name);
    }
    players_->setCurrentIndex(chosen);
    readGamesOf(players_->itemData(chosen).toString());
}

void PgnImportDialog::readGamesOf(const QString& player) {
    auto games = std::make_shared<PgnPlayerGames>(player.toStdString());
    startReading([games](const PgnGameTags& game) { games->add(game); },
                 [this, games](const QString& error, bool truncated) {
                     if (!error.isEmpty()) {
                         skipped_->setText(error);
                         return;
                     }
                     showGames(*games, truncated);
                 });
}

void PgnImportDialog::showGames(const PgnPlayerGames& games, bool truncated) {
    games_->setRowCount(0);
    shownGames_.clear();
    for (const PgnImportedGame& game : games.games()) {
        const int row = games_->rowCount();
        games_->insertRow(row);
        auto* date = new QTableWidgetItem(fromUtf8(game.date));
        date->setFlags(date->flags() | Qt::ItemIsUserCheckable);
        date->setCheckState(Qt::Checked);
        games_->setItem(row, 0, date);
        games_->setItem(row, 1, new QTableWidgetItem(fromUtf8(game.event)));
        games_->setItem(row, 2, new QTableWidgetItem(fromUtf8(game.round)));
        games_->setItem(row, 3, new QTableWidgetItem(fromUtf8(game.opponent)));
        games_->setItem(row, 4, new QTableWidgetItem(QString::number(game.entry.eloadv)));
        games_->setItem(row, 5, new QTableWidgetItem(resultText(game.entry)));
        shownGames_.push_back(game.entry);
    }
    games_->resizeColumnsToContents();
    QString text = fromUtf8(games.skippedSummary());
    if (truncated) {
        text += QLatin1Char('\n') + fromUtf8(messages::kPgnDamaged).arg(path_);
    }
    skipped_->setText(text);
    import_->setEnabled(!shownGames_.empty());
}

std::vector<GameEntry> PgnImportDialog::tickedGames() const {
    std::vector<GameEntry> ticked;
    for (int row = 0; row < games_->rowCount(); ++row) {
        if (games_->item(row, 0)->checkState() == Qt::Checked) {
            ticked.push_back(shownGames_.at(static_cast<std::size_t>(row)));
        }
    }
    return ticked;
}

}  // namespace tavolin
