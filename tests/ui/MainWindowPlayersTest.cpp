// SPDX-License-Identifier: GPL-3.0-or-later
// The ten players of the player file, as the main window saves, loads and switches them.
#include <QApplication>
#include <QHelpEvent>
#include <QTableWidget>
#include <QToolTip>

#include "AboutBox.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"
#include "OptionsDialog.h"
#include "PercentageTableWindow.h"
#include "PlayerFiles.h"
#include "QtPrinters.h"

namespace tavolin::testing {
namespace {

const QString kSystemError = QStringLiteral("Erreur sur le mode");
const QString kEloIncorrect = QStringLiteral(" Votre ELO actuel est incorrect");

// A window started on a file written by hand: record 1 as `edit` leaves it.
class PlayerFileWindowTest : public MainWindowTest {
protected:
    QByteArray initialPlayerFile() override {
        QByteArray bytes = blankPlayerFile();
        if (edit) {
            edit(bytes);
        }
        return bytes;
    }
    std::optional<Settings> initialSettings() override { return settings; }

    void start(std::function<void(QByteArray&)> change, Settings startSettings = {}) {
        mainWindow.reset();
        edit = std::move(change);
        settings = startSettings;
        writeFile(playerFile, initialPlayerFile());
        boxes.warnings.clear();
        boxes.errors.clear();
        openWindow();
    }

    std::function<void(QByteArray&)> edit;
    Settings settings;
};

TEST_F(PlayerFileWindowTest, AnAllZeroFileAsksForTheSystemAndNothingElse) {
    start([](QByteArray& bytes) { bytes.fill('\0'); });
    EXPECT_EQ(boxes.warnings, QStringList{kSystemError});
    EXPECT_TRUE(boxes.errors.isEmpty());
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(ui.playerGrid->item(row, 0)->text(), "");
    }
    EXPECT_EQ(ui.ratingEdit->text(), "");
    EXPECT_EQ(ui.gameList->toPlainText(), "");
    EXPECT_EQ(ui.gameCountValue->text(), "0");
    EXPECT_TRUE(ui.eloButton->isChecked());  // the system last shown stays
}

// The grid takes only what the file keeps: 20 characters of Windows-1252, no more.
TEST_F(MainWindowTest, ANameTypedInTheGridIsWhatTheFileKeeps) {
    QTableWidget* grid = ui.playerGrid;
    grid->setFocus();
    QTest::keyClick(grid, 'B');  // typing starts the editing in place
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid);
    // Typed as a keyboard layout sends them, a character a key.
    QStringList told;  // what the cell said of each character refused
    for (const QChar c :
         QString::fromUtf8("\u00e9\u03a9\u4e2d\u20acartholomew Fitzgerald-Smythe")) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &key);
        if (QToolTip::isVisible() && (told.isEmpty() || told.last() != QToolTip::text())) {
            told.append(QToolTip::text());
        }
    }
    EXPECT_EQ(told, (QStringList{
                        QString::fromUtf8("« Ω » ne peut pas être enregistré dans le fichier des "
                                          "joueurs"),
                        QString::fromUtf8("« 中 » ne peut pas être enregistré dans le fichier des "
                                          "joueurs")}));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // Return commits through a queued call
    const QString kept = QString::fromUtf8("B\u00e9\u20acartholomew Fitzge");
    EXPECT_EQ(grid->item(0, 0)->text(), kept);
    QTest::mouseClick(ui.opponentEdit, Qt::LeftButton);

    const QByteArray bytes = readFile(playerFile);
    EXPECT_EQ(bytes[0], 20);
    EXPECT_EQ(bytes.mid(1, 20),
              "B\xe9\x80"
              "artholomew Fitzge");
    leaveAndComeBack();
    EXPECT_EQ(grid->item(0, 0)->text(), kept);

    // The narrow column clips it: its tooltip shows it whole; a short name needs none.
    const auto tooltipOf = [&](int row) {
        const QRect cell = grid->visualItemRect(grid->item(row, 0));
        QHelpEvent help(QEvent::ToolTip, cell.center(),
                        grid->viewport()->mapToGlobal(cell.center()));
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        QApplication::sendEvent(grid->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tooltipOf(0), kept);
    grid->item(1, 0)->setText("Ann");
    EXPECT_EQ(tooltipOf(1), "");
}

