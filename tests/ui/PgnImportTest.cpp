// SPDX-License-Identifier: GPL-3.0-or-later
// Games imported from a PGN file: the dialog, and its wiring to the main window.
#include "PgnImportDialog.h"

#include <sys/stat.h>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QUrl>

#include "ControlsOf.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"
#include "PgnImportDialogControls.h"
#include "PlayerFile.h"
#include "RatingHistory.h"

namespace tavolin::testing {
namespace {

const QByteArray kOpen =
    "[Event \"Open\"][Round \"1\"][White \"Dupont, Jean\"][Black \"Martin, Luc\"]\n"
    "[BlackElo \"2010\"][Result \"0-1\"]\n1. e4 {a comment} e5 (1... c5) 0-1\n\n"
    "[Event \"Open\"][Round \"2\"][White \"Leroy, Anne\"][Black \"DUPONT,JEAN\"]\n"
    "[WhiteElo \"1700\"][Result \"1/2-1/2\"]\n1. d4 1/2-1/2\n\n"
    "[Event \"Open\"][Round \"3\"][White \"Dupont, Jean\"][Black \"Petit, Paul\"]\n"
    "[BlackElo \"?\"][Result \"1-0\"]\n1. c4 1-0\n\n"
    "[Event \"Open\"][Round \"4\"][White \"Dupont, Jean\"][Black \"Blanc, Eve\"]\n"
    "[BlackElo \"2300\"][Result \"1-0\"]\n1. c4 1-0\n";

bool waitForReading(PgnImportDialog& dialog) {
    return QTest::qWaitFor([&] { return !dialog.reading(); }, 10000);
}

class PgnImportTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        pgn = folder.filePath("open.pgn");
        writeFile(pgn, kOpen);
        ui.playerGrid->item(0, 0)->setText("Dupont, Jean");
    }

    // Acts on the import dialog once it has read the chosen player's games.
    void whenImportShown(std::function<void(PgnImportDialog*)> act) {
        whenModalShown<PgnImportDialog>([act](PgnImportDialog* dialog) {
            // Two readings: the players, then the preselected player's games.
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    return controlsOf<PgnImportDialogControls>(*dialog).gameTable->rowCount() > 0 &&
                           !dialog->reading();
                },
                10000));
            act(dialog);
        });
    }

    static void importTicked(PgnImportDialog* dialog) {
        controlsOf<PgnImportDialogControls>(*dialog).importButton->click();
    }

    QString pgn;
};

TEST_F(PgnImportTest, ADroppedFileFillsTheListAfterTheGamesTyped) {
    addGame("1600", "+");
    QString skipped;
    whenImportShown([&](PgnImportDialog* dialog) {
        const auto shown = controlsOf<PgnImportDialogControls>(*dialog);
        EXPECT_EQ(shown.playerBox->currentText(), "Dupont, Jean (4)");
        skipped = shown.skippedLabel->text();
        shown.gameTable->item(2, 0)->setCheckState(Qt::Unchecked);
        importTicked(dialog);
    });
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(pgn)});
    // As a file manager drops it: the drag enters the window, then the file is let go.
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mainWindow.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mainWindow.get(), &drop);
    // The drop is over before the dialog opens: the file manager is not kept waiting.
    EXPECT_TRUE(skipped.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui.gameCountValue->text() == "3"; }, 10000));
    EXPECT_EQ(skipped, "1 partie ignorée : 1 sans Elo de l'adversaire");
    EXPECT_EQ(mainWindow->session().gameListText().text(), " 1600    + 2010    - 1700    =");
    EXPECT_EQ(ui.gameCountValue->text(), "3");
    EXPECT_EQ(ui.newRatingValue->text(), "");  // nothing calculated
    // Given the focus back, as the window manager does once the dialog closes: the games
    // imported are not reloaded away; they reach the file at the next save.
    activate();
    EXPECT_EQ(mainWindow->session().gameListText().text(), " 1600    + 2010    - 1700    =");
    leave();
    EXPECT_EQ(getInt32(readFile(playerFile), 28), 3);
    // What the file said of the imported games waits for the period's history.
    QStringList opponents;
    for (const HistoryGame& game : mainWindow->session().periodGames()) {
        opponents.append(game.opponentName + "/" + game.round);
    }
    EXPECT_EQ(opponents, (QStringList{"/", "Martin, Luc/1", "Leroy, Anne/2"}));
}

