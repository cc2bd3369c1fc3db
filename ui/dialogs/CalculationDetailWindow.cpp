// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationDetailWindow.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "CalculationDetailWindowControls.h"
#include "DialogStart.h"
#include "HistoryTexts.h"
#include "NumberText.h"
#include "Utf8.h"

namespace tavolin {

namespace {

enum Column { Number, Opponent, Result, Counted, Difference, Expected, Change, kColumns };

QString twoDecimals(long double value, const QString& separator) {
    return fromUtf8(tavolin::twoDecimals(value, separator.toStdString()));
}

}  // namespace

void CalculationDetailWindowControls::setupUi(QWidget* window) {
    auto* layout = new QVBoxLayout(window);
    gameTable = new QTableWidget(0, kColumns, window);
    gameTable->setAccessibleName(
        QCoreApplication::translate("tavolin::CalculationDetailWindow", "Parties du calcul"));
    gameTable->setHorizontalHeaderLabels(
        {QCoreApplication::translate("tavolin::CalculationDetailWindow", "N°"),
         QCoreApplication::translate("tavolin::CalculationDetailWindow", "Adversaire"),
         QCoreApplication::translate("tavolin::CalculationDetailWindow", "Résultat"),
         QCoreApplication::translate("tavolin::CalculationDetailWindow", "Comptée"),
         QCoreApplication::translate("tavolin::CalculationDetailWindow", "Différence"),
         QCoreApplication::translate("tavolin::CalculationDetailWindow", "Score attendu"),
         QCoreApplication::translate("tavolin::CalculationDetailWindow", "Variation")});
    gameTable->verticalHeader()->hide();
    gameTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gameTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(gameTable, 1);
    explanationLabel = new QLabel(window);
    explanationLabel->setWordWrap(true);
    layout->addWidget(explanationLabel);
    okButton = new QPushButton(QStringLiteral("OK"), window);
    okButton->setDefault(true);
    layout->addWidget(okButton, 0, Qt::AlignRight);
    nameControls(*this);
}

CalculationDetailWindow::CalculationDetailWindow(const CalculationResult& calculation,
                                                 const QString& decimalSeparator, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<CalculationDetailWindowControls>()),
      separator_(decimalSeparator) {
    startDialog(*this,
                {QStringLiteral("CalculationDetailWindow"), tr("Détail du calcul"), {560, 420}},
                *ui_);
    connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
    showGames(calculation);
}

CalculationDetailWindow::~CalculationDetailWindow() = default;

void CalculationDetailWindow::showGames(const CalculationResult& calculation) {
    QTableWidget* table = ui_->gameTable;
    const bool weighed = std::any_of(calculation.details.begin(), calculation.details.end(),
                                     [](const GameDetail& game) { return game.weighed; });
    long double expected = 0;
    long double change = 0;
    long double points = 0;
    const auto put = [table](int row, int column, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    };
    for (const GameDetail& game : calculation.details) {
        const int row = table->rowCount();
        table->insertRow(row);
        put(row, Number, QString::number(game.number));
        put(row, Opponent,
            fromUtf8(resultFigureText(game.opponentRating, separator_.toStdString())));
        put(row, Result, gameResultText(game.score));
        put(row, Counted, game.counted ? tr("oui") : tr("non"));
        if (game.weighed) {
            put(row, Difference,
                fromUtf8(resultFigureText(game.difference, separator_.toStdString())));
            put(row, Expected, twoDecimals(game.expected, separator_));
            put(row, Change, twoDecimals(game.change, separator_));
            expected += game.expected;
            change += game.change;
            points += game.score;
        }
    }
    if (weighed) {
        // The totals are what the main window shows: Σ expected, and the change before its
        // rounding.
        const int row = table->rowCount();
        table->insertRow(row);
        put(row, Number, tr("Total"));
        put(row, Opponent, fromUtf8(calculation.coefficientNote));
        put(row, Result, fromUtf8(resultFigureText(points, separator_.toStdString())));
        put(row, Expected, twoDecimals(expected, separator_));
        put(row, Change, twoDecimals(change, separator_));
    }
    for (const int column : {Difference, Expected, Change}) {
        table->setColumnHidden(column, !weighed);
    }
    ui_->explanationLabel->setText(fromUtf8(calculation.explanation));
    ui_->explanationLabel->setVisible(!calculation.explanation.empty());
}

}  // namespace tavolin
