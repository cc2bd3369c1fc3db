// SPDX-License-Identifier: GPL-3.0-or-later
// "CALCUL" and the choice of rating system on screen.
#include <QComboBox>
#include <QLocale>
#include <QRadioButton>

#include "CalculationDetailWindow.h"
#include "CalculationDetailWindowControls.h"
#include "ControlsOf.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"

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

class MainWindowCalculationTest : public MainWindowTest {
protected:
    void enterEvenScoreAgainst1600() {
        for (const char* sign : {"+", "-", "=", "="}) {
            addGame("1600", sign);
        }
    }
};

TEST_F(MainWindowCalculationTest, ShowsTheEloResults) {
    type(ui.ratingEdit, "1500");
    enterEvenScoreAgainst1600();
    click(ui.calculateButton);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(ui.averageValue->text(), "1600");
    EXPECT_EQ(ui.scoreValue->text(), "50");
    EXPECT_EQ(ui.performanceValue->text(), "1600");
    EXPECT_EQ(ui.newRatingValue->text(), "1525");

    enableSwitches([](Settings& s) { s.roundToTens = true; });
    click(ui.calculateButton);
    EXPECT_EQ(ui.newRatingValue->text(), "1520");
}

TEST_F(MainWindowCalculationTest, ABadRatingIsEmptiedAndTheResultsStay) {
    type(ui.ratingEdit, "1500");
    enterEvenScoreAgainst1600();
    click(ui.calculateButton);
    for (const char* rating : {"999", "3001", "", "15,5", "abc"}) {
        boxes.warnings.clear();
        type(ui.ratingEdit, rating);
        click(ui.calculateButton);
        EXPECT_EQ(boxes.warnings, QStringList{" Votre ELO actuel est incorrect"}) << rating;
        EXPECT_EQ(ui.ratingEdit->text(), "") << rating;
        EXPECT_EQ(results(), "1600|50|1600|1525") << rating;
    }
}

TEST_F(MainWindowCalculationTest, InjesAcceptsRatingsFrom700) {
    type(ui.ratingEdit, "800");
    enterEvenScoreAgainst1600();
    click(ui.injesButton);
    click(ui.calculateButton);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(ui.newRatingValue->text(), "1257");  // (4 × 1600 + 3 × 800) / 7
}

TEST_F(MainWindowCalculationTest, NoGamesChangesNothing) {
    type(ui.ratingEdit, "");
    click(ui.calculateButton);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(results(), "|||");
    EXPECT_EQ(ui.ratingEdit->text(), "");
}

TEST_F(MainWindowCalculationTest, PerfCountsItsGames) {
    click(ui.perfButton);
    for (int k = 0; k < 3; ++k) {
        addGame("1600", "+");
    }
    click(ui.calculateButton);
    EXPECT_EQ(boxes.warnings,
              QStringList{"Pour calculer la performance le nombre de parties doit être compris "
                          "entre 4 et 13"});
    EXPECT_EQ(results(), "|||");
    addGame("1600", "+");
    boxes.warnings.clear();
    click(ui.calculateButton);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(results(), "1600|736||2336");
}

struct SystemCaptions {
    int button;
    const char* newRatingCaption;
    const char* scoreCaption;
    bool performanceShown;
    const char* performanceCaption;
    bool coefficientShown;
};

void PrintTo(const SystemCaptions& captions, std::ostream* os) {
    *os << captions.newRatingCaption;
}

class MainWindowSystemTest : public MainWindowTest,
                             public ::testing::WithParamInterface<SystemCaptions> {};

