#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "DataFileCheck.h"
#include "OncePerActionBoxes.h"
#include "PlayerSession.h"
#include "RatingSystem.h"
#include "Settings.h"
#include "SettingsFile.h"
#include "TrackedMessageBoxes.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace tavolin {

class MessageBoxes;
struct TForm1Controls;

// The window's caption and title once the program has started.
extern const QString kVersionCaption;

// The files the main window works with.
struct MainWindowFiles {
    QString players = kPlayerFileName;                // "tavo.lin", current directory
    QString settings = settingsPathOfThisProgram();   // "tavolin.ini", beside the program
    QString picture = QStringLiteral("tavolin.bmp");  // current directory, read only
};

// The main window: the current rating, the entry and list of games, the choice of rating
// system and "CALCUL". It shows the current player's session and feeds it what the user
// changes; its controls, private, bear the names of the layout, and so do its handlers.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(MessageBoxes& boxes, MainWindowFiles files = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // The switches of the Options window in force.
    const Settings& settings() const { return settings_; }
    void setSettings(const Settings& settings);
    // Loads the switches from the settings file and applies "aide" to the tooltips.
    void lireoptions();

    const PlayerSession& session() const { return session_; }
    PlayerSession& session() { return session_; }
    // The progress text of the last normal-curve scan while it still shows; empty after.
    const QString& progressText() const { return progressText_; }

    // Handlers.
    void valide();        // "Valider": adds one game
    void Button7Click();  // "Effacer partie n°": deletes the game numbered in effa
    void Button4Click();  // "Tout Effacer": empties the game list and the results
    void Button3Click();  // "Quitter"
    void Button2Click();  // "CALCUL"
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();  // "FIDE 2024"
    void InfosClick();         // "Infos" and the title: the About box
    void Tableau1Click();      // "Tableau": the percentage table
    void options();            // "Options"
    void Button5Click();       // saves the current player
    void Button6Click();       // loads the current player, at every activation
    void gridclick();          // switches to the player selected in the names grid

    // Imports games from a PGN file through the import dialog.
    void importPgn(const QString& path);
    // How Ctrl+O and the game list's menu choose a file (a file dialog by default).
    void setPgnFileChooser(std::function<QString()> chooser) {
        pgnFileChooser_ = std::move(chooser);
    }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;  // dessin2
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void dessin();  // at creation: the switches, the size, the background picture
    void createHelp();
    void connectHandlers();
    void connectFieldsToSession();
    void connectImport();
    void chooseAndImportPgn();
    void importPendingPgn();
    void connectHandler(QPushButton* button, void (TForm1::*handler)());
    void run(void (TForm1::*handler)());
    void applyHelp();

    void addGameFromFields();  // "Valider" but the count
    void selectSystem(RatingSystem system, QRadioButton* button);
    RatingSystem checkedSystem() const;
    void showCoefficientChoices(RatingSystem system);
    void clearResults();
    void setResult(QLabel* label, const QString& text);
    void showLoadedPlayer();
    void showGameCount();
    void showList();
    void warn(std::string_view message);
    int selectedPlayer() const;
    void showProgress(int percent);
    void clearProgress();
    void saveBeforeOpening();
    QRect progressArea() const;

    const std::unique_ptr<TForm1Controls> ui_;
    TrackedMessageBoxes boxes_;
    OncePerActionBoxes actionBoxes_{boxes_};
    MainWindowFiles files_;
    PlayerSession session_;
    Settings settings_;
    // The background picture, loaded once at creation; null when there is none.
    QPixmap picture_;

    // The progress text of the normal-curve scan, drawn beside the new rating until that
    // part of the window is painted again.
    QString progressText_;
    bool paintingProgress_ = false;
    int lastProgressPercent_ = -1;

    std::function<QString()> pgnFileChooser_;
    QString pendingImport_;  // the file dropped, for the handler that imports it

    // Controls whose tooltips follow the "aide" switch, with their texts.
    QList<QPair<QWidget*, QString>> helpTips_;
};

}  // namespace tavolin
