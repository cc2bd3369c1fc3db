// The ten players of the player file: the handlers that save, load and switch them.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>

#include "ClickableLabel.h"
#include "Messages.h"
#include "TForm1.h"
#include "TForm1Controls.h"

namespace tavolin {

int TForm1::selectedPlayer() const {
    return std::clamp(ui_->StringGrid1->currentRow(), 0, kPlayerCount - 1) + 1;
}

void TForm1::Button5Click() {
    session_.save();
}

void TForm1::Button6Click() {
    ui_->Label10->setText(kVersionCaption);
    ui_->Label10->adjustSize();
    setWindowTitle(kVersionCaption);

    session_.load(selectedPlayer());

    // The system's button saves the player just loaded straight back, recounted.
    switch (session_.mode()) {
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
        case 5:
            RadioButton5Click();
            break;
        default:
            warn(messages::kModeError);
            break;
    }
    if (settings_.autocalcul) {
        Button2Click();
    }
}

void TForm1::showLoadedPlayer() {
    const TForm1Controls& ui = *ui_;
    ui.eloactuel->setText(session_.ratingText());
    ui.CheckBox1->setChecked(session_.young());
    ui.ComboBox1->setCurrentText(session_.coefficientText());
    showList();
    for (int row = 0; row < kPlayerCount; ++row) {
        ui.StringGrid1->item(row, 0)->setText(session_.name(row + 1));
    }
    showGameCount();
}

void TForm1::gridclick() {
    session_.saveOnLeaving();
    clearResults();
    Button6Click();
    showGameCount();
    if (settings_.autocalcul) {
        Button2Click();
    }
}

}  // namespace tavolin