TEST_P(MainWindowSystemTest, RadioButtonsSetTheCaptions) {
    const SystemCaptions& c = GetParam();
    QRadioButton* buttons[] = {ui.eloButton, ui.injesButton, ui.fideButton, ui.perfButton,
                               ui.fide2024Button};
    type(ui.ratingEdit, "1500");
    for (const char* sign : {"+", "-", "=", "="}) {
        addGame("1600", sign);
    }
    click(ui.calculateButton);
    click(buttons[c.button - 1]);
    EXPECT_EQ(static_cast<int>(mainWindow->session().storedSystem()), c.button);
    EXPECT_TRUE(buttons[c.button - 1]->isChecked());
    EXPECT_EQ(ui.newRatingCaption->text(), c.newRatingCaption);
    EXPECT_EQ(ui.scoreCaption->text(), c.scoreCaption);
    EXPECT_EQ(ui.performanceCaption->isVisible(), c.performanceShown);
    if (c.performanceShown) {
        EXPECT_EQ(ui.performanceCaption->text(), c.performanceCaption);
    }
    EXPECT_EQ(ui.coefficientBox->isVisible(), c.coefficientShown);
    EXPECT_EQ(ui.coefficientCaption->isVisible(), c.coefficientShown);
    EXPECT_EQ(results(), "|||");  // emptied by the change of system
    // Captions end where they did: the figures beside them are never covered.
    EXPECT_LE(ui.newRatingCaption->geometry().right(), ui.newRatingValue->x());
    EXPECT_LE(ui.scoreCaption->geometry().right(), ui.scoreValue->x());
    EXPECT_GE(ui.scoreCaption->x(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, MainWindowSystemTest,
    ::testing::Values(
        SystemCaptions{1, "NOUVEL ELO :", "Pourcentage :", true, "PERFORMANCE :", false},
        SystemCaptions{2, "NOUVEL INJES :", "Pourcentage :", true, "PERFORMANCE :", false},
        SystemCaptions{3, "NOUVEAU FIDE :", "Score théorique/réalisé :", true, "Variation :", true},
        SystemCaptions{4, "PERFORMANCE :", "Bonus\\Malus :", false, "", false},
        SystemCaptions{5, "NOUVEAU FIDE :", "Score théorique/réalisé :", true,
                       "Variation :", true}));

// Each FIDE system offers its own coefficients and keeps the one in force; the window's
// figures are the engine's, its warning of a rating below the list is shown.
TEST_F(MainWindowCalculationTest, Fide2024OffersItsKFactorsAndWarnsBelowTheList) {
    const auto choices = [&] {
        QStringList items;
        for (int k = 0; k < ui.coefficientBox->count(); ++k) {
            items.append(ui.coefficientBox->itemText(k));
        }
        return items.join(' ') + " / " + ui.coefficientBox->currentText();
    };
    enableSwitches([](Settings& s) { s.showHelp = true; });
    click(ui.fide2024Button);
    EXPECT_EQ(choices(), "40 20 10 / 20");
    EXPECT_TRUE(ui.coefficientBox->toolTip().startsWith("K 40"));
    ui.coefficientBox->setCurrentText("40");
    click(ui.fideButton);  // saves the FIDE 2024 player with his K 40 first
    EXPECT_EQ(getInt32(readFile(playerFile), 840), 5);
    EXPECT_EQ(getInt32(readFile(playerFile), 844), 40);
    EXPECT_EQ(choices(), "10 15 25 / 25");
    EXPECT_EQ(ui.coefficientBox->toolTip(), "");
    QTest::mouseClick(ui.fide2024Caption, Qt::LeftButton);  // the caption acts on its button
    // As for the older FIDE, the box shows the K in force, which only a calculation or a
    // load changes.
    EXPECT_EQ(choices(), "40 20 10 / 20");

    type(ui.ratingEdit, "1400");
    addGame("1400", "-");
    click(ui.calculateButton);
    EXPECT_EQ(results(), "1400|0" + QLocale::system().decimalPoint() + "5/0|-10|1390");
    EXPECT_EQ(
        boxes.warnings,
        QStringList{"Votre nouveau classement FIDE est inférieur à 1400 : vous quittez la liste"});
}

TEST_F(MainWindowCalculationTest, FideShowsTheCoefficientOfTheLastCalculation) {
    type(ui.ratingEdit, "1600");
    for (const char* sign : {"+", "+", "+", "-", "-"}) {
        addGame("1600", sign);
    }
    click(ui.fideButton);
    EXPECT_EQ(ui.coefficientBox->currentText(), "25");
    ui.coefficientBox->setCurrentText("15");
    click(ui.calculateButton);
    const QString separator = QLocale::system().decimalPoint();
    EXPECT_EQ(results(), "1600|2" + separator + "5/3|8|1608");  // 1600 + 15 × 0.5 = 1607.5
    EXPECT_EQ(mainWindow->session().fideCoefficient(), 15);

    click(ui.eloButton);
    ui.coefficientBox->setCurrentText("10");
    click(ui.fideButton);
    EXPECT_EQ(ui.coefficientBox->currentText(), "15");

    ui.coefficientBox->setCurrentText("20");  // not one of the three: 15 stays in force
    click(ui.calculateButton);
    EXPECT_EQ(ui.performanceValue->text(), "8");
}

TEST_F(MainWindowCalculationTest, AutomaticCalculationRecalculatesWhenTheSystemChanges) {
    type(ui.ratingEdit, "1500");
    enterEvenScoreAgainst1600();
    click(ui.injesButton);
    EXPECT_EQ(results(), "|||");
    enableSwitches([](Settings& s) { s.autoCalculate = true; });
    click(ui.eloButton);
    EXPECT_EQ(results(), "1600|50|1600|1525");
    addGame("1700", "+");  // "Valider" never recalculates
    EXPECT_EQ(ui.newRatingValue->text(), "1525");
}

// Painted during the scan, then cleared: left there, "100%" would read as part of the rating.
TEST_F(MainWindowCalculationTest, InterpolationShowsItsProgressOnlyWhileItRuns) {
    type(ui.ratingEdit, "1500");
    for (int k = 0; k < 4; ++k) {
        addGame("1600", "+");  // 4 of 4: the scan runs through to 100 %
    }
    enableSwitches([](Settings& s) { s.interpolation = true; });
    QStringList shown;
    PaintSpy spy(ui.titleLabel->parentWidget(), [&] { shown.append(mainWindow->progressText()); });
    click(ui.calculateButton);
    EXPECT_TRUE(shown.contains("50%"));
    EXPECT_TRUE(shown.contains("100%"));
    EXPECT_EQ(shown.back(), "");
    EXPECT_EQ(mainWindow->progressText(), "");
    EXPECT_EQ(ui.performanceValue->text(), "2070");
    EXPECT_EQ(ui.newRatingValue->text(), "1643");  // (4 × 2070 + 12 × 1500) / 16
}

// "Détail" opens the last calculation's games: FIDE 2024 weighs each, with totals that are
// the figures on screen; ELO says in a sentence how its figure was reached.
TEST_F(MainWindowCalculationTest, TheDetailShowsTheLastCalculation) {
    EXPECT_FALSE(ui.detailButton->isEnabled());
    QTest::keyClick(mainWindow.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(boxes.warnings,
              QStringList{"Aucun calcul à détailler : cliquez d'abord sur CALCUL."});
    calculateFide2024Example();
    QStringList totals;
    QString explanation;
    whenModalShown<CalculationDetailWindow>([&](CalculationDetailWindow* window) {
        const auto shown = controlsOf<CalculationDetailWindowControls>(*window);
        const int last = shown.gameTable->rowCount() - 1;
        for (const int column : {0, 2, 5, 6}) {
            totals.append(shown.gameTable->item(last, column)->text());
        }
        totals.append(shown.gameTable->item(1, 2)->text());  // the draw
        QTest::keyClick(window, Qt::Key_Return);
    });
    QTest::keyClick(mainWindow.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(totals, (QStringList{"Total", "2.5", "1.99", "10.20", "½"}));

    click(ui.eloButton);
    type(ui.ratingEdit, "1500");
    click(ui.calculateButton);
    whenModalShown<CalculationDetailWindow>([&](CalculationDetailWindow* window) {
        const auto shown = controlsOf<CalculationDetailWindowControls>(*window);
        explanation = shown.explanationLabel->text();
        EXPECT_TRUE(shown.gameTable->isColumnHidden(6));
        window->accept();
    });
    click(ui.detailButton);
    // 62.5 % gives 95 by the table; the average and performance as the window shows them.
    EXPECT_EQ(explanation, "Score 2.5/4 = 62.5 % → +95 (table) ; moyenne des adversaires " +
                               ui.averageValue->text() + " ; performance " +
                               ui.performanceValue->text());
    EXPECT_EQ(ui.performanceValue->text(), "1948");
}

}  // namespace
}  // namespace tavolin::testing
