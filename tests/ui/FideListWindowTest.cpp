// SPDX-License-Identifier: GPL-3.0-or-later
// FIDE's list in the main window: opponents chosen by name, the player's FIDE ID and his
// rating offered from the list, and the Options window's part on the list.
#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QSignalSpy>

#include "FideList.h"
#include "FideListFiles.h"
#include "FideListLines.h"
#include "FideListPanel.h"
#include "FideMonthText.h"
#include "LocalHttpServer.h"
#include "MainWindowFixture.h"
#include "OpponentSuggestions.h"
#include "OptionsDialog.h"
#include "RatingHistory.h"

namespace tavolin::testing {
namespace {

// Three players of the combined list's layout: rated, rated with a long "other titles", and
// unrated in every list.
QByteArray listText() {
    std::string text =
        std::string(kCombinedHeader) + "\r\n" + std::string(kCarlsenLine) + "\r\n" +
        std::string(kCruzArceLine) + "\r\n" +
        combinedLine("99999999", "Carlier, Anne", "FRA", "F", "", "WFM", "", "2001", "w") + "\r\n";
    return QByteArray::fromStdString(text);
}

TEST(OpponentSuggestionsTest, LettersAndFideIdsAskTheListDigitsOfARatingDoNot) {
    const struct {
        const char* typed;
        bool asks;
    } cases[] = {{"", false},         {"1850", false},   {"185", false}, {"12345", true},
                 {" 1503014 ", true}, {"carl", true},    {"é", true},    {"18a", true},
                 {"-", false},        {"1850.5", false}, {"   ", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(OpponentSuggestions::isSearch(QString::fromUtf8(c.typed)), c.asks) << c.typed;
    }
}

TEST(OpponentSuggestionsTest, AnOfferedLineShowsNameFederationTitleAndStandardRating) {
    FideListPlayer rated;
    rated.name = "Carlsen, Magnus";
    rated.federation = "NOR";
    rated.title = "GM";
    rated.standardRating = 2823;
    EXPECT_EQ(OpponentSuggestions::lineOf(rated), "Carlsen, Magnus  NOR  GM  2823");
    FideListPlayer unrated;
    unrated.name = "Carlier, Anne";
    unrated.federation = "FRA";
    unrated.womanTitle = "WFM";
    EXPECT_EQ(OpponentSuggestions::lineOf(unrated), "Carlier, Anne  FRA  WFM  non classé");
}

TEST(FideMonthTextTest, AListIsNamedByItsMonthInFrench) {
    const struct {
        const char* month;
        const char* named;
    } cases[] = {{"2026-10", "liste FIDE d'octobre 2026"},   {"2026-03", "liste FIDE de mars 2026"},
                 {"2026-08", "liste FIDE d'août 2026"},      {"2027-04", "liste FIDE d'avril 2027"},
                 {"2026-12", "liste FIDE de décembre 2026"}, {"2026-13", "liste FIDE de 2026-13"}};
    for (const auto& c : cases) {
        EXPECT_EQ(fideListOfMonth(QString::fromUtf8(c.month)), QString::fromUtf8(c.named));
    }
}

class FideListWindowTest : public MainWindowTest {
protected:
    void beforeOpening() override {
        const QString text = folder.filePath("players_list_foa.txt");
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(listText());
        file.close();
        ASSERT_TRUE(importFideList(files().fideList, text, "2026-10").has_value());
    }

    // Types `text` into the opponent's field and chooses the offered line `row`.
    void choose(const QString& text, int row) {
        ui.opponentEdit->setFocus();
        QTest::keyClicks(ui.opponentEdit, text);
        QCompleter* completer = offer();
        ASSERT_NE(completer->widget(), nullptr);
        QAbstractItemView* popup = completer->popup();
        ASSERT_TRUE(popup->isVisible());
        popup->setCurrentIndex(completer->completionModel()->index(row, 0));
        QTest::keyClick(popup, Qt::Key_Return);
    }

    QCompleter* offer() const { return mainWindow->findChild<QCompleter*>(); }

    QStringList offered() const {
        QStringList lines;
        const QAbstractItemModel* model = offer()->completionModel();
        for (int row = 0; row < model->rowCount(); ++row) {
            lines.append(model->index(row, 0).data().toString());
        }
        return lines;
    }
};

TEST_F(FideListWindowTest, AnOpponentChosenByNameGivesHisRatingAndGoesWithTheGameByName) {
    QTest::keyClicks(ui.opponentEdit, "carl");
    EXPECT_EQ(offered(), (QStringList{"Carlsen, Magnus  NOR  GM  2823",
                                      "Carlier, Anne  FRA  WFM  non classé"}));
    ui.opponentEdit->clear();
    choose("carl", 0);
    EXPECT_EQ(ui.opponentEdit->text(), "2823");
    ui.resultEdit->setText("=");
    mainWindow->addGame();
    const auto games = mainWindow->session().periodGames();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].entry.opponentRating, 2823);
    EXPECT_EQ(games[0].opponentName, "Carlsen, Magnus");
    EXPECT_TRUE(boxes.warnings.isEmpty());
}

TEST_F(FideListWindowTest, DigitsOfARatingAreAGameAsBeforeWithoutAName) {
    QTest::keyClicks(ui.opponentEdit, "1850");
    EXPECT_TRUE(offered().isEmpty());
    ui.resultEdit->setText("+");
    mainWindow->addGame();
    const auto games = mainWindow->session().periodGames();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].entry.opponentRating, 1850);
    EXPECT_EQ(games[0].opponentName, "");
}