TEST_F(PgnImportTest, CtrlOChoosesTheFileAndTheListKeepsItsFifty) {
    for (int k = 0; k < 49; ++k) {
        addGame("1600", "=");
    }
    // The file dialog takes the focus; the window gets it back only after the import.
    mainWindow->setPgnFileChooser([this] {
        other.show();
        other.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
        return pgn;
    });
    whenImportShown(importTicked);
    QTest::keyClick(mainWindow.get(), Qt::Key_O, Qt::ControlModifier);
    activate();
    EXPECT_EQ(mainWindow->session().games().count, 50);
    EXPECT_EQ(mainWindow->session().games().entries[49].opponentRating, 2010);
    EXPECT_EQ(boxes.warnings, QStringList{"Impossible d'ajouter plus de 50 parties"});
}

// A file handed over while "Clore la période ?" is open waits for the answer: the period
// closes with the games it asked about, then the file's games come into the new period.
TEST_F(PgnImportTest, AFileHandedOverDuringTheClosingQuestionWaitsForTheAnswer) {
    calculateFide2024Example();
    bool importedDuringQuestion = true;
    boxes.answer = true;
    boxes.whileShown = [&] {
        boxes.whileShown = nullptr;
        mainWindow->openPgnFile(pgn);
        QTest::qWait(500);
        importedDuringQuestion = mainWindow->session().games().count != 4;
    };
    whenImportShown(importTicked);
    click(ui.closePeriodButton);
    EXPECT_FALSE(importedDuringQuestion);
    ASSERT_TRUE(QTest::qWaitFor([&] { return mainWindow->session().games().count == 3; }, 10000));

    const auto periods = RatingHistory(folder.filePath("tavolin-history.sqlite")).periods(1);
    ASSERT_EQ(periods.size(), 1u);
    EXPECT_EQ(periods[0].games.size(), 4u);
    const PlayerRecord saved = PlayerFile(playerFile).readAll()[0];
    EXPECT_EQ(saved.rating(), 1860);
    EXPECT_EQ(saved.games()[0].opponentRating, 2010);
    EXPECT_EQ(saved.gameCount(), 3);
}

// What changes while the question is open is not what it asked about: nothing is closed.
TEST_F(PgnImportTest, GamesChangedDuringTheClosingQuestionCloseNothing) {
    calculateFide2024Example();
    boxes.answer = true;
    boxes.whileShown = [&] {
        boxes.whileShown = nullptr;
        addGame("1500", "+");
    };
    click(ui.closePeriodButton);
    EXPECT_EQ(boxes.warnings, QStringList{"Les parties ou les résultats ont changé pendant la "
                                          "question : la période n'a pas été close."});
    EXPECT_FALSE(QFile::exists(folder.filePath("tavolin-history.sqlite")));
    EXPECT_EQ(mainWindow->session().games().count, 5);
    EXPECT_EQ(ui.ratingEdit->text(), "1850");
}

TEST_F(PgnImportTest, TheDialogSaysWhatItCannotRead) {
    writeFile(folder.filePath("cut.pgn"), kOpen + "[White \"Dupont, Jean\"][Black \"X\"][BlackE");
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath("pipe.pgn")).constData(), 0600), 0);
    struct Case {
        QString path;
        QString says;
    };
    for (const Case& c :
         {Case{folder.filePath("missing.pgn"), "fichier introuvable"},
          Case{folder.path(), "c'est un dossier"}, Case{folder.filePath("cut.pgn"), "est abîmé"},
          Case{folder.filePath("pipe.pgn"), "ce n'est pas un fichier ordinaire"},
          Case{"/dev/zero", "/dev/zero : ce n'est pas un fichier ordinaire"}}) {
        PgnImportDialog dialog(c.path, "dupont, jean", boxes);
        ASSERT_TRUE(waitForReading(dialog));
        QTest::qWait(20);  // the preselected player's games, when there are players
        ASSERT_TRUE(waitForReading(dialog));
        const QString said = controlsOf<PgnImportDialogControls>(dialog).skippedLabel->text();
        EXPECT_TRUE(said.contains(c.says)) << said.toStdString();
    }
}

