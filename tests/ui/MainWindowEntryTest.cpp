// SPDX-License-Identifier: GPL-3.0-or-later
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
    EXPECT_EQ(mainWindow->session().gameListText().text(), " 1850    + 1700    = 2010    -");
    EXPECT_EQ(ui.gameList->toPlainText(), " 1850    +\n 1700    =\n 2010    -");
    EXPECT_EQ(ui.gameCountValue->text(), "3");
    const GameList& list = mainWindow->session().games();
    EXPECT_EQ(list.entries[0].score, 1);
    EXPECT_EQ(list.entries[1].score, 0.5);
    EXPECT_EQ(list.entries[2].score, 0);
    EXPECT_EQ(list.entries[2].opponentRating, 2010);
    EXPECT_TRUE(ui.opponentEdit->hasFocus());
}

TEST_F(MainWindowTest, OpponentRatingsOutsideTheRangeAreRefused) {
    for (const char* rating : {"999", "3001", "18a0", "", " ", "1,5"}) {
        boxes.warnings.clear();
        addGame(rating, "+");
        EXPECT_EQ(boxes.warnings, QStringList{kEloError}) << rating;
        EXPECT_EQ(ui.opponentEdit->text(), "") << rating;
        EXPECT_EQ(ui.resultEdit->text(), "+") << rating;
        EXPECT_EQ(ui.gameCountValue->text(), "0") << rating;
        EXPECT_EQ(mainWindow->session().games().entries[0].opponentRating, 0) << rating;
    }
    addGame("1000", "+");
    addGame("3000", "-");
    addGame("$7D0", "=");
    EXPECT_EQ(ui.gameCountValue->text(), "3");
    EXPECT_EQ(mainWindow->session().games().entries[2].opponentRating, 2000);
}

TEST_F(MainWindowTest, ResultsOtherThanTheThreeSignsAreRefused) {
    for (const char* sign : {"p", "0", "", " ", "*"}) {
        boxes.warnings.clear();
        addGame("1850", sign);
        EXPECT_EQ(boxes.warnings, QStringList{kResultError}) << sign;
        EXPECT_EQ(ui.resultEdit->text(), "") << sign;
        EXPECT_EQ(ui.opponentEdit->text(), "1850") << sign;
        EXPECT_EQ(ui.gameCountValue->text(), "0") << sign;
        EXPECT_EQ(mainWindow->session().games().entries[0].opponentRating, 0) << sign;
        EXPECT_EQ(mainWindow->session().gameListText().text(), "") << sign;
    }
}

TEST_F(MainWindowTest, EntryFieldsLimitTheirLength) {
    type(ui.opponentEdit, "185012");
    type(ui.resultEdit, "+-");
    type(ui.ratingEdit, "15000");
    type(ui.deleteNumberEdit, "123");
    EXPECT_EQ(ui.opponentEdit->text(), "1850");
    EXPECT_EQ(ui.resultEdit->text(), "+");
    EXPECT_EQ(ui.ratingEdit->text(), "1500");
    EXPECT_EQ(ui.deleteNumberEdit->text(), "12");
}

TEST_F(MainWindowTest, TheClearSwitchEmptiesTheEntryFields) {
    addGame("1850", "+");
    EXPECT_EQ(ui.opponentEdit->text(), "1850");
    EXPECT_EQ(ui.resultEdit->text(), "+");

    enableSwitches([](Settings& s) { s.clearEntryFields = true; });
    addGame("1700", "=");
    EXPECT_EQ(ui.opponentEdit->text(), "");
    EXPECT_EQ(ui.resultEdit->text(), "");
    deleteGame("9");
    EXPECT_EQ(ui.deleteNumberEdit->text(), "");
}

