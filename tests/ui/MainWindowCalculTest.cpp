// "CALCUL" and the choice of rating system on screen.
#include <QComboBox>
#include <QLocale>
#include <QRadioButton>

#include "MainWindowFixture.h"

namespace tavolin::testing {
namespace {

// Calls `onPaint` at each painting of a widget, as it is painted.
class PaintSpy : public QObject {
public:
    PaintSpy(QWidget* widget, std::function<void()> onPaint) : onPaint_(std::move(onPaint)) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            onPaint_();
        }
        return false;
    }

private:
    std::function<void()> onPaint_;
};

class MainWindowCalculTest : public MainWindowTest {
protected:
    void enterEvenScoreAgainst1600() {
        for (const char* sign : {"+", "-", "=", "="}) {
            addGame("1600", sign);
        }
    }
};

TEST_F(MainWindowCalculTest, ShowsTheEloResults) {
    type(ui.eloactuel, "1500");
    enterEvenScoreAgainst1600();
    click(ui.Button2);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(ui.moy->text(), "1600");
    EXPECT_EQ(ui.gain->text(), "50");
    EXPECT_EQ(ui.performance->text(), "1600");
    EXPECT_EQ(ui.nvelo->text(), "1525");

    enableSwitches([](Settings& s) { s.arrondi = true; });
    click(ui.Button2);
    EXPECT_EQ(ui.nvelo->text(), "1520");
}

TEST_F(MainWindowCalculTest, ABadRatingIsEmptiedAndTheResultsStay) {
    type(ui.eloactuel, "1500");
    enterEvenScoreAgainst1600();
    click(ui.Button2);
    for (const char* rating : {"999", "3001", "", "15,5", "abc"}) {
        boxes.warnings.clear();
        type(ui.eloactuel, rating);
        click(ui.Button2);
        EXPECT_EQ(boxes.warnings, QStringList{" Votre ELO actuel est incorrect"}) << rating;
        EXPECT_EQ(ui.eloactuel->text(), "") << rating;
        EXPECT_EQ(results(), "1600|50|1600|1525") << rating;
    }
}

TEST_F(MainWindowCalculTest, InjesAcceptsRatingsFrom700) {
    type(ui.eloactuel, "800");
    enterEvenScoreAgainst1600();
    click(ui.RadioButton2);
    click(ui.Button2);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(ui.nvelo->text(), "1257");  // (4 × 1600 + 3 × 800) / 7
}

TEST_F(MainWindowCalculTest, NoGamesChangesNothing) {
    type(ui.eloactuel, "");
    click(ui.Button2);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(results(), "|||");
    EXPECT_EQ(ui.eloactuel->text(), "");
}

