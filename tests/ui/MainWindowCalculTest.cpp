// "CALCUL" and the choice of rating system on screen.
#include <QComboBox>
#include <QLocale>
#include <QRadioButton>

#include "MainWindowFixture.h"

namespace tavolin::testing {
namespace {

class MainWindowCalculTest : public MainWindowTest {
protected:
    void enterEvenScoreAgainst1600() {
        for (const char* sign : {"+", "-", "=", "="}) {
            addGame("1600", sign);
        }
    }
};

TEST_F(MainWindowCalculTest, ShowsTheEloResults) {
    type(form->eloactuel, "1500");
    enterEvenScoreAgainst1600();
    click(form->Button2);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(form->moy->text(), "1600");
    EXPECT_EQ(form->gain->text(), "50");
    EXPECT_EQ(form->performance->text(), "1600");
    EXPECT_EQ(form->nvelo->text(), "1525");

    enableSwitches([](Settings& s) { s.arrondi = true; });
    click(form->Button2);
    EXPECT_EQ(form->nvelo->text(), "1520");
}

TEST_F(MainWindowCalculTest, ABadRatingIsEmptiedAndTheResultsStay) {
    type(form->eloactuel, "1500");
    enterEvenScoreAgainst1600();
    click(form->Button2);
    for (const char* rating : {"999", "3001", "", "15,5", "abc"}) {
        boxes.warnings.clear();
        type(form->eloactuel, rating);
        click(form->Button2);
        EXPECT_EQ(boxes.warnings, QStringList{" Votre ELO actuel est incorrect"}) << rating;
        EXPECT_EQ(form->eloactuel->text(), "") << rating;
        EXPECT_EQ(results(), "1600|50|1600|1525") << rating;
    }
}

TEST_F(MainWindowCalculTest, InjesAcceptsRatingsFrom700) {
    type(form->eloactuel, "800");
    enterEvenScoreAgainst1600();
    click(form->RadioButton2);
    click(form->Button2);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(form->nvelo->text(), "1257");  // (4 × 1600 + 3 × 800) / 7
}

TEST_F(MainWindowCalculTest, NoGamesChangesNothing) {
    type(form->eloactuel, "");
    click(form->Button2);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(results(), "|||");
    EXPECT_EQ(form->eloactuel->text(), "");
}

TEST_F(MainWindowCalculTest, PerfCountsItsGames) {
    click(form->RadioButton4);
    for (int k = 0; k < 3; ++k) {
        addGame("1600", "+");
    }
    click(form->Button2);
    EXPECT_EQ(boxes.warnings,
              QStringList{"Pour calculer la performance le nombre de parties doit être compris "
                          "entre 4 et 13"});
    EXPECT_EQ(results(), "|||");
    addGame("1600", "+");
    boxes.warnings.clear();
    click(form->Button2);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(results(), "1600|736||2336");
}

struct SystemLabels {
    int button;
    const char* label9;
    const char* label6;
    bool label7Shown;
    const char* label7;
    bool comboShown;
};

void PrintTo(const SystemLabels& labels, std::ostream* os) {
    *os << labels.label9;
}

class MainWindowSystemTest : public MainWindowTest,
                             public ::testing::WithParamInterface<SystemLabels> {};

TEST_P(MainWindowSystemTest, RadioButtonsSetTheCaptions) {
    const SystemLabels& c = GetParam();
    QRadioButton* buttons[] = {form->RadioButton1, form->RadioButton2, form->RadioButton3,
                               form->RadioButton4};
    type(form->eloactuel, "1500");
    for (const char* sign : {"+", "-", "=", "="}) {
        addGame("1600", sign);
    }
    click(form->Button2);
    click(buttons[c.button - 1]);
    EXPECT_EQ(static_cast<int>(form->mode()), c.button);
    EXPECT_TRUE(buttons[c.button - 1]->isChecked());
    EXPECT_EQ(form->Label9->text(), c.label9);
    EXPECT_EQ(form->Label6->text(), c.label6);
    EXPECT_EQ(form->Label7->isVisible(), c.label7Shown);
    if (c.label7Shown) {
        EXPECT_EQ(form->Label7->text(), c.label7);
    }
    EXPECT_EQ(form->ComboBox1->isVisible(), c.comboShown);
    EXPECT_EQ(form->Label11->isVisible(), c.comboShown);
    EXPECT_EQ(results(), "|||");  // emptied by the change of system
    // Captions end where they did: the figures beside them are never covered.
    EXPECT_LE(form->Label9->geometry().right(), form->nvelo->x());
    EXPECT_LE(form->Label6->geometry().right(), form->gain->x());
    EXPECT_GE(form->Label6->x(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, MainWindowSystemTest,
    ::testing::Values(
        SystemLabels{1, "NOUVEL ELO :", "Pourcentage :", true, "PERFORMANCE :", false},
        SystemLabels{2, "NOUVEL INJES :", "Pourcentage :", true, "PERFORMANCE :", false},
        SystemLabels{3, "NOUVEAU FIDE :", "Score théorique/réalisé :", true, "Variation :", true},
        SystemLabels{4, "PERFORMANCE :", "Bonus\\Malus :", false, "", false}));

TEST_F(MainWindowCalculTest, FideShowsTheCoefficientOfTheLastCalculation) {
    type(form->eloactuel, "1600");
    for (const char* sign : {"+", "+", "+", "-", "-"}) {
        addGame("1600", sign);
    }
    click(form->RadioButton3);
    EXPECT_EQ(form->ComboBox1->currentText(), "25");
    form->ComboBox1->setCurrentText("15");
    click(form->Button2);
    const QString separator = QLocale::system().decimalPoint();
    EXPECT_EQ(results(), "1600|2" + separator + "5/3|8|1608");  // 1600 + 15 × 0.5 = 1607.5
    EXPECT_EQ(form->fideCoefficient(), 15);

    click(form->RadioButton1);
    form->ComboBox1->setCurrentText("10");
    click(form->RadioButton3);
    EXPECT_EQ(form->ComboBox1->currentText(), "15");

    form->ComboBox1->setCurrentText("20");  // not one of the three: 15 stays in force
    click(form->Button2);
    EXPECT_EQ(form->performance->text(), "8");
}

TEST_F(MainWindowCalculTest, AutocalculRecalculatesWhenTheSystemChanges) {
    type(form->eloactuel, "1500");
    enterEvenScoreAgainst1600();
    click(form->RadioButton2);
    EXPECT_EQ(results(), "|||");
    enableSwitches([](Settings& s) { s.autocalcul = true; });
    click(form->RadioButton1);
    EXPECT_EQ(results(), "1600|50|1600|1525");
    addGame("1700", "+");  // "Valider" never recalculates
    EXPECT_EQ(form->nvelo->text(), "1525");
}

TEST_F(MainWindowCalculTest, InterpolationShowsItsProgressBesideTheNewRating) {
    type(form->eloactuel, "1500");
    for (int k = 0; k < 4; ++k) {
        addGame("1600", "+");  // 4 of 4: the scan runs through to 100 %
    }
    enableSwitches([](Settings& s) { s.interpolation = true; });
    click(form->Button2);
    EXPECT_EQ(form->progressText(), "100%");
    EXPECT_EQ(form->performance->text(), "2070");
    EXPECT_EQ(form->nvelo->text(), "1643");  // (4 × 2070 + 12 × 1500) / 16
    form->repaint();                         // painted over: the text is gone
    EXPECT_EQ(form->progressText(), "");
}

}  // namespace
}  // namespace tavolin::testing
