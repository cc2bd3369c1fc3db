// SPDX-License-Identifier: GPL-3.0-or-later
#include "PercentageTableWindow.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "Controls.h"
#include "DialogStart.h"
#include "PercentageTable.h"
#include "PercentageTableWindowControls.h"

namespace tavolin {

namespace {

constexpr int kPairs = 5;
constexpr int kRows = 20;
// A cell is 58 by 18 pixels with its grid line beside it.
constexpr int kColumnWidth = 58 + 1;
constexpr int kRowHeight = 18 + 1;

// The percentage of row `row` of pair `pair`: 100 at the top left, 1 at the bottom right.
int percentAt(int pair, int row) {
    return 100 - kRows * pair - row;
}

}  // namespace

void PercentageTableWindowControls::setupUi(QWidget* window) {
    // The first heading reads so, a letter short; users know the table by it.
    firstHeading = placedLabel(
        window, QCoreApplication::translate("tavolin::PercentageTableWindow", "Poucentage"), 32,
        16);
    secondHeading = placedLabel(
        window, QCoreApplication::translate("tavolin::PercentageTableWindow", "Pourcentage"), 150,
        16);
    thirdHeading = placedLabel(
        window, QCoreApplication::translate("tavolin::PercentageTableWindow", "Pourcentage"), 268,
        16);
    fourthHeading = placedLabel(
        window, QCoreApplication::translate("tavolin::PercentageTableWindow", "Pourcentage"), 386,
        14);
    fifthHeading = placedLabel(
        window, QCoreApplication::translate("tavolin::PercentageTableWindow", "Pourcentage"), 504,
        16);

    tableGrid = new QTableWidget(kRows, 2 * kPairs, window);
    tableGrid->setAccessibleName(
        QCoreApplication::translate("tavolin::PercentageTableWindow", "Table des pourcentages"));
    tableGrid->setGeometry(30, 32, 593, 383);
    tableGrid->horizontalHeader()->hide();
    tableGrid->verticalHeader()->hide();
    tableGrid->horizontalHeader()->setMinimumSectionSize(kColumnWidth);
    tableGrid->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    tableGrid->verticalHeader()->setMinimumSectionSize(kRowHeight);
    tableGrid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    tableGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tableGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tableGrid->setShowGrid(true);
    tableGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableGrid->setTabKeyNavigation(false);

    okButton = new QPushButton(QStringLiteral("OK"), window);
    okButton->setGeometry(278, 426, 95, 25);
    nameControls(*this);
}

PercentageTableWindow::PercentageTableWindow(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<PercentageTableWindowControls>()) {
    startDialog(*this, {QStringLiteral("PercentageTableWindow"), tr("Tableau"), {640, 480}}, *ui_);
    connect(ui_->okButton, &QPushButton::clicked, this, [this] { closeWindow(); });
}

PercentageTableWindow::~PercentageTableWindow() = default;

void PercentageTableWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fillPercentages();
}

void PercentageTableWindow::setCell(int row, int column, int value) {
    auto* item = new QTableWidgetItem(QString::number(value));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    ui_->tableGrid->setItem(row, column, item);
}

void PercentageTableWindow::fillPercentages() {
    for (int pair = 0; pair < kPairs; ++pair) {
        for (int row = 0; row < kRows; ++row) {
            setCell(row, 2 * pair, percentAt(pair, row));
        }
    }
    fillDifferences();
}

void PercentageTableWindow::fillDifferences() {
    // The table runs from 100 % down, as the grid does, pair after pair.
    const auto table = percentageTable();
    for (int pair = 0; pair < kPairs; ++pair) {
        for (int row = 0; row < kRows; ++row) {
            setCell(row, 2 * pair + 1, table[100 - percentAt(pair, row)].difference);
        }
    }
}

void PercentageTableWindow::closeWindow() {
    close();
}

}  // namespace tavolin
