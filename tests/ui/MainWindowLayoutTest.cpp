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
    EXPECT_EQ(form->size(), QSize(640, 480));
    for (QWidget* child : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isHidden()) {
            continue;
        }
        EXPECT_TRUE(form->rect().contains(child->geometry()))
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
    const QWidget* control = form->findChild<QWidget*>(GetParam().name);
    ASSERT_NE(control, nullptr) << GetParam().name;
    EXPECT_EQ(control->geometry(), GetParam().geometry) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Controls, MainWindowPlacementTest,
    ::testing::Values(
        Placement{"StringGrid1", {12, 34, 69, 163}}, Placement{"RadioButton1", {140, 44, 13, 17}},
        Placement{"RadioButton4", {140, 116, 13, 17}}, Placement{"RadioGroup1", {120, 28, 89, 137}},
        Placement{"RadioButton5", {140, 140, 13, 17}}, Placement{"eloactuel", {316, 68, 33, 21}},
        Placement{"CheckBox1", {368, 72, 13, 13}}, Placement{"ComboBox1", {336, 116, 49, 21}},
        Placement{"Bevel1", {40, 232, 265, 105}}, Placement{"adv", {104, 252, 41, 21}},
        Placement{"adv2", {260, 252, 25, 21}}, Placement{"Button1", {140, 296, 73, 25}},
        Placement{"Button2", {384, 196, 121, 41}}, Placement{"Memo1", {564, 28, 65, 353}},
        Placement{"Infos", {12, 384, 73, 25}}, Placement{"Button5", {104, 384, 69, 25}},
        Placement{"Button3", {12, 416, 75, 25}}, Placement{"Button6", {104, 416, 69, 25}},
        Placement{"Button4", {388, 416, 75, 25}}, Placement{"Button7", {488, 416, 85, 25}},
        Placement{"effa", {572, 416, 25, 21}}),
    [](const ::testing::TestParamInfo<Placement>& param) { return std::string(param.param.name); });

TEST_F(MainWindowTest, StartsAsItAlwaysHas) {
    EXPECT_TRUE(ui.RadioButton1->isChecked());
    EXPECT_FALSE(ui.ComboBox1->isVisible());
    EXPECT_FALSE(ui.Label11->isVisible());
    EXPECT_FALSE(ui.RadioGroup1->isVisible());
    EXPECT_EQ(ui.ComboBox1->currentText(), "25");
    EXPECT_TRUE(ui.ComboBox1->isEditable());
    EXPECT_EQ(ui.ComboBox1->count(), 3);
    EXPECT_TRUE(ui.Memo1->isReadOnly());
    EXPECT_EQ(ui.StringGrid1->rowCount(), 10);
    EXPECT_EQ(ui.StringGrid1->columnCount(), 1);
    EXPECT_EQ(ui.Label5->text(), "Moyenne des adversaires : ");
    EXPECT_EQ(ui.Label4->text(), "Résultat (+,=,-) : ");
    EXPECT_EQ(ui.Button7->text(), "Effacer partie n°");
    EXPECT_TRUE(ui.Label2->font().underline());
    EXPECT_TRUE(ui.Label13->font().bold());
    EXPECT_TRUE(ui.nvelo->font().bold());
}

TEST_F(MainWindowTest, TabGoesThroughTheControlsInOrder) {
    const QList<QWidget*> expected{ui.eloactuel,   ui.adv,         ui.adv2,    ui.CheckBox1,
                                   ui.Button1,     ui.Button2,     ui.Button3, ui.Button4,
                                   ui.Memo1,       ui.Infos,       ui.Button7, ui.effa,
                                   ui.StringGrid1, ui.RadioButton1};
    ui.eloactuel->setFocus();
    for (int k = 1; k < expected.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected[k])
            << "after " << expected[k - 1]->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, OnlyFourTooltipsShowWithoutHelp) {
    EXPECT_EQ(ui.Bevel1->toolTip(), "Entrez dans ce cadre vos parties");
    EXPECT_EQ(ui.Label13->toolTip(), "Nombre de parties jouées");
    EXPECT_EQ(ui.Label14->toolTip(), "Cochez cette case si vous êtes jeune");
    EXPECT_EQ(ui.Button2->toolTip(), "Cliquez pour calculer votre nouveau classement");
    for (QWidget* helped : {static_cast<QWidget*>(ui.eloactuel), static_cast<QWidget*>(ui.adv),
                            static_cast<QWidget*>(ui.adv2), static_cast<QWidget*>(ui.CheckBox1),
                            static_cast<QWidget*>(ui.Memo1)}) {
        EXPECT_EQ(helped->toolTip(), "") << helped->objectName().toStdString();
    }

    enableSwitches([](Settings& s) { s.aide = true; });
    EXPECT_EQ(ui.eloactuel->toolTip(), "Entrez ici votre classement");
    EXPECT_EQ(ui.adv->toolTip(), "Elo de votre adversaire");
    EXPECT_EQ(ui.adv2->toolTip(), "Résultat de la partie : + , = , - ");
    EXPECT_EQ(ui.CheckBox1->toolTip(), "Cochez cette case si vous êtes jeune");
    EXPECT_EQ(ui.Memo1->toolTip(), "Liste de vos parties");
    EXPECT_EQ(ui.RadioGroup1->toolTip(), "Choisissez le ce que vous souhaitez calculer");
    EXPECT_EQ(ui.Bevel1->toolTip(), "Entrez dans ce cadre vos parties");
}

TEST_F(MainWindowTest, TitleTurnsToTheVersionOnActivation) {
    EXPECT_EQ(form->windowTitle(), "Tavolin v3.2");
    EXPECT_EQ(ui.Label10->text(), "Tavolin v3.2");
    EXPECT_TRUE(form->rect().contains(ui.Label10->geometry()));
}

TEST_F(MainWindowTest, CaptionHasATrailingBlankBeforeActivation) {
    TForm1 fresh(boxes, files());
    const TForm1Controls freshUi = controlsOf(fresh);
    EXPECT_EQ(fresh.windowTitle(), "Tavolin ");
    EXPECT_EQ(freshUi.Label10->text(), "Tavolin ");
    EXPECT_EQ(freshUi.Label7->text(), "PERFORMANCE : ");
    EXPECT_EQ(freshUi.Label9->text(), "NOUVEL ELO : ");
    EXPECT_EQ(fresh.session().current(), 0);
}

}  // namespace
}  // namespace tavolin::testing
