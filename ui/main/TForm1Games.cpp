// Entering, listing and deleting games.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "GameEntryReading.h"
#include "Messages.h"
#include "TForm1.h"
#include "TForm1Controls.h"
#include "TextReading.h"
#include "Utf8.h"

namespace tavolin {

void TForm1::valide() {
    addGameFromFields();
    showGameCount();
}

void TForm1::addGameFromFields() {
    const TForm1Controls& ui = *ui_;
    if (session_.games().full()) {
        warn(messages::kTooManyGames);
        return;
    }
    const auto rating = readOpponentRating(ui.adv->text().toStdString());
    if (!rating) {
        warn(messages::kOpponentRatingError);
        ui.adv->clear();
        return;
    }
    const auto result = readResultSign(ui.adv2->text().toStdString());
    if (!result) {
        warn(messages::kResultError);
        ui.adv2->clear();
        return;
    }
    session_.addGame(GameEntry{*rating, *result});
    ui.Memo1->verticalScrollBar()->setValue(ui.Memo1->verticalScrollBar()->maximum());
    if (settings_.effacement) {
        ui.adv2->clear();
        ui.adv->clear();
    }
    // Selected, so that the next rating typed replaces the last one.
    ui.adv->setFocus(Qt::OtherFocusReason);
    ui.adv->selectAll();
}

void TForm1::Button7Click() {
    const TForm1Controls& ui = *ui_;
    session_.removeGame(readWholeNumber(ui.effa->text().toStdString()).value);
    if (settings_.effacement) {
        ui.effa->clear();
    }
    if (settings_.autocalcul) {
        Button2Click();
    }
    showGameCount();
}

void TForm1::Button4Click() {
    ui_->adv->clear();
    ui_->adv2->clear();
    clearResults();
    session_.clearGames();
    showGameCount();
}

void TForm1::Button3Click() {
    close();
}

void TForm1::showGameCount() {
    ui_->Label13->setText(QString::number(session_.games().nbparties));
    ui_->Label13->adjustSize();
}

void TForm1::showList() {
    ui_->Memo1->setPlainText(QString::fromStdString(session_.liste().lines()));
}

void TForm1::warn(std::string_view message) {
    actionBoxes_.warning(this, fromUtf8(message));
}

}  // namespace tavolin
