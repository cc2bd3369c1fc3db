// SPDX-License-Identifier: GPL-3.0-or-later
// Games imported from a tournament report: the dialog, and its wiring to the main window
// (the rules of the rounds taken are tested in tests/engine/TrfImportTest.cpp).
#include "TrfImportDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>

#include "../engine/TrfLines.h"
#include "ControlsOf.h"
#include "HistoryPeriod.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"
#include "PgnImportDialogControls.h"

namespace tavolin::testing {
namespace {

using test::trfPlayerLine;

// Vasquez wins against Dupont, draws with Leroy, wins a forfeit against Blanc and loses to
// the unrated Petit: two rated games, two rounds left out. Leroy's win is against Petit.
QByteArray santiagoReport() {
    std::string report = "012 Open de Santiago\r\n042 2024/03/02\r\n";
    for (const std::string& line : {
             trfPlayerLine(1, "Vasquez,Rodrigo", "2558",
                           {"   2 w 1", "   3 b =", "   4 w +", "   5 b 0"}),
             trfPlayerLine(2, "Dupont, Jean", "2010", {"   1 b 0"}),
             trfPlayerLine(3, "Leroy, Anne", "1700", {"   5 w 1", "   1 w ="}),
             trfPlayerLine(4, "Blanc, Eve", "2300"),
             trfPlayerLine(5, "Petit, Paul", ""),
         }) {
        report += line + "\r\n";
    }
    return QByteArray::fromStdString(report);
}

const QString kSantiagoSkipped = "2 rondes non prises : 1 forfait, 1 adversaire non classé";

class TrfImportTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // Saved as ".txt": known as a report by its first bytes.
        report = folder.filePath("santiago.txt");
        writeFile(report, santiagoReport());
        ui.playerGrid->item(0, 0)->setText("Vasquez, Rodrigo");
    }

    // Tells what the dialog shows, then presses "Importer".
    void whenImportShown(std::function<void(const PgnImportDialogControls&)> look) {
        whenModalShown<TrfImportDialog>([look](TrfImportDialog* dialog) {
            const auto shown = controlsOf<PgnImportDialogControls>(*dialog);
            look(shown);
            shown.importButton->click();
        });
    }

    QString report;
};

TEST_F(TrfImportTest, ADroppedReportFillsTheListAndTheEmptyRating) {
    ASSERT_EQ(ui.ratingEdit->text(), "");
    addGame("1600", "+");
    QStringList players;
    QStringList rows;
    QString said;
    whenImportShown([&](const PgnImportDialogControls& shown) {
        for (int k = 0; k < shown.playerBox->count(); ++k) {
            players.append(shown.playerBox->itemText(k));
        }
        EXPECT_EQ(shown.playerBox->currentText(), "Vasquez,Rodrigo (2558)");
        for (int row = 0; row < shown.gameTable->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < shown.gameTable->columnCount(); ++column) {
                cells.append(shown.gameTable->item(row, column)->text());
            }
            rows.append(cells.join('|'));
        }
        said = shown.skippedLabel->text();
        EXPECT_FALSE(shown.progressBar->isVisibleTo(shown.progressBar->window()));
    });
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(report)});
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mainWindow.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mainWindow.get(), &drop);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui.gameCountValue->text() == "3"; }, 10000));

    EXPECT_EQ(players, (QStringList{"Vasquez,Rodrigo (2558)", "Dupont, Jean (2010)",
                                    "Leroy, Anne (1700)", "Blanc, Eve (2300)", "Petit, Paul"}));
    EXPECT_EQ(rows, (QStringList{"02/03/2024|Open de Santiago|1|Dupont, Jean|2010|+",
                                 "02/03/2024|Open de Santiago|2|Leroy, Anne|1700|="}));
    EXPECT_EQ(said, kSantiagoSkipped +
                        "\nLe classement de ce joueur dans le fichier (2558) sera mis dans la "
                        "case du classement, qui est vide.");
    EXPECT_EQ(ui.ratingEdit->text(), "2558");
    EXPECT_EQ(mainWindow->session().gameListText().text(), " 1600    + 2010    + 1700    =");
    QStringList texts;
    for (const HistoryGame& game : mainWindow->session().periodGames()) {
        texts.append(QStringList{game.opponentName, game.round, game.event, game.date}.join('/'));
    }
    EXPECT_EQ(texts, (QStringList{"///", "Dupont, Jean/1/Open de Santiago/2024.03.02",
                                  "Leroy, Anne/2/Open de Santiago/2024.03.02"}));
    // Saved: the file holds the rating and the games after a reload.
    leaveAndComeBack();
    EXPECT_EQ(ui.ratingEdit->text(), "2558");
    EXPECT_EQ(mainWindow->session().games().count, 3);
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(TrfImportTest, CtrlOKeepsATypedRatingAndTheListsFifty) {
    type(ui.ratingEdit, "1850");
    for (int k = 0; k < 49; ++k) {
        addGame("1600", "=");
    }
    const QString trf = folder.filePath("santiago.trf");
    writeFile(trf, santiagoReport());
    mainWindow->setPgnFileChooser([&] { return trf; });
    QString said;
    whenImportShown(
        [&](const PgnImportDialogControls& shown) { said = shown.skippedLabel->text(); });
    QTest::keyClick(mainWindow.get(), Qt::Key_O, Qt::ControlModifier);
    activate();
    EXPECT_EQ(said, kSantiagoSkipped +
                        "\nLe classement de ce joueur dans le fichier (2558) n'est pas pris : la "
                        "case du classement en a déjà un.");
    EXPECT_EQ(ui.ratingEdit->text(), "1850");
    EXPECT_EQ(mainWindow->session().games().count, 50);
    EXPECT_EQ(mainWindow->session().games().entries[49].opponentRating, 2010);
    EXPECT_EQ(boxes.warnings, QStringList{"Impossible d'ajouter plus de 50 parties"});
}

