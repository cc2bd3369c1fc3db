#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>

#include "Calculation.h"
#include "DataFileCheck.h"
#include "GameList.h"
#include "PlayerFile.h"
#include "RatingSystem.h"
#include "Settings.h"
#include "SettingsFile.h"
#include "TrackedMessageBoxes.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tavolin {

class ClickableLabel;
class MessageBoxes;
class RightAlignedLabel;

// The window's caption and title once the program has started.
inline const QString kVersionCaption = QStringLiteral("Tavolin v3.2");

// The files the main window works with.
struct MainWindowFiles {
    QString players = kPlayerFileName;                // "tavo.lin", current directory
    QString settings = settingsPathBesideProgram();   // "tavolin.ini", beside the program
    QString picture = QStringLiteral("tavolin.bmp");  // current directory, read only
};

// The main window: the current rating, the entry and list of games, the choice of rating
// system and "CALCUL". Controls and handlers bear the names they have always had.
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

    const GameList& gameList() const { return gameList_; }
    const GameListText& liste() const { return liste_; }
    // The player's rating system as stored: 1 to 4, or any value a damaged file held.
    std::int32_t mode() const { return mode_; }
    // The player whose data the window shows, the one a switch in the names grid leaves:
    // 1 to 10, or 0 until a player has been loaded.
    int ancienjoueur() const { return ancienjoueur_; }
    int fideCoefficient() const { return FideCoefficient_; }
    // The progress text of the last normal-curve scan while it still shows; empty after.
    const QString& progressText() const { return progressText_; }

    // Saves the player on screen for an ending that no one watches (a signal, the end of
    // the desktop session): no box is shown. Returns the error's text, empty when saved.
    QString saveForEnding();

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
    void InfosClick();     // "Infos" and the title: the About box
    void Tableau1Click();  // "Tableau": the percentage table
    void options();        // "Options"
    void Button5Click();   // saves the current player
    void Button6Click();   // loads the current player, at every activation
    void gridclick();      // switches to the player selected in the names grid

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;  // dessin2
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dessin();  // at creation: the switches, the size, the background picture
    void createControls();
    void createHelp();
    void setTabOrder();
    void connectHandlers();
    void connectHandler(QPushButton* button, void (TForm1::*handler)());
    void run(void (TForm1::*handler)());
    void applyHelp();

    void addGameFromFields();  // "Valider" but the count
    void selectSystem(RatingSystem system, QRadioButton* button);
    RatingSystem checkedSystem() const;
    void clearResults();
    void setResult(QLabel* label, const QString& text);
    void showGameCount();
    void showList();
    void warn(std::string_view message);
    int selectedPlayer() const;
    void savePlayer(int number, double lowestCountedRating);
    void saveShownPlayer(double lowestCountedRating);
    void showProgress(int percent);
    QRect progressArea() const;

public:
    // Controls, as placed on the window.
    ClickableLabel* Label10;
    QLabel* Label12;
    QTableWidget* StringGrid1;
    QLabel* Label19;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label17;
    QLabel* Label18;
    QGroupBox* RadioGroup1;
    QLabel* Label1;
    QLineEdit* eloactuel;
    QCheckBox* CheckBox1;
    QLabel* Label14;
    QLabel* Label11;
    QComboBox* ComboBox1;
    QLabel* Label2;
    QFrame* Bevel1;
    QLabel* Label3;
    QLineEdit* adv;
    QLabel* Label4;
    QLineEdit* adv2;
    QPushButton* Button1;
    QPushButton* Button2;
    RightAlignedLabel* Label5;
    QLabel* moy;
    RightAlignedLabel* Label6;
    QLabel* gain;
    RightAlignedLabel* Label7;
    QLabel* performance;
    RightAlignedLabel* Label9;
    QLabel* nvelo;
    QLabel* Label8;
    QLabel* Label13;
    QPlainTextEdit* Memo1;
    QPushButton* Infos;
    QPushButton* Button5;
    QPushButton* Button3;
    QPushButton* Button6;
    QPushButton* Button4;
    QPushButton* Button7;
    QLineEdit* effa;

private:
    TrackedMessageBoxes boxes_;
    MainWindowFiles files_;
    // The background picture, loaded once at creation; null when there is none.
    QPixmap picture_;
    PlayerFile playerFile_;
    // The ten records as last read, so that the bytes without meaning go back unchanged.
    std::array<PlayerRecord, kPlayerCount> records_{};
    int ancienjoueur_ = 0;
    // Closing was refused once because the player could not be saved; the next close goes.
    bool closeRefusedForSave_ = false;
    // Whether the last save failed: coming back to the window must not reload the file
    // over what it shows, which the file does not hold.
    bool lastSaveFailed_ = false;
    // The window lost the focus to one of its own boxes: getting it back is no return.
    bool deactivatedByOwnBox_ = false;
    // Messages already shown by the user action under way: chained handlers
    // (load, system, "CALCUL") show each at most once.
    QStringList messagesThisAction_;
    int handlerDepth_ = 0;
    Settings settings_;
    GameList gameList_;
    GameListText liste_;
    std::int32_t mode_ = static_cast<std::int32_t>(RatingSystem::Elo);
    int FideCoefficient_ = kDefaultFideCoefficient;

    // The progress text of the normal-curve scan, drawn beside the new rating until that
    // part of the window is painted again.
    QString progressText_;
    bool paintingProgress_ = false;
    int lastProgressPercent_ = -1;

    // Controls whose tooltips follow the "aide" switch, with their texts.
    QList<QPair<QWidget*, QString>> helpTips_;
};

}  // namespace tavolin