TEST_F(MainWindowCalculTest, PerfCountsItsGames) {
    click(ui.RadioButton4);
    for (int k = 0; k < 3; ++k) {
        addGame("1600", "+");
    }
    click(ui.Button2);
    EXPECT_EQ(boxes.warnings,
              QStringList{"Pour calculer la performance le nombre de parties doit être compris "
                          "entre 4 et 13"});
    EXPECT_EQ(results(), "|||");
    addGame("1600", "+");
    boxes.warnings.clear();
    click(ui.Button2);
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
    QRadioButton* buttons[] = {ui.RadioButton1, ui.RadioButton2, ui.RadioButton3, ui.RadioButton4,
                               ui.RadioButton5};
    type(ui.eloactuel, "1500");
    for (const char* sign : {"+", "-", "=", "="}) {
        addGame("1600", sign);
    }
    click(ui.Button2);
    click(buttons[c.button - 1]);
    EXPECT_EQ(static_cast<int>(form->session().mode()), c.button);
    EXPECT_TRUE(buttons[c.button - 1]->isChecked());
    EXPECT_EQ(ui.Label9->text(), c.label9);
    EXPECT_EQ(ui.Label6->text(), c.label6);
    EXPECT_EQ(ui.Label7->isVisible(), c.label7Shown);
    if (c.label7Shown) {
        EXPECT_EQ(ui.Label7->text(), c.label7);
    }
    EXPECT_EQ(ui.ComboBox1->isVisible(), c.comboShown);
    EXPECT_EQ(ui.Label11->isVisible(), c.comboShown);
    EXPECT_EQ(results(), "|||");  // emptied by the change of system
    // Captions end where they did: the figures beside them are never covered.
    EXPECT_LE(ui.Label9->geometry().right(), ui.nvelo->x());
    EXPECT_LE(ui.Label6->geometry().right(), ui.gain->x());
    EXPECT_GE(ui.Label6->x(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, MainWindowSystemTest,
    ::testing::Values(
        SystemLabels{1, "NOUVEL ELO :", "Pourcentage :", true, "PERFORMANCE :", false},
        SystemLabels{2, "NOUVEL INJES :", "Pourcentage :", true, "PERFORMANCE :", false},
        SystemLabels{3, "NOUVEAU FIDE :", "Score théorique/réalisé :", true, "Variation :", true},
        SystemLabels{4, "PERFORMANCE :", "Bonus\\Malus :", false, "", false},
        SystemLabels{5, "NOUVEAU FIDE :", "Score théorique/réalisé :", true, "Variation :", true}));

// Each FIDE system offers its own coefficients and keeps the one in force; the window's
// figures are the engine's, its warning of a rating below the list is shown.
TEST_F(MainWindowCalculTest, Fide2024OffersItsKFactorsAndWarnsBelowTheList) {
    const auto choices = [&] {
        QStringList items;
        for (int k = 0; k < ui.ComboBox1->count(); ++k) {
            items.append(ui.ComboBox1->itemText(k));
        }
        return items.join(' ') + " / " + ui.ComboBox1->currentText();
    };
    enableSwitches([](Settings& s) { s.aide = true; });
    click(ui.RadioButton5);
    EXPECT_EQ(choices(), "40 20 10 / 20");
    EXPECT_TRUE(ui.ComboBox1->toolTip().startsWith("K 40"));
    ui.ComboBox1->setCurrentText("40");
    click(ui.RadioButton3);  // saves the FIDE 2024 player with his K 40 first
    EXPECT_EQ(getInt32(readFile(playerFile), 840), 5);
    EXPECT_EQ(getInt32(readFile(playerFile), 844), 40);
    EXPECT_EQ(choices(), "10 15 25 / 25");
    EXPECT_EQ(ui.ComboBox1->toolTip(), "");
    QTest::mouseClick(ui.Label20, Qt::LeftButton);  // the caption acts on its button
    // As for the older FIDE, the box shows the K in force, which only a calculation or a
    // load changes.
    EXPECT_EQ(choices(), "40 20 10 / 20");

    type(ui.eloactuel, "1400");
    addGame("1400", "-");
    click(ui.Button2);
    EXPECT_EQ(results(), "1400|0" + QLocale::system().decimalPoint() + "5/0|-10|1390");
    EXPECT_EQ(
        boxes.warnings,
        QStringList{"Votre nouveau classement FIDE est inférieur à 1400 : vous quittez la liste"});
}

TEST_F(MainWindowCalculTest, FideShowsTheCoefficientOfTheLastCalculation) {
    type(ui.eloactuel, "1600");
    for (const char* sign : {"+", "+", "+", "-", "-"}) {
        addGame("1600", sign);
    }
    click(ui.RadioButton3);
    EXPECT_EQ(ui.ComboBox1->currentText(), "25");
    ui.ComboBox1->setCurrentText("15");
    click(ui.Button2);
    const QString separator = QLocale::system().decimalPoint();
    EXPECT_EQ(results(), "1600|2" + separator + "5/3|8|1608");  // 1600 + 15 × 0.5 = 1607.5
    EXPECT_EQ(form->session().fideCoefficient(), 15);

    click(ui.RadioButton1);
    ui.ComboBox1->setCurrentText("10");
    click(ui.RadioButton3);
    EXPECT_EQ(ui.ComboBox1->currentText(), "15");

    ui.ComboBox1->setCurrentText("20");  // not one of the three: 15 stays in force
    click(ui.Button2);
    EXPECT_EQ(ui.performance->text(), "8");
}

TEST_F(MainWindowCalculTest, AutocalculRecalculatesWhenTheSystemChanges) {
    type(ui.eloactuel, "1500");
    enterEvenScoreAgainst1600();
    click(ui.RadioButton2);
    EXPECT_EQ(results(), "|||");
    enableSwitches([](Settings& s) { s.autocalcul = true; });
    click(ui.RadioButton1);
    EXPECT_EQ(results(), "1600|50|1600|1525");
    addGame("1700", "+");  // "Valider" never recalculates
    EXPECT_EQ(ui.nvelo->text(), "1525");
}

// Painted during the scan, then cleared: left there, "100%" would read as part of the rating.
TEST_F(MainWindowCalculTest, InterpolationShowsItsProgressOnlyWhileItRuns) {
    type(ui.eloactuel, "1500");
    for (int k = 0; k < 4; ++k) {
        addGame("1600", "+");  // 4 of 4: the scan runs through to 100 %
    }
    enableSwitches([](Settings& s) { s.interpolation = true; });
    QStringList shown;
    PaintSpy spy(form.get(), [&] { shown.append(form->progressText()); });
    click(ui.Button2);
    EXPECT_TRUE(shown.contains("50%"));
    EXPECT_TRUE(shown.contains("100%"));
    EXPECT_EQ(shown.back(), "");
    EXPECT_EQ(form->progressText(), "");
    EXPECT_EQ(ui.performance->text(), "2070");
    EXPECT_EQ(ui.nvelo->text(), "1643");  // (4 × 2070 + 12 × 1500) / 16
}

}  // namespace
}  // namespace tavolin::testing