TEST_F(MainWindowTest, SwitchingPlayersBringsEverythingBack) {
    ui.playerGrid->item(0, 0)->setText("Anna");
    type(ui.ratingEdit, "1650");
    click(ui.youngBox);
    addGame("1850", "+");
    addGame("1700", "=");
    click(ui.fideButton);
    ui.coefficientBox->setCurrentText("15");

    selectPlayer(3);
    EXPECT_EQ(mainWindow->session().current(), 3);
    EXPECT_EQ(ui.ratingEdit->text(), "");
    EXPECT_FALSE(ui.youngBox->isChecked());
    EXPECT_EQ(ui.gameList->toPlainText(), "");
    EXPECT_TRUE(ui.eloButton->isChecked());
    ui.playerGrid->item(2, 0)->setText("Carl");
    type(ui.ratingEdit, "2200");
    addGame("2300", "-");

    selectPlayer(1);
    EXPECT_EQ(mainWindow->session().current(), 1);
    EXPECT_EQ(ui.playerGrid->item(0, 0)->text(), "Anna");
    EXPECT_EQ(ui.ratingEdit->text(), "1650");
    EXPECT_TRUE(ui.youngBox->isChecked());
    EXPECT_EQ(mainWindow->session().gameListText().text(), " 1850    + 1700    =");
    EXPECT_EQ(ui.gameCountValue->text(), "2");
    EXPECT_TRUE(ui.fideButton->isChecked());
    EXPECT_EQ(mainWindow->session().storedSystem(), 3);
    EXPECT_TRUE(ui.coefficientBox->isVisible());
    EXPECT_EQ(ui.coefficientBox->currentText(), "15");
    EXPECT_EQ(mainWindow->session().fideCoefficient(), 15);

    selectPlayer(3);
    EXPECT_EQ(ui.playerGrid->item(2, 0)->text(), "Carl");
    EXPECT_EQ(ui.ratingEdit->text(), "2200");
    EXPECT_EQ(mainWindow->session().gameListText().text(), " 2300    -");
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(PlayerFileWindowTest, FideWithCoefficient15IsShownSo) {
    start([](QByteArray& bytes) {
        putInt32(bytes, 840, 3);
        putInt32(bytes, 844, 15);
    });
    EXPECT_TRUE(ui.fideButton->isChecked());
    EXPECT_TRUE(ui.coefficientBox->isVisible());
    EXPECT_EQ(ui.coefficientBox->currentText(), "15");
    EXPECT_EQ(ui.newRatingCaption->text(), "NOUVEAU FIDE :");
}

// Loading a FIDE player saves him straight back: his own coefficient, not the one the
// previous player left in the box.
TEST_F(PlayerFileWindowTest, ALoadWritesTheLoadedPlayersOwnCoefficient) {
    start([](QByteArray& bytes) {
        putInt32(bytes, 840, 3);
        putInt32(bytes, 844, 25);
        putInt32(bytes, recordOffset(2) + 840, 3);
        putInt32(bytes, recordOffset(2) + 844, 15);
    });
    selectPlayer(2);
    EXPECT_EQ(ui.coefficientBox->currentText(), "15");
    EXPECT_EQ(getInt32(readFile(playerFile), recordOffset(2) + 844), 15);
    selectPlayer(1);
    EXPECT_EQ(ui.coefficientBox->currentText(), "25");
    EXPECT_EQ(getInt32(readFile(playerFile), recordOffset(2) + 844), 15);
    EXPECT_EQ(getInt32(readFile(playerFile), 844), 25);
}

TEST_F(PlayerFileWindowTest, AShortFileShowsTheErrorBox) {
    start([](QByteArray& bytes) { bytes.truncate(5 * kRecordBytes); });
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors.front().contains("tavo.lin"));
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(mainWindow->session().current(), 0);

    // Nothing was loaded, so nothing is written over the file either.
    addGame("1850", "+");
    QTest::mouseClick(ui.opponentEdit, Qt::LeftButton);
    EXPECT_EQ(readFile(playerFile).size(), 5 * kRecordBytes);
}

TEST_F(MainWindowTest, GamesSurviveTheAboutBoxOptionsAndOtherPrograms) {
    type(ui.ratingEdit, "1500");
    addGame("1850", "+");
    whenModalShown<AboutBox>([](AboutBox* about) { about->close(); });
    click(ui.aboutButton);
    leaveAndComeBack();
    addGame("1700", "=");
    whenModalShown<OptionsDialog>([](OptionsDialog* options) { options->close(); });
    click(ui.optionsButton);
    leaveAndComeBack();
    addGame("2010", "-");
    leaveAndComeBack();
    EXPECT_EQ(mainWindow->session().gameListText().text(), " 1850    + 1700    = 2010    -");
    EXPECT_EQ(ui.ratingEdit->text(), "1500");
    EXPECT_EQ(getInt32(readFile(playerFile), 28), 3);
    EXPECT_EQ(getDouble(readFile(playerFile), 72), 2010);
}

