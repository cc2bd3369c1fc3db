// The ten players of the player file: saving, loading and switching.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <algorithm>

#include "ClickableLabel.h"
#include "ErrorBoundary.h"
#include "FideCoefficient.h"
#include "TForm1.h"
#include "TextReading.h"

namespace tavolin {

namespace {

// A stored rating below this shows as an empty field.
constexpr std::int32_t kLowestShownRating = 500;
// Leaving a player through the names grid also counts games rated from 700.
constexpr double kCountedWhenLeaving = 700;

}  // namespace

int TForm1::selectedPlayer() const {
    return std::clamp(StringGrid1->currentRow(), 0, kPlayerCount - 1) + 1;
}

void TForm1::savePlayer(int number, double lowestCountedRating) {
    PlayerRecord record = records_[number - 1];
    record.setElo(readWholeNumber(eloactuel->text().toStdString()).value);
    record.setParties(gameList_.parties);
    record.setJeune(CheckBox1->isChecked());
    gameList_.nbparties = countGames(gameList_, lowestCountedRating);
    record.setNbparties(gameList_.nbparties);
    record.setNom(StringGrid1->item(number - 1, 0)->text());
    record.setMode(mode_);
    // Only 10, 15 or 25 is ever stored: any other text in the box leaves the one in force.
    record.setCoef(
        fideCoefficientFromText(ComboBox1->currentText().toStdString(), FideCoefficient_));
    playerFile_.writeRecord(number, record);
    records_[number - 1] = record;
}

void TForm1::saveShownPlayer(double lowestCountedRating) {
    // The screen holds a player's data only once one has been loaded; it is saved as the
    // player it came from.
    if (ancienjoueur_ == 0) {
        return;
    }
    // Every save records its outcome: after a failure, coming back to the window must not
    // reload the file over games it does not hold.
    try {
        savePlayer(ancienjoueur_, lowestCountedRating);
    } catch (...) {
        lastSaveFailed_ = true;
        throw;
    }
    lastSaveFailed_ = false;
    closeRefusedForSave_ = false;
}

QString TForm1::saveForEnding() {
    try {
        saveShownPlayer(kCountedRating);
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return kUnexpectedErrorText;
    }
    return {};
}

void TForm1::Button5Click() {
    if (ancienjoueur_ == 0) {
        return;
    }
    saveShownPlayer(kCountedRating);
    showGameCount();
}

void TForm1::Button6Click() {
    Label10->setText(kVersionCaption);
    Label10->adjustSize();
    setWindowTitle(kVersionCaption);

    const int joueur = selectedPlayer();
    records_ = playerFile_.readAll();
    const PlayerRecord& record = records_[joueur - 1];

    eloactuel->setText(record.elo() < kLowestShownRating ? QString()
                                                         : QString::number(record.elo()));
    CheckBox1->setChecked(record.jeune());
    gameList_.parties = record.parties();
    // A damaged count never makes the list reach past the 50 slots.
    gameList_.nbparties = std::clamp<std::int32_t>(record.nbparties(), 0, kMaxGames);
    mode_ = record.mode();
    FideCoefficient_ = fideCoefficientFromStored(record.coef());
    // Shown before the radio button below saves the player straight back, so that his own
    // coefficient is written, not the one the previous player left in the box.
    ComboBox1->setCurrentText(QString::number(FideCoefficient_));
    liste_.rebuild(gameList_);
    showList();
    for (int row = 0; row < kPlayerCount; ++row) {
        StringGrid1->item(row, 0)->setText(records_[row].nom());
    }
    showGameCount();
    ancienjoueur_ = joueur;

    switch (mode_) {
        case 1:
            RadioButton1Click();
            break;
        case 2:
            RadioButton2Click();
            break;
        case 3:
            RadioButton3Click();
            break;
        case 4:
            RadioButton4Click();
            break;
        default:
            warn("Erreur sur le mode");
            break;
    }
    if (settings_.autocalcul) {
        Button2Click();
    }
}

void TForm1::gridclick() {
    // The player being left is the one on screen, saved with the games from 700 counted.
    saveShownPlayer(kCountedWhenLeaving);
    clearResults();
    Button6Click();
    showGameCount();
    if (settings_.autocalcul) {
        Button2Click();
    }
}

}  // namespace tavolin