// From the file manager or a second start: the same path as a PGN file, told by its bytes.
TEST_F(TrfImportTest, AReportOpenedFromTheDesktopOpensItsDialog) {
    bool opened = false;
    whenModalShown<TrfImportDialog>([&](TrfImportDialog* dialog) {
        opened = true;
        dialog->reject();
    });
    mainWindow->openPgnFile(report);
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened; }, 10000));
    QTest::qWait(50);
    EXPECT_EQ(mainWindow->session().games().count, 0);
    EXPECT_EQ(ui.ratingEdit->text(), "");  // cancelled: nothing taken
}

// Nobody is chosen for the user unless his name matches; what cannot be read is told.
TEST_F(TrfImportTest, TheDialogChoosesByTheNameRuleAndTellsErrors) {
    const QString damaged = folder.filePath("damaged.trf");
    QByteArray lines = santiagoReport();
    lines.insert(lines.indexOf("001"), "001  x  damaged\r\n");
    writeFile(damaged, lines);
    writeFile(folder.filePath("empty.trf"), "012 Open\n");
    struct Case {
        QString path;
        QString wanted;
        int chosen;
        QString says;
    };
    for (const Case& c : {
             Case{report, "VASQUEZ , rodrigo", 0, kSantiagoSkipped},
             Case{report, "Rodrigo Vasquez", 0, kSantiagoSkipped},
             Case{report, "", -1,
                  "Choisissez dans la liste le joueur dont les parties sont à importer."},
             Case{report, "Vasquez, Ana", -1,
                  "Aucun joueur du fichier ne s'appelle Vasquez, Ana : choisissez-le dans la "
                  "liste."},
             Case{folder.filePath("missing.trf"), "Vasquez, Rodrigo", -1, "fichier introuvable"},
             Case{damaged, "Vasquez, Rodrigo", 0,
                  "\n1 ligne de joueur abîmée n'est pas prise (ligne 3)."},
             Case{folder.filePath("empty.trf"), "", -1, "Aucun joueur dans"},
         }) {
        TrfImportDialog dialog(c.path, c.wanted, "1850", boxes);
        const auto shown = controlsOf<PgnImportDialogControls>(dialog);
        EXPECT_EQ(shown.playerBox->currentIndex(), c.chosen) << c.wanted.toStdString();
        EXPECT_TRUE(shown.skippedLabel->text().contains(c.says))
            << shown.skippedLabel->text().toStdString();
        EXPECT_EQ(shown.importButton->isEnabled(), c.chosen >= 0);
        EXPECT_EQ(shown.gameTable->rowCount(), c.chosen >= 0 ? 2 : 0);
    }
    // The user's own choice shows that player's games; an unrated one gives no rating.
    TrfImportDialog dialog(report, QString(), QString(), boxes);
    const auto shown = controlsOf<PgnImportDialogControls>(dialog);
    shown.playerBox->setCurrentIndex(shown.playerBox->findText("Leroy, Anne (1700)"));
    ASSERT_EQ(shown.gameTable->rowCount(), 1);
    EXPECT_EQ(shown.gameTable->item(0, 2)->text(), "2");
    EXPECT_EQ(shown.gameTable->item(0, 3)->text(), "Vasquez,Rodrigo");
    EXPECT_EQ(dialog.ratingToFill(), 1700);
    shown.playerBox->setCurrentIndex(shown.playerBox->findText("Petit, Paul"));
    EXPECT_EQ(shown.gameTable->rowCount(), 0);
    EXPECT_EQ(dialog.ratingToFill(), std::nullopt);
    EXPECT_FALSE(shown.importButton->isEnabled());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

}  // namespace
}  // namespace tavolin::testing
