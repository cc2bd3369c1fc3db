// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryWindow.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "DialogStart.h"
#include "ErrorBoundary.h"
#include "HistoryTexts.h"
#include "HistoryWindowControls.h"
#include "MessageBoxes.h"
#include "PlayerNames.h"
#include "RatingChart.h"
#include "RatingHistory.h"
#include "UserMessages.h"
#include "Utf8.h"
#include "WholeFile.h"

namespace tavolin {

namespace {

// The history is French whatever the desktop's language: its scores take a comma.
const QChar kDecimalComma = QLatin1Char(',');

}  // namespace

void HistoryWindowControls::setupUi(QWidget* window) {
    auto* layout = new QVBoxLayout(window);
    ratingChart = new QChartView(window);
    ratingChart->setRenderHint(QPainter::Antialiasing);
    ratingChart->setMinimumHeight(240);
    layout->addWidget(ratingChart, 3);
    summaryLabel = new QLabel(window);
    summaryLabel->setWordWrap(true);
    layout->addWidget(summaryLabel);
    periodTable = new QTableWidget(0, static_cast<int>(historyColumnTitles().size()), window);
    periodTable->setHorizontalHeaderLabels(historyColumnTitles());
    periodTable->verticalHeader()->hide();
    periodTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    periodTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    periodTable->setSelectionMode(QAbstractItemView::SingleSelection);
    periodTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(periodTable, 2);
    // The games of the period selected above.
    gameTable = new QTableWidget(0, static_cast<int>(historyGameColumnTitles().size()), window);
    gameTable->setHorizontalHeaderLabels(historyGameColumnTitles());
    gameTable->verticalHeader()->hide();
    gameTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gameTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(gameTable, 1);
    auto* buttons = new QHBoxLayout;
    reopenButton = new QPushButton(QStringLiteral("&Rouvrir la période"), window);
    deleteButton = new QPushButton(QStringLiteral("&Supprimer la période"), window);
    exportButton = new QPushButton(QStringLiteral("E&xporter en CSV…"), window);
    closeButton = new QPushButton(QStringLiteral("&Fermer"), window);
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
      playerName_(playerName) {
    startDialog(*this,
                {QStringLiteral("HistoryWindow"),
                 QStringLiteral("Historique de %1").arg(playerCalled(slot_, playerName_)),
                 {680, 560}},
                *ui_);
    connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connectButton(ui_->reopenButton, &HistoryWindow::reopenLatestPeriod);
    connectButton(ui_->deleteButton, &HistoryWindow::deleteSelectedPeriod);
    connectButton(ui_->exportButton, &HistoryWindow::exportCsv);
    connect(ui_->periodTable, &QTableWidget::itemSelectionChanged, this, [this] {
        ui_->deleteButton->setEnabled(!ui_->periodTable->selectedItems().isEmpty());
        showReopenable();
        showSelectedGames();
    });
    csvFileChooser_ = [this](const QString& suggested) {
        const QString periods = QStringLiteral("Périodes, une ligne chacune (*.csv)");
        const QString games = QStringLiteral("Parties, une ligne chacune (*.csv)");
        QString chosen = periods;
        const QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("Exporter l'historique"), QDir::home().filePath(suggested),
            periods + QStringLiteral(";;") + games, &chosen);
        return CsvChoice{path, chosen == games};
    };
    showPeriods();
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::connectButton(QPushButton* button, void (HistoryWindow::*action)()) {
    connect(button, &QPushButton::clicked, this,
            [this, action] { runHandler(boxes_, this, [this, action] { (this->*action)(); }); });
}

void HistoryWindow::readPeriods() {
    periods_ = RatingHistory(historyPath_).periods(slot_);
    showPeriods();
}

void HistoryWindow::showPeriods() {
    QTableWidget* table = ui_->periodTable;
    table->setRowCount(0);
    for (const HistoryPeriod& period : periods_) {
        const int row = table->rowCount();
        table->insertRow(row);
        const QStringList texts = historyRow(period, kDecimalComma);
        for (int column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setTextAlignment(column == 0 || column == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                                              : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    if (!periods_.empty()) {
        table->selectRow(table->rowCount() - 1);
        table->scrollToBottom();
    }
    ui_->deleteButton->setEnabled(!periods_.empty());
    ui_->exportButton->setEnabled(!periods_.empty());
    showReopenable();
    ui_->summaryLabel->setText(
        periods_.empty()
            ? fromUtf8(messages::kHistoryEmpty)
            : (periods_.size() == 1 ? QStringLiteral("1 période close")
                                    : QStringLiteral("%1 périodes closes").arg(periods_.size())));
    // The view does not delete the chart it replaces.
    QChart* replaced = ui_->ratingChart->chart();
    ui_->ratingChart->setChart(ratingChart(periods_).release());
    delete replaced;
}

void HistoryWindow::showSelectedGames() {
    QTableWidget* table = ui_->gameTable;
    table->setRowCount(0);
    const QModelIndexList rows = ui_->periodTable->selectionModel()->selectedRows();
    if (rows.size() != 1 || rows.front().row() >= static_cast<int>(periods_.size())) {
        return;
    }
    const HistoryPeriod& period = periods_.at(static_cast<std::size_t>(rows.front().row()));
    for (std::size_t k = 0; k < period.games.size(); ++k) {
        const int row = table->rowCount();
        table->insertRow(row);
        const QStringList texts = historyGameRow(static_cast<int>(k) + 1, period.games[k]);
        for (int column = 0; column < texts.size(); ++column) {
            table->setItem(row, column, new QTableWidgetItem(texts[column]));
        }
    }
}

// Only the latest period can be reopened: the others' ratings were followed by more.
void HistoryWindow::showReopenable() {
    const QModelIndexList rows = ui_->periodTable->selectionModel()->selectedRows();
    ui_->reopenButton->setEnabled(reopener_ && !periods_.empty() && rows.size() == 1 &&
                                  rows.front().row() == static_cast<int>(periods_.size()) - 1);
}

void HistoryWindow::reopenLatestPeriod() {
    if (!reopener_ || periods_.empty()) {
        return;
    }
    if (const QString refusal = reopener_(); !refusal.isEmpty()) {
        boxes_.warning(this, refusal);
        return;
    }
    readPeriods();
}

void HistoryWindow::deleteSelectedPeriod() {
    const QModelIndexList rows = ui_->periodTable->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return;
    }
    const auto row = static_cast<std::size_t>(rows.front().row());
    const HistoryPeriod& period = periods_.at(row);
    QString question = fromUtf8(messages::kDeletePeriodQuestion).arg(periodName(period));
    if (row + 1 < periods_.size()) {
        question += fromUtf8(messages::kDeleteKeepsRating);
    }
    if (!boxes_.question(this, question)) {
        return;
    }
    RatingHistory history(historyPath_);
    history.remove(period.id);
    periods_ = history.periods(slot_);
    showPeriods();
}

void HistoryWindow::exportCsv() {
    const CsvChoice choice =
        csvFileChooser_(QStringLiteral("historique %1.csv").arg(playerCalled(slot_, playerName_)));
    QString path = choice.path;
    if (path.isEmpty()) {
        return;
    }
    // A name typed without its extension would not open in a spreadsheet by a double click.
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".csv");
    }
    writeWholeFile(path, choice.gameByGame ? historyGamesCsv(periods_) : historyCsv(periods_));
}

}  // namespace tavolin