// Nobody is chosen for the user unless his name matches: "Importer" waits for his choice.
TEST_F(PgnImportTest, OnlyAMatchingPlayerIsChosen) {
    const QString file = folder.filePath("names.pgn");
    writeFile(file, kOpen +
                        "[Date \"2024.03.02\"][White \"Hélène Lefèvre\"][Black \"Lefevre, Helene\"]"
                        "[WhiteElo \"1900\"][BlackElo \"1900\"][Result \"1-0\"]\n1. e4 1-0\n");
    struct Case {
        QString wanted;
        int chosen;
        QString says;
    };
    for (const Case& c : {
             Case{"dupont , JEAN", 0, "1 partie ignorée : 1 sans Elo de l'adversaire"},
             Case{"", -1, "Choisissez dans la liste le joueur dont les parties sont à importer."},
             Case{"Dupont, Jeanne", -1,
                  "Aucun joueur du fichier ne s'appelle Dupont, Jeanne : choisissez-le dans la "
                  "liste."},
             Case{"Lefèvre, Hélène", -1,
                  "Plusieurs joueurs du fichier peuvent être Lefèvre, Hélène : Hélène Lefèvre ; "
                  "Lefevre, Helene. Choisissez-le dans la liste."},
         }) {
        PgnImportDialog dialog(file, c.wanted, boxes);
        const auto shown = controlsOf<PgnImportDialogControls>(dialog);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !dialog.reading() && !shown.skippedLabel->text().isEmpty(); }, 10000));
        EXPECT_EQ(shown.playerBox->currentIndex(), c.chosen) << c.wanted.toStdString();
        EXPECT_EQ(shown.skippedLabel->text(), c.says);
        EXPECT_EQ(shown.importButton->isEnabled(), c.chosen >= 0) << c.wanted.toStdString();
        EXPECT_EQ(shown.gameTable->rowCount(), c.chosen >= 0 ? 3 : 0);
    }
    // The user's own choice reads that player's games.
    PgnImportDialog dialog(file, QString(), boxes);
    const auto shown = controlsOf<PgnImportDialogControls>(dialog);
    ASSERT_TRUE(waitForReading(dialog));
    shown.playerBox->setCurrentIndex(shown.playerBox->findText("Martin, Luc (1)"));
    ASSERT_TRUE(waitForReading(dialog));
    EXPECT_EQ(shown.gameTable->rowCount(), 0);  // his opponent has no Elo
    shown.playerBox->setCurrentIndex(shown.playerBox->findText("Hélène Lefèvre (1)"));
    ASSERT_TRUE(waitForReading(dialog));
    ASSERT_EQ(shown.gameTable->rowCount(), 1);
    EXPECT_EQ(shown.gameTable->item(0, 0)->text(), "02/03/2024");
    EXPECT_EQ(shown.gameTable->item(0, 3)->text(), "Lefevre, Helene");
    EXPECT_TRUE(shown.importButton->isEnabled());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

// Stopped, the dialog shows nobody's games, says so and reads again on demand; closed
// while it reads, it goes at once.
TEST_F(PgnImportTest, AReadingStoppedCanBeReadAgain) {
    const QString file = folder.filePath("big.pgn");
    QByteArray big;
    for (int k = 0; k < 120000; ++k) {
        big += kOpen;
    }
    writeFile(file, big);  // about 60 MB
    PgnImportDialog dialog(file, "Dupont, Jean", boxes);
    const auto shown = controlsOf<PgnImportDialogControls>(dialog);
    shown.stopButton->click();
    ASSERT_TRUE(waitForReading(dialog));
    EXPECT_EQ(shown.skippedLabel->text(),
              "Lecture arrêtée avant la fin du fichier : la liste des joueurs est incomplète.");
    EXPECT_TRUE(shown.readAgainButton->isVisibleTo(&dialog));
    EXPECT_EQ(shown.playerBox->count(), 0);
    EXPECT_FALSE(shown.importButton->isEnabled());

    shown.readAgainButton->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.playerBox->count() > 0; }, 20000));
    EXPECT_EQ(shown.playerBox->currentText(), "Dupont, Jean (480000)");
    // Stopped while it reads Dupont's games: none are shown under his name.
    shown.stopButton->click();
    ASSERT_TRUE(waitForReading(dialog));
    EXPECT_EQ(shown.gameTable->rowCount(), 0);
    EXPECT_EQ(shown.skippedLabel->text(), "Lecture arrêtée.");
    EXPECT_FALSE(shown.importButton->isEnabled());

    auto reading = std::make_unique<PgnImportDialog>(file, "Dupont, Jean", boxes);
    EXPECT_TRUE(reading->reading());
    reading.reset();  // nothing waits for the reading: it ends by itself
    QTest::qWait(50);
}

}  // namespace
}  // namespace tavolin::testing
