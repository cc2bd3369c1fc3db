// SPDX-License-Identifier: GPL-3.0-or-later
// The history window over a history longer than its reading step: shown at once, filled in
// from the event loop, never in part; closed or failing while it reads.
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

#include "ControlsOf.h"
#include "HistoryPeriods.h"
#include "HistoryWindow.h"
#include "HistoryWindowControls.h"
#include "OtherConnection.h"
#include "RatingHistory.h"
#include "RecordingMessageBoxes.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

constexpr int kPeriods = 25;

class HistoryWindowTest : public FileInTemporaryFolder {
protected:
    HistoryWindowTest() : FileInTemporaryFolder("tavolin-history.sqlite") {}

    void SetUp() override {
        FileInTemporaryFolder::SetUp();
        RatingHistory history(path);
        for (int k = 0; k < kPeriods; ++k) {
            HistoryPeriod period =
                closedPeriod(QDate(2020, 1, 31).addMonths(k).toString(Qt::ISODate), 1, 1600 + k,
                             1601 + k, {1, 0.5});
            period.games[0].opponentName = QString("Adversaire %1").arg(k);
            history.add(period);
        }
        history.add(closedPeriod("2021-06-30", 2, 1500, 1490, {0}));  // another player's
    }

    std::unique_ptr<HistoryWindow> window() {
        auto made = std::make_unique<HistoryWindow>(path, 1, "Anna", boxes);
        made->setReadingStep(4);
        return made;
    }

    static int curvePoints(const HistoryWindowControls& shown) {
        return static_cast<QLineSeries*>(shown.ratingChart->chart()->series().front())->count();
    }

    RecordingMessageBoxes boxes;
};

TEST_F(HistoryWindowTest, ALongHistoryShowsAtOnceAndFillsIn) {
    const auto history = window();
    const auto shown = controlsOf<HistoryWindowControls>(*history);
    history->readPeriods();
    history->show();
    EXPECT_TRUE(history->isReading());
    EXPECT_EQ(shown.periodTable->rowCount(), 0);  // not before it is read whole
    EXPECT_EQ(shown.summaryLabel->text(), "");
    for (QPushButton* button : {shown.deleteButton, shown.exportButton, shown.reopenButton}) {
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    }

    ASSERT_TRUE(QTest::qWaitFor([&] { return !history->isReading(); }, 5000));
    EXPECT_EQ(shown.summaryLabel->text(), "25 périodes closes");
    EXPECT_EQ(curvePoints(shown), kPeriods + 1);
    ASSERT_EQ(shown.periodTable->rowCount(), kPeriods);
    for (int row = 0; row < kPeriods; ++row) {
        EXPECT_EQ(shown.periodTable->item(row, 0)->text(),
                  QDate(2020, 1, 31).addMonths(row).toString("dd/MM/yyyy"));
        EXPECT_EQ(shown.periodTable->item(row, 4)->text(),
                  QString("%1 → %2").arg(1600 + row).arg(1601 + row));
    }
    // The latest selected, with its games read.
    EXPECT_EQ(shown.periodTable->selectionModel()->selectedRows().front().row(), kPeriods - 1);
    ASSERT_EQ(shown.gameTable->rowCount(), 2);
    EXPECT_EQ(shown.gameTable->item(0, 1)->text(), "Adversaire 24");
    EXPECT_TRUE(shown.deleteButton->isEnabled());
    EXPECT_TRUE(shown.exportButton->isEnabled());

    shown.periodTable->selectRow(3);
    EXPECT_EQ(shown.gameTable->item(0, 1)->text(), "Adversaire 3");
}

// A deletion takes out its row; the curve, the line on the periods and the selection follow.
TEST_F(HistoryWindowTest, ADeletedPeriodLeavesTheOthersAsTheyWereRead) {
    const auto history = window();
    const auto shown = controlsOf<HistoryWindowControls>(*history);
    history->readPeriods();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !history->isReading(); }, 5000));
    shown.periodTable->selectRow(10);
    boxes.answer = true;
    history->deleteSelectedPeriod();
    EXPECT_EQ(boxes.questions.size(), 1);
    ASSERT_EQ(shown.periodTable->rowCount(), kPeriods - 1);
    EXPECT_EQ(shown.periodTable->item(10, 0)->text(), "31/12/2020");  // the next month's
    EXPECT_EQ(shown.summaryLabel->text(), "24 périodes closes");
    EXPECT_EQ(curvePoints(shown), kPeriods);
    EXPECT_EQ(shown.periodTable->selectionModel()->selectedRows().front().row(), kPeriods - 2);
    EXPECT_EQ(shown.gameTable->item(0, 1)->text(), "Adversaire 24");
    EXPECT_EQ(RatingHistory(path).periods(1).size(), static_cast<std::size_t>(kPeriods - 1));
}

// Closing the window while it reads lets the history go: another program can write at once.
TEST_F(HistoryWindowTest, ClosingTheWindowWhileItReadsLetsTheHistoryGo) {
    const auto history = window();
    const auto shown = controlsOf<HistoryWindowControls>(*history);
    history->readPeriods();
    history->show();
    ASSERT_TRUE(history->isReading());
    history->reject();
    EXPECT_FALSE(history->isVisible());
    OtherConnection other(path);
    other.run("PRAGMA busy_timeout = 0");
    QSqlQuery write(QSqlDatabase::database("other-program"));
    EXPECT_TRUE(write.exec("DELETE FROM period WHERE slot = 2"))
        << write.lastError().text().toStdString();
    QTest::qWait(50);
    EXPECT_EQ(shown.periodTable->rowCount(), 0);
    EXPECT_TRUE(boxes.errors.isEmpty());
}

// A value out of its range found late in the reading: told, the window closed, nothing shown.
TEST_F(HistoryWindowTest, AHistoryFoundDamagedWhileItIsReadIsToldAndNotShown) {
    {
        OtherConnection other(path);
        other.run("PRAGMA ignore_check_constraints = ON");
        other.run("UPDATE period SET new_rating = 2000000000 WHERE id = 20");
    }
    const auto history = window();
    const auto shown = controlsOf<HistoryWindowControls>(*history);
    history->readPeriods();
    history->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !history->isVisible(); }, 5000));
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors[0].contains("est abîmé (new_rating : 2000000000)"))
        << boxes.errors[0].toStdString();
    EXPECT_EQ(shown.periodTable->rowCount(), 0);
    EXPECT_FALSE(history->isReading());
}

}  // namespace
}  // namespace tavolin::testing
