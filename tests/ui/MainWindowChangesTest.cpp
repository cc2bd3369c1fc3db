// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing changes behind the user's back: figures that no longer match are dimmed, what he
// types reaches the file by itself, the automatic calculation never speaks.
#include <functional>

#include "MainWindowFixture.h"

namespace tavolin::testing {
namespace {

class MainWindowChangesTest : public MainWindowTest {
protected:
    // Four games at 1600 and a rating, calculated: "CALCUL" has figures on screen.
    void calculateAPeriod() {
        type(ui.ratingEdit, "1500");
        for (const char* sign : {"+", "-", "=", "="}) {
            addGame("1600", sign);
        }
        click(ui.calculateButton);
    }

    bool resultsCurrent() const {
        return ui.averageValue->isEnabled() && ui.scoreValue->isEnabled() &&
               ui.performanceValue->isEnabled() && ui.newRatingValue->isEnabled();
    }
    bool resultsDimmed() const {
        return !ui.averageValue->isEnabled() && !ui.scoreValue->isEnabled() &&
               !ui.performanceValue->isEnabled() && !ui.newRatingValue->isEnabled();
    }

    QByteArray record() const { return readFile(playerFile).left(kRecordBytes); }
};

TEST_F(MainWindowChangesTest, FiguresThatNoLongerMatchAreDimmed) {
    const std::vector<std::pair<const char*, std::function<void()>>> changes{
        {"a game", [this] { addGame("1700", "+"); }},
        {"a deletion", [this] { deleteGame("1"); }},
        {"the rating", [this] { type(ui.ratingEdit, "1510"); }},
        {"Jeune", [this] { click(ui.youngBox); }},
    };
    for (const auto& [what, change] : changes) {
        mainWindow->clearGames();
        calculateAPeriod();
        ASSERT_EQ(results(), "1600|50|1600|1525") << what;
        ASSERT_TRUE(resultsCurrent()) << what;
        change();
        EXPECT_TRUE(resultsDimmed()) << what;
        EXPECT_EQ(results(), "1600|50|1600|1525") << what;  // the texts stay
        click(ui.calculateButton);
        EXPECT_TRUE(resultsCurrent()) << what;
    }
    EXPECT_TRUE(boxes.warnings.isEmpty());
}

// Each change is in the file at once, or a second after the last keystroke.
TEST_F(MainWindowChangesTest, EveryChangeReachesTheFileByItself) {
    const auto saved = [this](const std::function<bool(const QByteArray&)>& holds) {
        return QTest::qWaitFor([&] { return holds(record()); }, 5000);
    };
    addGame("1850", "+");
    EXPECT_EQ(getInt32(record(), 28), 1);  // at once
    EXPECT_EQ(getDouble(record(), 40), 1850);
    addGame("1700", "=");
    deleteGame("1");
    EXPECT_EQ(getDouble(record(), 40), 1700);
    mainWindow->clearGames();
    EXPECT_EQ(getInt32(record(), 28), 0);

    type(ui.ratingEdit, "1720");
    EXPECT_TRUE(saved([](const QByteArray& r) { return getInt32(r, 24) == 1720; }));
    click(ui.youngBox);
    EXPECT_TRUE(saved([](const QByteArray& r) { return r[32] == 1; }));
    click(ui.fideButton);
    EXPECT_TRUE(saved([](const QByteArray& r) { return getInt32(r, 840) == 3; }));
    ui.coefficientBox->setCurrentText("15");
    EXPECT_TRUE(saved([](const QByteArray& r) { return getInt32(r, 844) == 15; }));
    ui.playerGrid->item(0, 0)->setText("Anna");
    EXPECT_TRUE(saved([](const QByteArray& r) {
        return r.mid(0, 5) == QByteArray(
                                  "\x04"
                                  "Anna");
    }));
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

// The automatic calculation leaves the figures empty and says nothing when it cannot
// calculate; what the FIDE 2024 figures left out is told under them, without a box.
TEST_F(MainWindowChangesTest, TheAutomaticCalculationNeverSpeaks) {
    enableSwitches([](Settings& s) { s.autoCalculate = true; });
    type(ui.ratingEdit, "185");  // being typed
    addGame("1900", "+");
    addGame("1300", "+");
    click(ui.fide2024Button);
    EXPECT_EQ(ui.ratingEdit->text(), "185");
    EXPECT_EQ(results(), "|||");
    type(ui.ratingEdit, "1850");
    click(ui.fideButton);
    click(ui.fide2024Button);
    EXPECT_EQ(ui.newRatingValue->text(), "1861");
    EXPECT_EQ(ui.notesValue->text(), "1 partie non comptée (adversaire classé sous 1400)");
    EXPECT_TRUE(boxes.warnings.isEmpty());
}

}  // namespace
}  // namespace tavolin::testing