TEST_F(MainWindowTest, FiftyGamesAtMost) {
    for (int k = 0; k < kMaxGames; ++k) {
        addGame("1600", "=");
    }
    ASSERT_TRUE(boxes.warnings.isEmpty());
    addGame("1700", "+");
    EXPECT_EQ(boxes.warnings, QStringList{"Impossible d'ajouter plus de 50 parties"});
    EXPECT_EQ(ui.opponentEdit->text(), "1700");
    EXPECT_EQ(ui.resultEdit->text(), "+");
    EXPECT_EQ(ui.gameCountValue->text(), "50");
    EXPECT_EQ(mainWindow->session().games().count, 50);

    // One line each, the newest in view, no scroll bar taking the box's width.
    QPlainTextEdit* list = ui.gameList;
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
// As fast as he thinks: the opponent's rating, Tab, the result, Enter; then F9 for CALCUL.
TEST_F(MainWindowTest, APeriodEnteredWithTheKeyboardAlone) {
    const auto focused = [] { return QApplication::focusWidget(); };
    ui.ratingEdit->setFocus();
    QTest::keyClicks(focused(), "1500");
    QTest::keyClick(focused(), Qt::Key_Tab);  // the young box
    QTest::keyClick(focused(), Qt::Key_Tab);
    for (const char* game : {"1850+", "1700=", "1600-", "1600=", "1650+", "1700-", "1550="}) {
        ASSERT_EQ(focused(), ui.opponentEdit);
        EXPECT_EQ(ui.opponentEdit->selectedText(), ui.opponentEdit->text());
        QTest::keyClicks(focused(), QString::fromLatin1(game, 4));
        QTest::keyClick(focused(), Qt::Key_Tab);
        QTest::keyClicks(focused(), QString::fromLatin1(game + 4, 1));
        QTest::keyClick(focused(), Qt::Key_Return);
    }
    EXPECT_EQ(mainWindow->session().games().count, 7);
    // Enter in the rating's field validates once a result is typed.
    QTest::keyClicks(focused(), "1800");
    QTest::keyClick(focused(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(mainWindow->session().games().count, 8);
    QTest::keyClick(focused(), Qt::Key_F9);
    EXPECT_FALSE(ui.newRatingValue->text().isEmpty());
    EXPECT_TRUE(boxes.warnings.isEmpty());
}

TEST_F(MainWindowTest, ACaptionActsOnItsControl) {
    QTest::mouseClick(ui.fideCaption, Qt::LeftButton);
    EXPECT_TRUE(ui.fideButton->isChecked());
    EXPECT_EQ(mainWindow->session().storedSystem(), 3);
    QTest::mouseClick(ui.youngCaption, Qt::LeftButton);
    EXPECT_TRUE(ui.youngBox->isChecked());
}

TEST_F(MainWindowTest, DeletingTheSecondOfThree) {
    addGame("1850", "+");
    addGame("1700", "=");
    addGame("2010", "-");
    deleteGame("2");
    EXPECT_EQ(mainWindow->session().gameListText().text(), " 1850    + 2010    -");
    EXPECT_EQ(ui.gameList->toPlainText(), " 1850    +\n 2010    -");
    EXPECT_EQ(ui.gameCountValue->text(), "2");
    EXPECT_EQ(ui.deleteNumberEdit->text(), "2");  // effacement off
}

TEST_F(MainWindowTest, DeletingTheOnlyGame) {
    addGame("1850", "+");
    deleteGame("1");
    EXPECT_EQ(mainWindow->session().gameListText().text(), "");
    EXPECT_EQ(ui.gameList->toPlainText(), "");
    EXPECT_EQ(ui.gameCountValue->text(), "0");
}

TEST_F(MainWindowTest, DeletingTheFifthOfFifty) {
    for (int k = 0; k < kMaxGames; ++k) {
        addGame(QString::number(1000 + k), "+");
    }
    deleteGame("5");
    EXPECT_EQ(ui.gameCountValue->text(), "49");
    EXPECT_EQ(mainWindow->session().games().entries[4].opponentRating, 1005);
    EXPECT_EQ(mainWindow->session().games().entries[49].opponentRating, 0);
    EXPECT_EQ(ui.gameList->toPlainText().count('\n'), 48);
}

TEST_F(MainWindowTest, DeletingNoGameStillEmptiesAndRecalculates) {
    type(ui.ratingEdit, "1500");
    for (const char* sign : {"+", "-", "=", "="}) {
        addGame("1600", sign);
    }
    enableSwitches([](Settings& s) {
        s.clearEntryFields = true;
        s.autoCalculate = true;
    });
    for (const char* number : {"0", "51", "ab", "-1", "7"}) {
        ui.newRatingValue->clear();
        deleteGame(number);
        EXPECT_EQ(ui.gameCountValue->text(), "4") << number;
        EXPECT_EQ(mainWindow->session().gameListText().text(),
                  " 1600    + 1600    - 1600    = 1600    =")
            << number;
        EXPECT_EQ(ui.deleteNumberEdit->text(), "") << number;
        EXPECT_EQ(ui.newRatingValue->text(), "1525") << number;
    }
}

TEST_F(MainWindowTest, DeletingWithoutTheSwitchesKeepsNumberAndResults) {
    type(ui.ratingEdit, "1500");
    addGame("1600", "+");
    deleteGame("ab");
    EXPECT_EQ(ui.deleteNumberEdit->text(), "ab");
    EXPECT_EQ(ui.newRatingValue->text(), "");
}

TEST_F(MainWindowTest, ClearingAllEmptiesGamesAndResultsButKeepsTheRating) {
    type(ui.ratingEdit, "1500");
    for (const char* sign : {"+", "-", "=", "="}) {
        addGame("1600", sign);
    }
    click(ui.calculateButton);
    ASSERT_EQ(results(), "1600|50|1600|1525");
    type(ui.opponentEdit, "1700");
    type(ui.resultEdit, "+");
    click(ui.clearGamesButton);
    EXPECT_EQ(ui.gameCountValue->text(), "0");
    EXPECT_EQ(ui.ratingEdit->text(), "1500");
    EXPECT_EQ(ui.opponentEdit->text(), "");
    EXPECT_EQ(ui.resultEdit->text(), "");
    EXPECT_EQ(ui.gameList->toPlainText(), "");
    EXPECT_EQ(mainWindow->session().gameListText().text(), "");
    EXPECT_EQ(results(), "|||");
    EXPECT_EQ(mainWindow->session().games().entries[0].opponentRating, 0);
    addGame("1800", "+");
    EXPECT_EQ(mainWindow->session().gameListText().text(), " 1800    +");
}

}  // namespace
}  // namespace tavolin::testing
