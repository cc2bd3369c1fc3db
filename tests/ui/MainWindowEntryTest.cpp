// Game entry, the list and deleting games, through the real widgets.
#include "MainWindowFixture.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace tavolin::testing {
namespace {

const QString kEloError = QStringLiteral("Erreur sur le elo");
const QString kResultError = QStringLiteral("Erreur sur le résultat de la partie ");

TEST_F(MainWindowTest, ThreeGamesAreListedAndCounted) {
    addGame("1850", "+");
    addGame("1700", "=");
    addGame("2010", "-");
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(form->session().liste().liste(), " 1850    + 1700    = 2010    -");
    EXPECT_EQ(ui.Memo1->toPlainText(), " 1850    +\n 1700    =\n 2010    -");
    EXPECT_EQ(ui.Label13->text(), "3");
    const GameList& list = form->session().games();
    EXPECT_EQ(list.parties[0].resultat, 1);
    EXPECT_EQ(list.parties[1].resultat, 0.5);
    EXPECT_EQ(list.parties[2].resultat, 0);
    EXPECT_EQ(list.parties[2].eloadv, 2010);
    EXPECT_TRUE(ui.adv->hasFocus());
}

TEST_F(MainWindowTest, OpponentRatingsOutsideTheRangeAreRefused) {
    for (const char* rating : {"999", "3001", "18a0", "", " ", "1,5"}) {
        boxes.warnings.clear();
        addGame(rating, "+");
        EXPECT_EQ(boxes.warnings, QStringList{kEloError}) << rating;
        EXPECT_EQ(ui.adv->text(), "") << rating;
        EXPECT_EQ(ui.adv2->text(), "+") << rating;
        EXPECT_EQ(ui.Label13->text(), "0") << rating;
        EXPECT_EQ(form->session().games().parties[0].eloadv, 0) << rating;
    }
    addGame("1000", "+");
    addGame("3000", "-");
    addGame("$7D0", "=");
    EXPECT_EQ(ui.Label13->text(), "3");
    EXPECT_EQ(form->session().games().parties[2].eloadv, 2000);
}

TEST_F(MainWindowTest, ResultsOtherThanTheThreeSignsAreRefused) {
    for (const char* sign : {"p", "0", "", " ", "*"}) {
        boxes.warnings.clear();
        addGame("1850", sign);
        EXPECT_EQ(boxes.warnings, QStringList{kResultError}) << sign;
        EXPECT_EQ(ui.adv2->text(), "") << sign;
        EXPECT_EQ(ui.adv->text(), "1850") << sign;
        EXPECT_EQ(ui.Label13->text(), "0") << sign;
        EXPECT_EQ(form->session().games().parties[0].eloadv, 0) << sign;
        EXPECT_EQ(form->session().liste().liste(), "") << sign;
    }
}

TEST_F(MainWindowTest, EntryFieldsLimitTheirLength) {
    type(ui.adv, "185012");
    type(ui.adv2, "+-");
    type(ui.eloactuel, "15000");
    type(ui.effa, "123");
    EXPECT_EQ(ui.adv->text(), "1850");
    EXPECT_EQ(ui.adv2->text(), "+");
    EXPECT_EQ(ui.eloactuel->text(), "1500");
    EXPECT_EQ(ui.effa->text(), "12");
}

TEST_F(MainWindowTest, EffacementEmptiesTheEntryFields) {
    addGame("1850", "+");
    EXPECT_EQ(ui.adv->text(), "1850");
    EXPECT_EQ(ui.adv2->text(), "+");

    enableSwitches([](Settings& s) { s.effacement = true; });
    addGame("1700", "=");
    EXPECT_EQ(ui.adv->text(), "");
    EXPECT_EQ(ui.adv2->text(), "");
    deleteGame("9");
    EXPECT_EQ(ui.effa->text(), "");
}

TEST_F(MainWindowTest, FiftyGamesAtMost) {
    for (int k = 0; k < kMaxGames; ++k) {
        addGame("1600", "=");
    }
    ASSERT_TRUE(boxes.warnings.isEmpty());
    addGame("1700", "+");
    EXPECT_EQ(boxes.warnings, QStringList{"Impossible d'ajouter plus de 50 parties"});
    EXPECT_EQ(ui.adv->text(), "1700");
    EXPECT_EQ(ui.adv2->text(), "+");
    EXPECT_EQ(ui.Label13->text(), "50");
    EXPECT_EQ(form->session().games().nbparties, 50);

    // One line each, the newest in view, no scroll bar taking the box's width.
    QPlainTextEdit* list = ui.Memo1;
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
    for (QTextBlock block = list->document()->begin(); block.isValid(); block = block.next()) {
        ASSERT_EQ(block.layout()->lineCount(), 1) << block.blockNumber();
    }
    QTextCursor newest(list->document());
    newest.movePosition(QTextCursor::End);
    EXPECT_TRUE(list->viewport()->rect().contains(list->cursorRect(newest)));
}

// A whole period with the keyboard alone: the tab order, Enter on the buttons, and the
// last rating selected for the next one.
TEST_F(MainWindowTest, APeriodEnteredWithTheKeyboardAlone) {
    const auto focused = [] { return QApplication::focusWidget(); };
    ui.eloactuel->setFocus();
    QTest::keyClicks(focused(), "1500");
    QTest::keyClick(focused(), Qt::Key_Tab);
    for (const char* game : {"1850+", "1700=", "1600-"}) {
        ASSERT_EQ(focused(), ui.adv);
        EXPECT_EQ(ui.adv->selectedText(), ui.adv->text());
        QTest::keyClicks(focused(), QString::fromLatin1(game, 4));
        QTest::keyClick(focused(), Qt::Key_Tab);
        QTest::keyClicks(focused(), QString::fromLatin1(game + 4, 1));
        QTest::keyClick(focused(), Qt::Key_Tab);  // the young box
        QTest::keyClick(focused(), Qt::Key_Tab);
        ASSERT_EQ(focused(), ui.Button1);
        QTest::keyClick(focused(), Qt::Key_Return);
    }
    EXPECT_EQ(form->session().liste().liste(), " 1850    + 1700    = 1600    -");
    for (int k = 0; k < 4; ++k) {
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    ASSERT_EQ(focused(), ui.Button2);
    QTest::keyClick(focused(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(ui.nvelo->text(), "1541");  // (3 × 5150 / 3 + 13 × 1500) / 16 = 1540.625
    EXPECT_TRUE(boxes.warnings.isEmpty());
}

TEST_F(MainWindowTest, ACaptionActsOnItsControl) {
    QTest::mouseClick(ui.Label17, Qt::LeftButton);
    EXPECT_TRUE(ui.RadioButton3->isChecked());
    EXPECT_EQ(form->session().mode(), 3);
    QTest::mouseClick(ui.Label14, Qt::LeftButton);
    EXPECT_TRUE(ui.CheckBox1->isChecked());
}

TEST_F(MainWindowTest, DeletingTheSecondOfThree) {
    addGame("1850", "+");
    addGame("1700", "=");
    addGame("2010", "-");
    deleteGame("2");
    EXPECT_EQ(form->session().liste().liste(), " 1850    + 2010    -");
    EXPECT_EQ(ui.Memo1->toPlainText(), " 1850    +\n 2010    -");
    EXPECT_EQ(ui.Label13->text(), "2");
    EXPECT_EQ(ui.effa->text(), "2");  // effacement off
}

TEST_F(MainWindowTest, DeletingTheOnlyGame) {
    addGame("1850", "+");
    deleteGame("1");
    EXPECT_EQ(form->session().liste().liste(), "");
    EXPECT_EQ(ui.Memo1->toPlainText(), "");
    EXPECT_EQ(ui.Label13->text(), "0");
}

TEST_F(MainWindowTest, DeletingTheFifthOfFifty) {
    for (int k = 0; k < kMaxGames; ++k) {
        addGame(QString::number(1000 + k), "+");
    }
    deleteGame("5");
    EXPECT_EQ(ui.Label13->text(), "49");
    EXPECT_EQ(form->session().games().parties[4].eloadv, 1005);
    EXPECT_EQ(form->session().games().parties[49].eloadv, 0);
    EXPECT_EQ(ui.Memo1->toPlainText().count('\n'), 48);
}

TEST_F(MainWindowTest, DeletingNoGameStillEmptiesAndRecalculates) {
    type(ui.eloactuel, "1500");
    for (const char* sign : {"+", "-", "=", "="}) {
        addGame("1600", sign);
    }
    enableSwitches([](Settings& s) {
        s.effacement = true;
        s.autocalcul = true;
    });
    for (const char* number : {"0", "51", "ab", "-1", "7"}) {
        ui.nvelo->clear();
        deleteGame(number);
        EXPECT_EQ(ui.Label13->text(), "4") << number;
        EXPECT_EQ(form->session().liste().liste(), " 1600    + 1600    - 1600    = 1600    =")
            << number;
        EXPECT_EQ(ui.effa->text(), "") << number;
        EXPECT_EQ(ui.nvelo->text(), "1525") << number;
    }
}

TEST_F(MainWindowTest, DeletingWithoutTheSwitchesKeepsNumberAndResults) {
    type(ui.eloactuel, "1500");
    addGame("1600", "+");
    deleteGame("ab");
    EXPECT_EQ(ui.effa->text(), "ab");
    EXPECT_EQ(ui.nvelo->text(), "");
}

TEST_F(MainWindowTest, ToutEffacerEmptiesGamesAndResultsButKeepsTheRating) {
    type(ui.eloactuel, "1500");
    for (const char* sign : {"+", "-", "=", "="}) {
        addGame("1600", sign);
    }
    click(ui.Button2);
    ASSERT_EQ(results(), "1600|50|1600|1525");
    type(ui.adv, "1700");
    type(ui.adv2, "+");
    click(ui.Button4);
    EXPECT_EQ(ui.Label13->text(), "0");
    EXPECT_EQ(ui.eloactuel->text(), "1500");
    EXPECT_EQ(ui.adv->text(), "");
    EXPECT_EQ(ui.adv2->text(), "");
    EXPECT_EQ(ui.Memo1->toPlainText(), "");
    EXPECT_EQ(form->session().liste().liste(), "");
    EXPECT_EQ(results(), "|||");
    EXPECT_EQ(form->session().games().parties[0].eloadv, 0);
    addGame("1800", "+");
    EXPECT_EQ(form->session().liste().liste(), " 1800    +");
}

}  // namespace
}  // namespace tavolin::testing
