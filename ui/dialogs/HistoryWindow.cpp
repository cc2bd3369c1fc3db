// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryWindow.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "DialogStart.h"
#include "ErrorBoundary.h"
#include "HistoryListing.h"
#include "HistoryTexts.h"
#include "HistoryWindowControls.h"
#include "MessageBoxes.h"
#include "PlayerNames.h"
#include "RatingChart.h"
#include "ReadableColour.h"
#include "UserMessages.h"
#include "Utf8.h"
#include "WholeFile.h"

namespace tavolin {

namespace {

// A cell of the period table, its text and alignment held plainly rather than in the item's
// list of roles: a long history's rows take a third less memory and time.
class PeriodCell : public QTableWidgetItem {
public:
    PeriodCell(QString text, Qt::Alignment alignment)
        : text_(std::move(text)), alignment_(alignment) {}

    QVariant data(int role) const override {
        if (role == Qt::DisplayRole) {
            return text_;
        }
        if (role == Qt::TextAlignmentRole) {
            return static_cast<int>(alignment_);
        }
        return QTableWidgetItem::data(role);
    }

private:
    QString text_;
    Qt::Alignment alignment_;
};

}  // namespace

void HistoryWindowControls::setupUi(QWidget* window) {
    auto* layout = new QVBoxLayout(window);
    ratingChart = new QChartView(window);
    ratingChart->setRenderHint(QPainter::Antialiasing);
    // Small enough for the window to fit a screen of 450 points (1280 x 900 at a scale of 2).
    ratingChart->setMinimumHeight(180);
    ratingChart->setAccessibleName(
        QCoreApplication::translate("RatingChart", "Courbe de classement"));
    layout->addWidget(ratingChart, 3);
    summaryLabel = new QLabel(window);
    summaryLabel->setWordWrap(true);
    layout->addWidget(summaryLabel);
    periodTable = new QTableWidget(0, static_cast<int>(historyColumnTitles().size()), window);
    periodTable->setHorizontalHeaderLabels(historyColumnTitles());
    periodTable->setAccessibleName(
        QCoreApplication::translate("tavolin::HistoryWindow", "Périodes closes"));
    periodTable->verticalHeader()->hide();
    periodTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    periodTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    periodTable->setSelectionMode(QAbstractItemView::SingleSelection);
    periodTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(periodTable, 2);
    // The games of the period selected above.
    gameTable = new QTableWidget(0, static_cast<int>(historyGameColumnTitles().size()), window);
    gameTable->setHorizontalHeaderLabels(historyGameColumnTitles());
    gameTable->setAccessibleName(
        QCoreApplication::translate("tavolin::HistoryWindow", "Parties de la période"));
    gameTable->verticalHeader()->hide();
    gameTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gameTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(gameTable, 1);
    auto* buttons = new QHBoxLayout;
    reopenButton = new QPushButton(
        QCoreApplication::translate("tavolin::HistoryWindow", "&Rouvrir la période"), window);
    deleteButton = new QPushButton(
        QCoreApplication::translate("tavolin::HistoryWindow", "&Supprimer la période"), window);
    exportButton = new QPushButton(
        QCoreApplication::translate("tavolin::HistoryWindow", "E&xporter en CSV…"), window);
    closeButton =
        new QPushButton(QCoreApplication::translate("tavolin::HistoryWindow", "&Fermer"), window);
    closeButton->setDefault(true);
    buttons->addWidget(reopenButton);
    buttons->addWidget(deleteButton);
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    nameControls(*this);
}

HistoryWindow::HistoryWindow(QString historyPath, int slot, const QString& playerName,
                             MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<HistoryWindowControls>()),
      boxes_(boxes),
      historyPath_(std::move(historyPath)),
      slot_(slot),
      playerName_(playerName),
      history_(historyPath_),
      readingTimer_(new QTimer(this)) {
    startDialog(*this,
                {QStringLiteral("HistoryWindow"),
                 tr("Historique de %1").arg(playerCalled(slot_, playerName_)),
                 {680, 560}},
                *ui_);
    connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connectButton(ui_->reopenButton, &HistoryWindow::reopenLatestPeriod);
    connectButton(ui_->deleteButton, &HistoryWindow::deleteSelectedPeriod);
    connectButton(ui_->exportButton, &HistoryWindow::exportCsv);
    connect(ui_->periodTable, &QTableWidget::itemSelectionChanged, this, [this] {
        showButtons();
        runHandler(boxes_, this, [this] { showSelectedGames(); });
    });
    connect(readingTimer_, &QTimer::timeout, this, &HistoryWindow::continueReading);
    csvFileChooser_ = [this](const QString& suggested) {
        const QString periods = tr("Périodes, une ligne chacune (*.csv)");
        const QString games = tr("Parties, une ligne chacune (*.csv)");
        QString chosen = periods;
        const QString path = QFileDialog::getSaveFileName(
            this, tr("Exporter l'historique"), QDir::home().filePath(suggested),
            periods + QStringLiteral(";;") + games, &chosen);
        return CsvChoice{path, chosen == games};
    };
    showSummary();
    showButtons();
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::connectButton(QPushButton* button, void (HistoryWindow::*action)()) {
    connect(button, &QPushButton::clicked, this,
            [this, action] { runHandler(boxes_, this, [this, action] { (this->*action)(); }); });
}

bool HistoryWindow::isReading() const {
    return listing_ != nullptr || listedRows_ < periods_.size();
}

void HistoryWindow::readPeriods() {
    stopReading();
    periods_.clear();
    listedRows_ = 0;
    ui_->periodTable->setRowCount(0);
    ui_->summaryLabel->clear();
    showButtons();
    try {
        listing_ = std::make_unique<HistoryListing>(historyPath_, slot_);
        // A short history is read and listed before the window shows.
        takeReadingStep();
        if (listing_ == nullptr) {
            takeReadingStep();
        }
    } catch (...) {
        stopReading();
        periods_.clear();
        listedRows_ = 0;
        ui_->periodTable->setRowCount(0);
        throw;
    }
    if (isReading()) {
        readingTimer_->start(0);
    }
}

// Either more periods read, or, once they all are, more of them listed.
void HistoryWindow::takeReadingStep() {
    if (listing_ != nullptr) {
        std::vector<PeriodSummary> more = listing_->next(readingStep_);
        periods_.insert(periods_.end(), std::make_move_iterator(more.begin()),
                        std::make_move_iterator(more.end()));
        if (listing_->atEnd()) {
            listing_.reset();
            showSummary();
        }
        return;
    }
    listRows(std::min(readingStep_, periods_.size() - listedRows_));
    if (!isReading()) {
        showLatest();
    }
}

// A failure tells the error box, and the window, which would show a history in part, closes.
void HistoryWindow::continueReading() {
    readingTimer_->stop();  // nothing runs again while the error box is open
    bool failed = true;
    runHandler(boxes_, this, [&] {
        takeReadingStep();
        failed = false;
    });
    if (failed) {
        stopReading();
        periods_.clear();
        reject();
    } else if (isReading()) {
        readingTimer_->start(0);
    }
}

// The history's file is let go.
void HistoryWindow::stopReading() {
    readingTimer_->stop();
    listing_.reset();
}

void HistoryWindow::done(int result) {
    stopReading();
    QDialog::done(result);
}

void HistoryWindow::listRows(std::size_t count) {
    QTableWidget* table = ui_->periodTable;
    const auto first = static_cast<int>(listedRows_);
    table->setRowCount(first + static_cast<int>(count));
    // Scores are written as the language shown writes numbers: "2,5", "2.5".
    const QChar decimalSeparator = QLocale().decimalPoint().front();
    for (std::size_t k = 0; k < count; ++k) {
        const QStringList texts = historyRow(periods_[listedRows_ + k], decimalSeparator);
        for (int column = 0; column < texts.size(); ++column) {
            table->setItem(first + static_cast<int>(k), column,
                           new PeriodCell(texts[column], column == 0 || column == 1
                                                             ? Qt::AlignLeft | Qt::AlignVCenter
                                                             : Qt::AlignRight | Qt::AlignVCenter));
        }
    }
    listedRows_ += count;
}

// The line on the periods and the curve, once the periods are all read.
void HistoryWindow::showSummary() {
    ui_->summaryLabel->setText(
        periods_.empty() ? fromUtf8(messages::kHistoryEmpty)
                         : (periods_.size() == 1 ? tr("1 période close")
                                                 : tr("%1 périodes closes").arg(periods_.size())));
    // The view does not delete the chart it replaces.
    QChart* replaced = ui_->ratingChart->chart();
    const bool dark = isDark(ui_->ratingChart->palette().color(QPalette::Window));
    ui_->ratingChart->setChart(
        ratingChart(periods_, dark ? ChartShade::Dark : ChartShade::Light).release());
    delete replaced;
    ui_->ratingChart->setAccessibleDescription(ratingCurveDescription(periods_));
}

// The latest period selected, with its games, once the periods are all listed.
void HistoryWindow::showLatest() {
    QTableWidget* table = ui_->periodTable;
    if (!periods_.empty()) {
        table->selectRow(table->rowCount() - 1);
        table->scrollToBottom();
    }
    showButtons();
}

void HistoryWindow::showButtons() {
    const bool listed = !isReading() && !periods_.empty();
    ui_->deleteButton->setEnabled(listed && !ui_->periodTable->selectedItems().isEmpty());
    ui_->exportButton->setEnabled(listed);
    showReopenable();
}

void HistoryWindow::showSelectedGames() {
    QTableWidget* table = ui_->gameTable;
    table->setRowCount(0);
    const QModelIndexList rows = ui_->periodTable->selectionModel()->selectedRows();
    if (rows.size() != 1 || rows.front().row() >= static_cast<int>(listedRows_)) {
        return;
    }
    const PeriodSummary& period = periods_.at(static_cast<std::size_t>(rows.front().row()));
    const std::vector<HistoryGame> games = history_.games(period.id);
    table->setRowCount(static_cast<int>(games.size()));
    for (std::size_t k = 0; k < games.size(); ++k) {
        const QStringList texts = historyGameRow(static_cast<int>(k) + 1, games[k]);
        for (int column = 0; column < texts.size(); ++column) {
            table->setItem(static_cast<int>(k), column, new QTableWidgetItem(texts[column]));
        }
    }
}

// Only the latest period can be reopened: the others' ratings were followed by more.
void HistoryWindow::showReopenable() {
    const QModelIndexList rows = ui_->periodTable->selectionModel()->selectedRows();
    ui_->reopenButton->setEnabled(reopener_ && !isReading() && !periods_.empty() &&
                                  rows.size() == 1 &&
                                  rows.front().row() == static_cast<int>(periods_.size()) - 1);
}

void HistoryWindow::reopenLatestPeriod() {
    if (!reopener_ || periods_.empty() || isReading()) {
        return;
    }
    if (const QString refusal = reopener_(); !refusal.isEmpty()) {
        boxes_.warning(this, refusal);
        return;
    }
    readPeriods();
}

// The row goes, and the others stay as they were read: a long history is not read again.
void HistoryWindow::deleteSelectedPeriod() {
    const QModelIndexList rows = ui_->periodTable->selectionModel()->selectedRows();
    if (rows.isEmpty() || isReading()) {
        return;
    }
    const auto row = static_cast<std::size_t>(rows.front().row());
    const PeriodSummary& period = periods_.at(row);
    QString question = fromUtf8(messages::kDeletePeriodQuestion).arg(periodName(period));
    if (row + 1 < periods_.size()) {
        question += fromUtf8(messages::kDeleteKeepsRating);
    }
    if (!boxes_.question(this, question)) {
        return;
    }
    history_.remove(period.id);
    periods_.erase(periods_.begin() + static_cast<std::ptrdiff_t>(row));
    listedRows_ = periods_.size();
    ui_->periodTable->removeRow(static_cast<int>(row));
    showSummary();
    showLatest();
}

void HistoryWindow::exportCsv() {
    if (isReading()) {
        return;
    }
    const CsvChoice choice =
        csvFileChooser_(tr("historique %1.csv").arg(playerCalled(slot_, playerName_)));
    QString path = choice.path;
    if (path.isEmpty()) {
        return;
    }
    // A name typed without its extension would not open in a spreadsheet by a double click.
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".csv");
    }
    // The games are read for their lines only.
    writeWholeFile(
        path, choice.gameByGame ? historyGamesCsv(history_.periods(slot_)) : historyCsv(periods_));
}

}  // namespace tavolin
