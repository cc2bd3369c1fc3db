// SPDX-License-Identifier: GPL-3.0-or-later
// The five switches read from the settings file and changed in the Options window, as the
// main window obeys them.
#include <QCheckBox>
#include <QPushButton>

#include "ControlsOf.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"
#include "OptionsDialog.h"
#include "OptionsDialogControls.h"

namespace tavolin::testing {
namespace {

// The switches come from the settings file, as at start-up.
class MainWindowSettingsTest : public MainWindowTest {
protected:
    std::optional<Settings> initialSettings() override { return std::nullopt; }

    void startWith(const QByteArray& settings) {
        mainWindow.reset();
        writeFile(settingsFile, settings);
        openWindow();
    }

    void enterEvenScore() {
        type(ui.ratingEdit, "1500");
        for (const char* sign : {"+", "-", "=", "="}) {
            addGame("1600", sign);
        }
    }
};

TEST_F(MainWindowSettingsTest, WithoutSettingsFileEverySwitchIsOff) {
    const Settings& settings = mainWindow->settings();
    EXPECT_FALSE(settings.clearEntryFields || settings.interpolation || settings.roundToTens ||
                 settings.showHelp || settings.autoCalculate);
    addGame("1850", "+");
    EXPECT_EQ(ui.opponentEdit->text(), "1850");
    EXPECT_EQ(ui.resultEdit->text(), "+");
    enterEvenScore();
    click(ui.injesButton);
    EXPECT_EQ(results(), "|||");  // no recalculation
    EXPECT_EQ(ui.ratingEdit->toolTip(), "");
    EXPECT_EQ(ui.calculateButton->toolTip(), "Cliquez pour calculer votre nouveau classement");
}

TEST_F(MainWindowSettingsTest, TheHelpSwitchTurnsTheTooltipsOn) {
    struct Case {
        const char* value;
        bool shown;
    };
    for (const Case& c : {Case{"5", true}, Case{"0x0", false}, Case{"abc", false}, Case{"-1", true},
                          Case{"$10", true}}) {
        startWith(QByteArray("[programme]\naide=") + c.value + "\n");
        EXPECT_EQ(ui.opponentEdit->toolTip().isEmpty(), !c.shown) << c.value;
        EXPECT_EQ(ui.gameCountValue->toolTip(), "Nombre de parties jouées") << c.value;
    }
}

TEST_F(MainWindowSettingsTest, EachSwitchActsFromTheFile) {
    startWith("[programme]\neffacement=1\narrondi=1\ninterpolation=1\nautocalcul=1\n");
    enterEvenScore();
    EXPECT_EQ(ui.opponentEdit->text(), "");        // effacement
    EXPECT_EQ(results(), "|||");                   // "Valider" never recalculates
    click(ui.eloButton);                           // autocalcul
    EXPECT_EQ(ui.newRatingValue->text(), "1520");  // arrondi: 1525 to the even tens
    for (int k = 0; k < 4; ++k) {
        addGame("1600", "+");
    }
    click(ui.eloButton);
    EXPECT_EQ(ui.performanceValue->text(), "1791");  // interpolation: 0.75 gives 191, the table 193
}

TEST_F(MainWindowSettingsTest, TickingAutomaticCalculationInOptionsActsAtOnce) {
    enterEvenScore();
    whenModalShown<OptionsDialog>([](OptionsDialog* options) {
        const auto shown = controlsOf<OptionsDialogControls>(*options);
        shown.autoCalculateBox->setChecked(true);
        QTest::mouseClick(shown.saveButton, Qt::LeftButton);
    });
    click(ui.optionsButton);
    EXPECT_TRUE(mainWindow->settings().autoCalculate);
    EXPECT_EQ(readFile(settingsFile),
              "[programme]\naide=0\nautocalcul=1\narrondi=0\neffacement=0\ninterpolation=0\n");
    activate();
    click(ui.injesButton);
    EXPECT_EQ(ui.newRatingValue->text(), "1557");
    EXPECT_EQ(mainWindow->session().gameListText().text(),
              " 1600    + 1600    - 1600    = 1600    =");
}

TEST_F(MainWindowSettingsTest, CancellingOptionsChangesNeitherFileNorBehaviour) {
    startWith("[programme]\r\naide=1\r\n");
    enterEvenScore();
    whenModalShown<OptionsDialog>([](OptionsDialog* options) {
        const auto shown = controlsOf<OptionsDialogControls>(*options);
        shown.autoCalculateBox->setChecked(true);
        shown.showHelpBox->setChecked(false);
        QTest::mouseClick(shown.cancelButton, Qt::LeftButton);
    });
    click(ui.optionsButton);
    EXPECT_EQ(readFile(settingsFile), "[programme]\r\naide=1\r\n");
    EXPECT_FALSE(mainWindow->settings().autoCalculate);
    EXPECT_FALSE(ui.opponentEdit->toolTip().isEmpty());
    activate();
    click(ui.injesButton);
    EXPECT_EQ(results(), "|||");
}

TEST_F(MainWindowSettingsTest, OptionsOpensAFreshWindowEachTime) {
    OptionsDialog* first = nullptr;
    whenModalShown<OptionsDialog>([&](OptionsDialog* options) {
        const auto shown = controlsOf<OptionsDialogControls>(*options);
        first = options;
        shown.roundToTensBox->setChecked(true);
        options->close();
    });
    click(ui.optionsButton);
    ASSERT_NE(first, nullptr);
    bool roundingShown = true;
    whenModalShown<OptionsDialog>([&](OptionsDialog* options) {
        const auto shown = controlsOf<OptionsDialogControls>(*options);
        roundingShown = shown.roundToTensBox->isChecked();
        options->close();
    });
    click(ui.optionsButton);
    EXPECT_FALSE(roundingShown);
}

}  // namespace
}  // namespace tavolin::testing