TEST_F(FideListWindowTest, AChoiceRetypedIsNoLongerTheChosenPlayer) {
    choose("cruz", 0);
    EXPECT_EQ(ui.opponentEdit->text(), "1938");
    ui.opponentEdit->selectAll();
    QTest::keyClicks(ui.opponentEdit, "1940");
    ui.resultEdit->setText("-");
    mainWindow->addGame();
    EXPECT_EQ(mainWindow->session().periodGames().at(0).opponentName, "");
}

// Enter in the offer chooses the player; the game waits for an Enter of its own, even with
// its result typed already.
TEST_F(FideListWindowTest, EnterInTheOfferChoosesWithoutEnteringTheGame) {
    ui.resultEdit->setText("=");
    choose("carlsen", 0);
    EXPECT_EQ(ui.opponentEdit->text(), "2823");
    EXPECT_TRUE(mainWindow->session().periodGames().empty());
    EXPECT_TRUE(boxes.warnings.isEmpty());
    QTest::keyClick(ui.opponentEdit, Qt::Key_Return);
    ASSERT_EQ(mainWindow->session().periodGames().size(), 1u);
    EXPECT_EQ(mainWindow->session().periodGames()[0].opponentName, "Carlsen, Magnus");
}

TEST_F(FideListWindowTest, APlayerUnratedInTheStandardListPutsNothingInTheField) {
    choose("anne", 0);
    EXPECT_EQ(ui.opponentEdit->text(), "");
}

TEST_F(FideListWindowTest, TheLinkedPlayersRatingAndKAreOfferedAndTakenOnlyWhenAccepted) {
    boxes.textAnswer = "1503014";
    boxes.answer = false;
    mainWindow->linkFideId();
    EXPECT_EQ(RatingHistory(QDir(dataFolder()).filePath(kHistoryFileName)).fideId(1),
              std::optional<quint32>(1503014u));
    ASSERT_EQ(boxes.questions.size(), 2);
    EXPECT_EQ(boxes.questions[1],
              "Selon la liste FIDE d'octobre 2026, Carlsen, Magnus (FIDE 1503014) a un Elo de "
              "2823 et un coefficient K de 10 (règles FIDE 2024).\nLes reprendre pour ce joueur ?");
    EXPECT_EQ(ui.ratingEdit->text(), "");

    boxes.answer = true;
    mainWindow->updateFromFideList();
    EXPECT_EQ(ui.ratingEdit->text(), "2823");
    EXPECT_EQ(mainWindow->session().fide2024Coefficient(), 10);
    EXPECT_TRUE(mainWindow->windowTitle().endsWith("liste FIDE d'octobre 2026"));
    leaveAndComeBack();  // the player is loaded again: the title still tells the list
    EXPECT_TRUE(mainWindow->windowTitle().endsWith("liste FIDE d'octobre 2026"));
    ui.ratingEdit->setText("2800");
    leaveAndComeBack();
    EXPECT_EQ(mainWindow->windowTitle(), kVersionCaption);
    EXPECT_TRUE(boxes.warnings.isEmpty());
}

