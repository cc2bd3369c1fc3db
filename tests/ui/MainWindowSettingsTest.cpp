// The five switches read from the settings file and changed in the Options window, as the
// main window obeys them.
#include <QCheckBox>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "ModalHelper.h"
#include "TOptions.h"

namespace tavolin::testing {
namespace {

// The switches come from the settings file, as at start-up.
class MainWindowSettingsTest : public MainWindowTest {
protected:
    std::optional<Settings> initialSettings() override { return std::nullopt; }

    void startWith(const QByteArray& settings) {
        form.reset();
        writeFile(settingsFile, settings);
        openWindow();
    }

    void enterEvenScore() {
        type(ui.eloactuel, "1500");
        for (const char* sign : {"+", "-", "=", "="}) {
            addGame("1600", sign);
        }
    }
};

TEST_F(MainWindowSettingsTest, WithoutSettingsFileEverySwitchIsOff) {
    const Settings& settings = form->settings();
    EXPECT_FALSE(settings.effacement || settings.interpolation || settings.arrondi ||
                 settings.aide || settings.autocalcul);
    addGame("1850", "+");
    EXPECT_EQ(ui.adv->text(), "1850");
    EXPECT_EQ(ui.adv2->text(), "+");
    enterEvenScore();
    click(ui.RadioButton2);
    EXPECT_EQ(results(), "|||");  // no recalculation
    EXPECT_EQ(ui.eloactuel->toolTip(), "");
    EXPECT_EQ(ui.Button2->toolTip(), "Cliquez pour calculer votre nouveau classement");
}

TEST_F(MainWindowSettingsTest, AideTurnsTheTooltipsOn) {
    struct Case {
        const char* value;
        bool shown;
    };
    for (const Case& c : {Case{"5", true}, Case{"0x0", false}, Case{"abc", false}, Case{"-1", true},
                          Case{"$10", true}}) {
        startWith(QByteArray("[programme]\naide=") + c.value + "\n");
        EXPECT_EQ(ui.adv->toolTip().isEmpty(), !c.shown) << c.value;
        EXPECT_EQ(ui.Label13->toolTip(), "Nombre de parties jouées") << c.value;
    }
}

TEST_F(MainWindowSettingsTest, EachSwitchActsFromTheFile) {
    startWith("[programme]\neffacement=1\narrondi=1\ninterpolation=1\nautocalcul=1\n");
    enterEvenScore();
    EXPECT_EQ(ui.adv->text(), "");        // effacement
    EXPECT_EQ(results(), "|||");          // "Valider" never recalculates
    click(ui.RadioButton1);               // autocalcul
    EXPECT_EQ(ui.nvelo->text(), "1520");  // arrondi: 1525 to the even tens
    for (int k = 0; k < 4; ++k) {
        addGame("1600", "+");
    }
    click(ui.RadioButton1);
    EXPECT_EQ(ui.performance->text(), "1791");  // interpolation: 0.75 gives 191, the table 193
}

TEST_F(MainWindowSettingsTest, TickingAutocalculInOptionsActsAtOnce) {
    enterEvenScore();
    whenModalShown<TOptions>([](TOptions* options) {
        options->autocalcul->setChecked(true);
        QTest::mouseClick(options->Button1, Qt::LeftButton);
    });
    click(ui.Button6);
    EXPECT_TRUE(form->settings().autocalcul);
    EXPECT_EQ(readFile(settingsFile),
              "[programme]\naide=0\nautocalcul=1\narrondi=0\neffacement=0\ninterpolation=0\n");
    activate();
    click(ui.RadioButton2);
    EXPECT_EQ(ui.nvelo->text(), "1557");
    EXPECT_EQ(form->session().liste().liste(), " 1600    + 1600    - 1600    = 1600    =");
}

TEST_F(MainWindowSettingsTest, AnnulerInOptionsChangesNeitherFileNorBehaviour) {
    startWith("[programme]\r\naide=1\r\n");
    enterEvenScore();
    whenModalShown<TOptions>([](TOptions* options) {
        options->autocalcul->setChecked(true);
        options->aide->setChecked(false);
        QTest::mouseClick(options->Button2, Qt::LeftButton);
    });
    click(ui.Button6);
    EXPECT_EQ(readFile(settingsFile), "[programme]\r\naide=1\r\n");
    EXPECT_FALSE(form->settings().autocalcul);
    EXPECT_FALSE(ui.adv->toolTip().isEmpty());
    activate();
    click(ui.RadioButton2);
    EXPECT_EQ(results(), "|||");
}

TEST_F(MainWindowSettingsTest, OptionsOpensAFreshWindowEachTime) {
    TOptions* first = nullptr;
    whenModalShown<TOptions>([&](TOptions* options) {
        first = options;
        options->arrondi->setChecked(true);
        options->close();
    });
    click(ui.Button6);
    ASSERT_NE(first, nullptr);
    bool arrondiShown = true;
    whenModalShown<TOptions>([&](TOptions* options) {
        arrondiShown = options->arrondi->isChecked();
        options->close();
    });
    click(ui.Button6);
    EXPECT_FALSE(arrondiShown);
}

}  // namespace
}  // namespace tavolin::testing
