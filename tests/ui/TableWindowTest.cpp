// SPDX-License-Identifier: GPL-3.0-or-later
// The percentage table window.
#include "PercentageTableWindow.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <map>

#include "ControlsOf.h"
#include "PercentageTableWindowControls.h"
#include "QtPrinters.h"

namespace tavolin::testing {
namespace {

class TableWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QString cell(int row, int column) const {
        const QTableWidgetItem* item = ui.tableGrid->item(row, column);
        return item ? item->text() : QString();
    }

    // The difference shown beside a percentage, wherever it stands in the grid.
    int differenceOf(int percent) const {
        const int pair = (100 - percent) / 20;
        const int row = (100 - percent) % 20;
        EXPECT_EQ(cell(row, 2 * pair), QString::number(percent));
        return cell(row, 2 * pair + 1).toInt();
    }

    PercentageTableWindow window;
    const PercentageTableWindowControls ui = controlsOf<PercentageTableWindowControls>(window);
};

TEST_F(TableWindowTest, TopAndBottomRows) {
    QStringList top, bottom;
    for (int column = 0; column < 10; ++column) {
        top.append(cell(0, column));
        bottom.append(cell(19, column));
    }
    EXPECT_EQ(top, (QStringList{"100", "470", "80", "240", "60", "72", "40", "-72", "20", "-240"}));
    EXPECT_EQ(bottom,
              (QStringList{"81", "251", "61", "80", "41", "-65", "21", "-230", "1", "-470"}));
}

TEST_F(TableWindowTest, ListedRows) {
    const std::map<int, int> rows{{94, 444}, {81, 251},  {80, 240},  {51, 7},  {50, 0},
                                  {49, -7},  {21, -230}, {20, -240}, {6, -444}};
    for (const auto& [percent, difference] : rows) {
        EXPECT_EQ(differenceOf(percent), difference) << percent;
    }
    for (int percent = 95; percent <= 100; ++percent) {
        EXPECT_EQ(differenceOf(percent), 470) << percent;
    }
    for (int percent = 1; percent <= 5; ++percent) {
        EXPECT_EQ(differenceOf(percent), -470) << percent;
    }
}

TEST_F(TableWindowTest, DifferencesAreSymmetric) {
    for (int percent = 1; percent <= 99; ++percent) {
        EXPECT_EQ(differenceOf(percent), -differenceOf(100 - percent)) << percent;
    }
}

TEST_F(TableWindowTest, LayoutAsItHasAlwaysBeen) {
    EXPECT_EQ(window.windowTitle(), "Tableau");
    EXPECT_EQ(window.size(), QSize(640, 480));
    EXPECT_EQ(ui.firstHeading->text(), "Poucentage");
    for (const QLabel* label :
         {ui.secondHeading, ui.thirdHeading, ui.fourthHeading, ui.fifthHeading}) {
        EXPECT_EQ(label->text(), "Pourcentage");
    }
    EXPECT_EQ(ui.fourthHeading->pos(), QPoint(386, 14));
    EXPECT_EQ(ui.tableGrid->geometry(), QRect(30, 32, 593, 383));
    EXPECT_EQ(ui.tableGrid->rowCount(), 20);
    EXPECT_EQ(ui.tableGrid->columnCount(), 10);
    EXPECT_EQ(ui.okButton->geometry(), QRect(278, 426, 95, 25));
    EXPECT_EQ(ui.okButton->text(), "OK");
    // Every cell shows whole in the grid: no scroll bar needed.
    const QTableWidget* grid = ui.tableGrid;
    EXPECT_LE(grid->columnViewportPosition(9) + grid->columnWidth(9), grid->viewport()->width());
    EXPECT_LE(grid->rowViewportPosition(19) + grid->rowHeight(19), grid->viewport()->height());
}

TEST_F(TableWindowTest, CellsCannotBeEdited) {
    EXPECT_FALSE(ui.tableGrid->item(3, 3)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(ui.tableGrid->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(TableWindowTest, OkAndTheCloseBoxClose) {
    QTest::mouseClick(ui.okButton, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.close();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace tavolin::testing
