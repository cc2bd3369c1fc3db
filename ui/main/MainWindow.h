// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "Calculation.h"
#include "DataFileCheck.h"
#include "FideList.h"
#include "FideListPanel.h"
#include "HistoryPeriod.h"
#include "OncePerActionBoxes.h"
#include "PictureCaptions.h"
#include "PlayerSession.h"
#include "RatingSystem.h"
#include "Settings.h"
#include "SettingsFile.h"
#include "TrackedMessageBoxes.h"

class QDialog;
class QLabel;
class QTimer;
class QPushButton;
class QRadioButton;

namespace tavolin {

class MessageBoxes;
struct MainWindowControls;
class OpponentSuggestions;

// The window's caption and title once the program has started.
extern const QString kVersionCaption;

// The files the main window works with.
struct MainWindowFiles {
    QString players = kPlayerFileName;                // "tavo.lin", current directory
    QString settings = settingsPathOfThisProgram();   // "tavolin.ini", beside the program
    QString picture = QStringLiteral("tavolin.bmp");  // current directory, read only
    QString fideList = defaultFideListPath();         // the user's, shared by his folders
};

// The main window: the current rating, the entry and list of games, the choice of rating
// system and "CALCUL". It shows the current player's session and feeds it what the user
// changes; its controls are private.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(MessageBoxes& boxes, MainWindowFiles files = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The switches of the Options window in force.
    const Settings& settings() const { return settings_; }
    void setSettings(const Settings& settings);
    // Loads the switches from the settings file and applies "aide" to the tooltips.
    void loadSettings();

    const PlayerSession& session() const { return session_; }
    PlayerSession& session() { return session_; }
    // The progress text of the last normal-curve scan while it still shows; empty after.
    const QString& progressText() const { return progressText_; }

    // What the user's actions do (each also runs from its button or event).
    void addGame();                 // "Valider": adds the game typed
    void deleteGame();              // "Effacer partie n°": deletes the game numbered beside it
    void clearGames();              // "Tout Effacer": empties the game list and the results
    void quit();                    // "Quitter"
    void calculate();               // "CALCUL" pressed: says why it cannot calculate
    void calculateAutomatically();  // the "autocalcul" switch's: silent
    void chooseSystem(RatingSystem system);  // the five radio buttons
    void showAbout();                        // "Infos" and the title: the About box
    void openTable();                        // "Tableau": the percentage table
    void openOptions();                      // "Options"
    void showDetail();   // "Détail": how each game counted in the last calculation
    void closePeriod();  // "Clore la période": into the history, the new rating kept
    // "Rouvrir la période" in the history window: why it cannot, empty once done.
    QString reopenLatestPeriod();
    void showHistory();  // "Historique": the player's closed periods and his curve
    void linkFideId();   // "Numéro FIDE…": links the player to an entry of FIDE's list
    // "Mettre à jour depuis la liste FIDE": offers the linked entry's rating and K.
    void updateFromFideList();
    // FIDE's list was imported, replaced or taken away.
    void fideListChanged();
    // "Télécharger" of the Options window: downloads and imports the list; true once a new
    // one is in place.
    bool downloadFideList();
    void savePlayer();    // saves the current player
    void loadPlayer();    // loads the current player, at every activation
    void switchPlayer();  // switches to the player selected in the names grid

