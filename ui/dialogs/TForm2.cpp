#include "TForm2.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "Controls.h"
#include "DesktopHabits.h"
#include "Fonts.h"
#include "PercentageTable.h"
#include "ProgramIcon.h"

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

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Tableau"));
    setWindowIcon(programIcon());
    setFont(interfaceFont());
    resize(640, 480);

    // The first heading reads so, a letter short; users know the table by it.
    Label1 = placedLabel(this, "Label1", QStringLiteral("Poucentage"), 32, 16);
    Label2 = placedLabel(this, "Label2", QStringLiteral("Pourcentage"), 150, 16);
    Label3 = placedLabel(this, "Label3", QStringLiteral("Pourcentage"), 268, 16);
    Label4 = placedLabel(this, "Label4", QStringLiteral("Pourcentage"), 386, 14);
    Label5 = placedLabel(this, "Label5", QStringLiteral("Pourcentage"), 504, 16);

    StringGrid1 = named(new QTableWidget(kRows, 2 * kPairs, this), "StringGrid1");
    StringGrid1->setGeometry(30, 32, 593, 383);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setMinimumSectionSize(kColumnWidth);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    StringGrid1->verticalHeader()->setMinimumSectionSize(kRowHeight);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setShowGrid(true);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setTabKeyNavigation(false);

    Button1 = named(new QPushButton(QStringLiteral("OK"), this), "Button1");
    Button1->setGeometry(278, 426, 95, 25);
    connect(Button1, &QPushButton::clicked, this, [this] { sortir(); });
    pressButtonsWithEnter(this);
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    remplir();
}

void TForm2::setCell(int row, int column, int value) {
    auto* item = new QTableWidgetItem(QString::number(value));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    StringGrid1->setItem(row, column, item);
}

void TForm2::remplir() {
    for (int pair = 0; pair < kPairs; ++pair) {
        for (int row = 0; row < kRows; ++row) {
            setCell(row, 2 * pair, percentAt(pair, row));
        }
    }
    remplir2();
}

void TForm2::remplir2() {
    // The table runs from 100 % down, as the grid does, pair after pair.
    const auto table = percentageTable();
    for (int pair = 0; pair < kPairs; ++pair) {
        for (int row = 0; row < kRows; ++row) {
            setCell(row, 2 * pair + 1, table[100 - percentAt(pair, row)].difference);
        }
    }
}

void TForm2::sortir() {
    close();
}

}  // namespace tavolin