TEST_F(FideListWindowTest, AFideIdNotInTheListOrNotANumberIsToldAndNotLinked) {
    const struct {
        const char* typed;
        const char* told;
    } cases[] = {{"123456", "Le numéro FIDE 123456 n'est pas dans la liste FIDE d'octobre 2026."},
                 {"15O3014", "Un numéro FIDE s'écrit en chiffres : « 15O3014 »."},
                 {"-5", "Un numéro FIDE s'écrit en chiffres : « -5 »."}};
    for (const auto& c : cases) {
        boxes.warnings.clear();
        boxes.textAnswer = QString::fromUtf8(c.typed);
        mainWindow->linkFideId();
        EXPECT_EQ(boxes.warnings, QStringList{QString::fromUtf8(c.told)});
        EXPECT_EQ(RatingHistory(QDir(dataFolder()).filePath(kHistoryFileName)).fideId(1),
                  std::nullopt);
    }
    boxes.warnings.clear();
    mainWindow->updateFromFideList();
    ASSERT_EQ(boxes.warnings.size(), 1);
    EXPECT_TRUE(boxes.warnings[0].startsWith("Ce joueur n'a pas de numéro FIDE"));
}

TEST_F(FideListWindowTest, TheOptionsWindowShowsTheListAndDeletesIt) {
    int changes = 0;
    FideListPanel::Actions actions;
    actions.listChanged = [&changes] { ++changes; };
    OptionsDialog options(
        settingsFile, QString(), boxes, [] {}, nullptr);
    FideListPanel* panel = options.showFideList(files().fideList, actions);
    EXPECT_EQ(panel->description(), "Liste FIDE d'octobre 2026 : 3 joueurs\n" +
                                        QDir::toNativeSeparators(files().fideList));
    boxes.answer = true;
    panel->remove();
    EXPECT_FALSE(QFile::exists(files().fideList));
    EXPECT_EQ(panel->description(), "Aucune liste FIDE n'est installée.");
    EXPECT_EQ(changes, 1);
    mainWindow->fideListChanged();
    EXPECT_EQ(offer()->widget(), nullptr);
    EXPECT_EQ(ui.opponentEdit->maxLength(), 4);
}

// "Télécharger" fetches the zip from the address of the settings file, imports it, and
// asks the server again with the list's date: an unchanged list is told, and kept.
TEST_F(FideListWindowTest, TheListIsDownloadedFromTheSettingsAddressThenToldTheLatest) {
    const QString zip = folder.filePath("served.zip");
    writeZip(zip, {{"players_list_foa.txt", listText().toStdString()}});
    QFile served(zip);
    ASSERT_TRUE(served.open(QIODevice::ReadOnly));
    LocalHttpServer server;
    LocalHttpServer::Answer answer;
    answer.body = served.readAll();
    answer.lastModified = "Thu, 01 Oct 2026 08:00:00 GMT";
    server.answer("/players_list.zip", answer);
    writeFile(settingsFile, "[programme]\r\nadresse_liste_fide=" +
                                server.url("/players_list.zip").toEncoded() + "\r\n");
    FideListDatabase(files().fideList).remove();

    EXPECT_TRUE(mainWindow->downloadFideList());
    const auto summary = FideListDatabase(files().fideList).summary();
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->playerCount, 3);
    EXPECT_EQ(summary->lastModified, "Thu, 01 Oct 2026 08:00:00 GMT");

    EXPECT_FALSE(mainWindow->downloadFideList());
    EXPECT_EQ(boxes.warnings, QStringList{"La liste FIDE est déjà la plus récente."});
    EXPECT_EQ(server.requests().size(), 2);
    EXPECT_EQ(server.requests().at(1).headers.value("if-modified-since"),
              "Thu, 01 Oct 2026 08:00:00 GMT");
    EXPECT_EQ(FideListDatabase(files().fideList).summary()->playerCount, 3);
    EXPECT_EQ(QDir(folder.path()).entryList({"*.zip"}), QStringList{"served.zip"});
}

}  // namespace
}  // namespace tavolin::testing
