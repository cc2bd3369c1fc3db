// Entering, listing and deleting games.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "GameEntryReading.h"
#include "Messages.h"
#include "TForm1.h"
#include "TextReading.h"
#include "Utf8.h"

namespace tavolin {

void TForm1::valide() {
    addGameFromFields();
    showGameCount();
}

void TForm1::addGameFromFields() {
    if (gameList_.full()) {
        warn(messages::kTooManyGames);
        return;
    }
    const auto rating = readOpponentRating(adv->text().toStdString());
    if (!rating) {
        warn(messages::kOpponentRatingError);
        adv->clear();
        return;
    }
    const auto result = readResultSign(adv2->text().toStdString());
    if (!result) {
        warn(messages::kResultError);
        adv2->clear();
        return;
    }
    const GameEntry game{*rating, *result};
    gameList_.add(game);
    if (settings_.effacement) {
        adv2->clear();
        adv->clear();
    }
    liste_.append(game);
    showList();
    adv->setFocus();
}

void TForm1::Button7Click() {
    const int number = readWholeNumber(effa->text().toStdString()).value;
    if (number >= 1 && number <= kMaxGames) {
        gameList_.remove(number);
        liste_.rebuild(gameList_);
        showList();
    }
    if (settings_.effacement) {
        effa->clear();
    }
    if (settings_.autocalcul) {
        Button2Click();
    }
    showGameCount();
}

void TForm1::Button4Click() {
    adv->clear();
    adv2->clear();
    Memo1->clear();
    clearResults();
    liste_.clear();
    gameList_.clear();
    showGameCount();
}

void TForm1::Button3Click() {
    close();
}

void TForm1::showGameCount() {
    Label13->setText(QString::number(gameList_.nbparties));
    Label13->adjustSize();
}

void TForm1::showList() {
    Memo1->setPlainText(QString::fromStdString(liste_.lines()));
}

void TForm1::warn(std::string_view message) {
    const QString text = fromUtf8(message);
    if (messagesThisAction_.contains(text)) {
        return;
    }
    messagesThisAction_.append(text);
    boxes_.warning(this, text);
}

}  // namespace tavolin