TEST_F(MainWindowTest, EverythingIsSavedOnClosing) {
    type(ui.ratingEdit, "1720");
    addGame("1850", "+");
    click(ui.quitButton);  // "Quitter"
    EXPECT_FALSE(mainWindow->isVisible());
    openWindow();
    EXPECT_EQ(ui.ratingEdit->text(), "1720");
    EXPECT_EQ(mainWindow->session().gameListText().text(), " 1850    +");
}

// Start-up tells the file is damaged: each player's unknown system is told once, not at
// every return to the window.
TEST_F(PlayerFileWindowTest, ASystemMessageIsShownOncePerPlayer) {
    start([](QByteArray& bytes) { putInt32(bytes, 840, 9); });
    ASSERT_EQ(boxes.warnings, QStringList{kSystemError});
    leaveAndComeBack();
    leaveAndComeBack();
    EXPECT_EQ(boxes.warnings, QStringList{kSystemError});
}

// The automatic calculation never speaks nor empties a field: a pressed "CALCUL" does.
TEST_F(PlayerFileWindowTest, ARefusedStoredRatingIsKeptByTheAutomaticCalculation) {
    Settings automatic;
    automatic.autoCalculate = true;
    start(
        [](QByteArray& bytes) {
            putInt32(bytes, 24, 999);
            putInt32(bytes, 28, 1);
            putDouble(bytes, 40, 1500);
            putDouble(bytes, 48, 1);
        },
        automatic);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(ui.ratingEdit->text(), "999");
    EXPECT_EQ(results(), "|||");

    ui.playerGrid->setCurrentCell(1, 0);
    ui.playerGrid->setCurrentCell(0, 0);
    leaveAndComeBack();
    click(ui.fide2024Button);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(ui.ratingEdit->text(), "999");

    click(ui.eloButton);
    click(ui.calculateButton);
    EXPECT_EQ(boxes.warnings, QStringList{kEloIncorrect});
    EXPECT_EQ(ui.ratingEdit->text(), "");
}

// A player that cannot be saved never holds the window open: the user is asked, "Non"
// keeps it open, "Oui" leaves the file as it was.
TEST_F(MainWindowTest, AWindowWhosePlayerCannotBeSavedAsksBeforeClosingUnsaved) {
    type(ui.ratingEdit, "1500");
    addGame("1850", "+");
    QFile::remove(playerFile);
    boxes.answer = false;
    click(ui.quitButton);
    ASSERT_EQ(boxes.questions.size(), 1);
    EXPECT_EQ(boxes.questions[0],
              "Les changements de joueur 1 n'ont pas pu être enregistrés (fichier introuvable). "
              "Quitter sans les enregistrer ?");
    EXPECT_TRUE(boxes.errors.isEmpty());
    EXPECT_TRUE(mainWindow->isVisible());

    writeFile(playerFile, blankPlayerFile());  // the user makes room again
    click(ui.quitButton);
    EXPECT_FALSE(mainWindow->isVisible());
    EXPECT_EQ(getDouble(readFile(playerFile), 40), 1850);

    openWindow();
    addGame("1700", "=");
    QFile::remove(playerFile);
    boxes.answer = true;
    mainWindow->close();
    EXPECT_FALSE(mainWindow->isVisible());
    EXPECT_FALSE(QFile::exists(playerFile));
}

// The windows do not depend on the save before them: they open after its error box.
TEST_F(MainWindowTest, TheTableOpensWhenTheSaveBeforeItFails) {
    addGame("1850", "+");
    QFile::remove(playerFile);
    bool shown = false;
    whenModalShown<PercentageTableWindow>([&](PercentageTableWindow* table) {
        shown = true;
        table->close();
    });
    click(ui.tableButton);
    EXPECT_TRUE(shown);
    EXPECT_EQ(boxes.errors.size(), 1);
}

TEST_F(MainWindowTest, AFailedSaveKeepsWhatIsOnScreen) {
    addGame("1850", "+");
    QFile::remove(playerFile);
    leave();
    EXPECT_EQ(boxes.errors.size(), 1);
    activate();  // no reload over the games the file could not take
    EXPECT_EQ(mainWindow->session().gameListText().text(), " 1850    +");
    writeFile(playerFile, blankPlayerFile());
    leaveAndComeBack();
    EXPECT_EQ(mainWindow->session().gameListText().text(), " 1850    +");
}

}  // namespace
}  // namespace tavolin::testing