    // Imports games from a PGN file through the import dialog.
    void importPgn(const QString& path);
    // Imports games, and the rating when the field is empty, from a tournament report.
    void importTrf(const QString& path);
    // A PGN file or a tournament report opened from the desktop: the window comes to the
    // front (behind its own open box, if one is), then imports it once the event loop runs
    // and no window of the program's own is open.
    void openPgnFile(const QString& path);
    // How Ctrl+O and the game list's menu choose a file (a file dialog by default).
    void setPgnFileChooser(std::function<QString()> chooser) {
        pgnFileChooser_ = std::move(chooser);
    }
    // How the Options window's "Importer un fichier…" chooses FIDE's list.
    void setFideListFileChooser(std::function<QString()> chooser) {
        fideListFileChooser_ = std::move(chooser);
    }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void prepareWindow();  // at creation: the switches, the size, the background picture
    void colourCaptionsOverBackground();
    void paintCanvas(QPaintEvent* event);
    void createHelp();
    void connectHandlers();
    void connectFieldsToSession();
    void connectImport();
    void connectHistory();
    void connectFideList();
    // What the Options window's part on FIDE's list does outside it.
    FideListPanel::Actions fideListActions();
    void showPlayerMenu(const QPoint& at);
    // The entry of FIDE's list the current player is linked to, told when there is none.
    std::optional<FideListPlayer> linkedFideEntry(QString& month);
    // The history file, beside the player file.
    QString historyPath() const;
    HistoryPeriod periodOnScreen() const;
    void chooseAndImportPgn();
    // Files to import wait here, one import at a time, never inside another window's loop.
    void queuePgnFile(const QString& path);
    void importNextPgnFile();
    // A button's action, and its shortcut when it has one.
    void connectHandler(QPushButton* button, void (MainWindow::*handler)(),
                        const QKeySequence& shortcut = {});
    // Runs an action of the user's: its boxes shown once, its errors in the error box.
    void runUserAction(const std::function<void()>& action);
    void applyHelp();

    void addGameFromFields();  // "Valider" but the count
    QRadioButton* systemButton(RatingSystem system) const;
    RatingSystem checkedSystem() const;
    void showCoefficientChoices(RatingSystem system);
    void setFide2024Coefficient(int coefficient);
    void runCalculation(bool pressed);
    void clearResults();
    void showResultsCurrent(bool current);
    // Something the figures depend on changed: they are dimmed, and the player saved soon.
    void playerChanged();
    void setResult(QLabel* label, const QString& text);
    // The five result labels' texts, and the same shown again as current.
    QStringList resultTexts() const;
    void showResults(const QStringList& texts);
    void showLoadedPlayer();
    void showGameCount();
    void showList();
    void warn(std::string_view message);
    int selectedPlayer() const;
    void showProgress(int percent);
    void clearProgress();
    void saveBeforeOpening();
    int execOwnWindow(QDialog& window);
    // Saves the player on closing; when he cannot be, whether the user leaves him unsaved.
    bool savedOrLeftUnsaved();
    QRect progressArea() const;

    const std::unique_ptr<MainWindowControls> ui_;
    OpponentSuggestions* opponentSuggestions_ = nullptr;
    std::function<QString()> fideListFileChooser_;
    // Player by player, the rating last taken from FIDE's list and the title's end that says
    // from which list.
    struct RatingFromFideList {
        QString rating;
        QString titleEnd;
    };
    std::map<int, RatingFromFideList> ratingsFromFideList_;
    TrackedMessageBoxes boxes_;
    OncePerActionBoxes actionBoxes_{boxes_};
    MainWindowFiles files_;
    PlayerSession session_;
    Settings settings_;
    // The background picture, loaded once at creation; null when there is none.
    QWidget* canvas_ = nullptr;  // where the controls stand and the picture is painted
    QPixmap picture_;
    std::optional<CaptionBackground> pictureBackground_;  // none without a picture
    bool painted_ = false;  // the first painting gives the windows their icon

    // The progress text of the normal-curve scan, drawn beside the new rating until that
    // part of the window is painted again.
    QString progressText_;
    bool paintingProgress_ = false;
    int lastProgressPercent_ = -1;

    std::function<QString()> pgnFileChooser_;
    QStringList waitingPgnFiles_;
    bool importingPgn_ = false;
    // Looks again for a moment when no window of the program's own is open.
    QTimer* pgnFileTimer_ = nullptr;
    // The players whose unknown rating system was told.
    std::set<int> systemErrorsTold_;
    // The last calculation whose figures are on screen, for its detail.
    std::optional<CalculationResult> lastCalculation_;
    // The figures on screen match the games and fields: the period can be closed.
    bool resultsCurrent_ = true;
    // Saves the player a second after the last keystroke that changed him.
    QTimer* saveTimer_ = nullptr;

    // Controls whose tooltips follow the "aide" switch, with their texts.
    QList<QPair<QWidget*, QString>> helpTips_;
};

}  // namespace tavolin
