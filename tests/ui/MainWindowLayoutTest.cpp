// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls: places, tab order, tooltips.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "MainWindowFixture.h"

namespace tavolin::testing {
namespace {

TEST_F(MainWindowTest, ClientAreaIs640By480AndHoldsEveryControl) {
    EXPECT_EQ(mainWindow->size(), QSize(640, 480));
    for (QWidget* child :
         mainWindow->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isHidden()) {
            continue;
        }
        EXPECT_TRUE(mainWindow->rect().contains(child->geometry()))
            << child->objectName().toStdString() << " lies outside the window";
    }
}

struct Placement {
    const char* name;
    QRect geometry;
};

void PrintTo(const Placement& placement, std::ostream* os) {
    *os << placement.name;
}

class MainWindowPlacementTest : public MainWindowTest,
                                public ::testing::WithParamInterface<Placement> {};

TEST_P(MainWindowPlacementTest, ControlsSitWhereTheLayoutPutsThem) {
    const QWidget* control = mainWindow->findChild<QWidget*>(GetParam().name);
    ASSERT_NE(control, nullptr) << GetParam().name;
    EXPECT_EQ(control->geometry(), GetParam().geometry) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Controls, MainWindowPlacementTest,
    ::testing::Values(
        Placement{"playerGrid", {12, 34, 69, 163}}, Placement{"eloButton", {140, 44, 13, 17}},
        Placement{"perfButton", {140, 116, 13, 17}}, Placement{"systemsGroup", {120, 28, 89, 137}},
        Placement{"fide2024Button", {140, 140, 13, 17}}, Placement{"ratingEdit", {316, 68, 33, 21}},
        Placement{"youngBox", {368, 72, 13, 13}}, Placement{"coefficientBox", {336, 116, 49, 21}},
        Placement{"gameEntryFrame", {40, 232, 265, 105}},
        Placement{"opponentEdit", {104, 252, 41, 21}}, Placement{"resultEdit", {260, 252, 25, 21}},
        Placement{"addGameButton", {140, 296, 73, 25}},
        Placement{"calculateButton", {384, 196, 121, 41}},
        Placement{"gameList", {564, 28, 65, 353}}, Placement{"aboutButton", {12, 384, 73, 25}},
        Placement{"tableButton", {104, 384, 69, 25}}, Placement{"quitButton", {12, 416, 75, 25}},
        Placement{"optionsButton", {104, 416, 69, 25}},
        Placement{"clearGamesButton", {388, 416, 75, 25}},
        Placement{"deleteGameButton", {488, 416, 85, 25}},
        Placement{"deleteNumberEdit", {572, 416, 25, 21}}),
    [](const ::testing::TestParamInfo<Placement>& param) { return std::string(param.param.name); });

TEST_F(MainWindowTest, StartsAsItAlwaysHas) {
    EXPECT_TRUE(ui.eloButton->isChecked());
    EXPECT_FALSE(ui.coefficientBox->isVisible());
    EXPECT_FALSE(ui.coefficientCaption->isVisible());
    EXPECT_FALSE(ui.systemsGroup->isVisible());
    EXPECT_EQ(ui.coefficientBox->currentText(), "25");
    EXPECT_FALSE(ui.coefficientBox->isEditable());  // only the values its system knows
    EXPECT_EQ(ui.coefficientBox->count(), 3);
    EXPECT_TRUE(ui.gameList->isReadOnly());
    EXPECT_EQ(ui.playerGrid->rowCount(), 10);
    EXPECT_EQ(ui.playerGrid->columnCount(), 1);
    EXPECT_EQ(ui.averageCaption->text(), "Moyenne des adversaires : ");
    EXPECT_EQ(ui.resultCaption->text(), "Résultat (+,=,-) : ");
    EXPECT_EQ(ui.deleteGameButton->text(), "Effacer partie n°");
    EXPECT_TRUE(ui.gamesCaption->font().underline());
    EXPECT_TRUE(ui.gameCountValue->font().bold());
    EXPECT_TRUE(ui.newRatingValue->font().bold());
}

// Tab follows the window's reading order; the detail and the closing wait for CALCUL, and
// the rating comes before the coefficient list.
TEST_F(MainWindowTest, TabGoesThroughTheControlsInOrder) {
    EXPECT_EQ(QApplication::focusWidget(), ui.ratingEdit);  // what is typed first
    click(ui.fideButton);
    const QList<QWidget*> expected{
        ui.fideButton,       ui.ratingEdit,    ui.youngBox,         ui.coefficientBox,
        ui.opponentEdit,     ui.resultEdit,    ui.addGameButton,    ui.calculateButton,
        ui.gameList,         ui.aboutButton,   ui.tableButton,      ui.historyButton,
        ui.quitButton,       ui.optionsButton, ui.clearGamesButton, ui.deleteGameButton,
        ui.deleteNumberEdit, ui.playerGrid,    ui.fideButton};
    ui.fideButton->setFocus();
    for (int k = 1; k < expected.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected[k])
            << "after " << expected[k - 1]->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, OnlyFourTooltipsShowWithoutHelp) {
    EXPECT_EQ(ui.gameEntryFrame->toolTip(), "Entrez dans ce cadre vos parties");
    EXPECT_EQ(ui.gameCountValue->toolTip(), "Nombre de parties jouées");
    EXPECT_EQ(ui.youngCaption->toolTip(), "Cochez cette case si vous êtes jeune");
    EXPECT_EQ(ui.calculateButton->toolTip(), "Cliquez pour calculer votre nouveau classement");
    for (QWidget* helped :
         {static_cast<QWidget*>(ui.ratingEdit), static_cast<QWidget*>(ui.opponentEdit),
          static_cast<QWidget*>(ui.resultEdit), static_cast<QWidget*>(ui.youngBox),
          static_cast<QWidget*>(ui.gameList)}) {
        EXPECT_EQ(helped->toolTip(), "") << helped->objectName().toStdString();
    }

    enableSwitches([](Settings& s) { s.showHelp = true; });
    EXPECT_EQ(ui.ratingEdit->toolTip(), "Entrez ici votre classement");
    EXPECT_EQ(ui.opponentEdit->toolTip(), "Elo de votre adversaire");
    EXPECT_EQ(ui.resultEdit->toolTip(), "Résultat de la partie : + , = , - ");
    EXPECT_EQ(ui.youngBox->toolTip(), "Cochez cette case si vous êtes jeune");
    EXPECT_EQ(ui.gameList->toolTip(), "Liste de vos parties");
    EXPECT_EQ(ui.systemsGroup->toolTip(), "Choisissez le ce que vous souhaitez calculer");
    EXPECT_EQ(ui.gameEntryFrame->toolTip(), "Entrez dans ce cadre vos parties");
}

TEST_F(MainWindowTest, TitleTurnsToTheVersionOnActivation) {
    EXPECT_EQ(mainWindow->windowTitle(), "Tavolin v3.2");
    EXPECT_EQ(ui.titleLabel->text(), "Tavolin v3.2");
    EXPECT_TRUE(mainWindow->rect().contains(ui.titleLabel->geometry()));
}

TEST_F(MainWindowTest, CaptionHasATrailingBlankBeforeActivation) {
    MainWindow fresh(boxes, files());
    const MainWindowControls freshUi = controlsOf<MainWindowControls>(fresh);
    EXPECT_EQ(fresh.windowTitle(), "Tavolin ");
    EXPECT_EQ(freshUi.titleLabel->text(), "Tavolin ");
    EXPECT_EQ(freshUi.performanceCaption->text(), "PERFORMANCE : ");
    EXPECT_EQ(freshUi.newRatingCaption->text(), "NOUVEL ELO : ");
    EXPECT_EQ(fresh.session().current(), 0);
}

}  // namespace
}  // namespace tavolin::testing
