// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsDialog.h"

#include "PictureCaptions.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "Controls.h"
#include "DesktopHabits.h"
#include "DialogStart.h"
#include "ErrorBoundary.h"
#include "OptionsDialogControls.h"
#include "SettingsFile.h"

namespace tavolin {

namespace {

QCheckBox* box(QWidget* parent, QRect geometry) {
    auto* created = new QCheckBox(parent);
    created->setGeometry(geometry);
    return created;
}

}  // namespace

void OptionsDialogControls::setupUi(QWidget* dialog) {
    clearEntryFieldsBox = box(dialog, {24, 20, 17, 17});
    clearEntryFieldsCaption = placedLabel(
        dialog,
        QCoreApplication::translate("tavolin::OptionsDialog", "Effacement après validation"), 45,
        21);
    interpolationBox = box(dialog, {24, 72, 17, 21});
    interpolationCaption = placedLabel(dialog, QStringLiteral("Interpolation"), 45, 75);
    roundToTensBox = box(dialog, {24, 130, 17, 16});
    roundToTensCaption = placedLabel(
        dialog, QCoreApplication::translate("tavolin::OptionsDialog", "Arrondi"), 45, 130);
    showHelpBox = box(dialog, {184, 16, 17, 21});
    showHelpCaption = placedLabel(
        dialog, QCoreApplication::translate("tavolin::OptionsDialog", "Affichage de l'aide"), 205,
        20);
    autoCalculateBox = box(dialog, {184, 75, 17, 16});
    // Clipped by the box's width; the caption beside it is what shows.
    autoCalculateBox->setText(
        QCoreApplication::translate("tavolin::OptionsDialog", "Calcul automatique"));
    autoCalculateCaption = placedLabel(
        dialog, QCoreApplication::translate("tavolin::OptionsDialog", "Calcul automatique"), 205,
        75);
    saveButton = placedButton(
        dialog, QCoreApplication::translate("tavolin::OptionsDialog", "Sauver"), {72, 176, 73, 25});
    cancelButton =
        placedButton(dialog, QCoreApplication::translate("tavolin::OptionsDialog", "Annuler"),
                     {176, 176, 81, 25});
    nameControls(*this);

    const QList<QWidget*> order{saveButton,    cancelButton,     clearEntryFieldsBox,
                                showHelpBox,   interpolationBox, autoCalculateBox,
                                roundToTensBox};
    for (int k = 1; k < order.size(); ++k) {
        QWidget::setTabOrder(order[k - 1], order[k]);
    }
    saveButton->setFocus();
    for (const auto& [caption, control] :
         {std::pair{clearEntryFieldsCaption, clearEntryFieldsBox},
          std::pair{interpolationCaption, interpolationBox},
          std::pair{roundToTensCaption, roundToTensBox}, std::pair{showHelpCaption, showHelpBox},
          std::pair{autoCalculateCaption, autoCalculateBox}}) {
        makeCaptionOf(caption, control);
    }
}

OptionsDialog::OptionsDialog(QString settingsPath, const QString& picturePath, MessageBoxes& boxes,
                             std::function<void()> settingsSaved, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<OptionsDialogControls>()),
      settingsPath_(std::move(settingsPath)),
      boxes_(boxes),
      settingsSaved_(std::move(settingsSaved)) {
    startDialog(*this, {QStringLiteral("Options"), QStringLiteral("Options"), {320, 240}}, *ui_);
    connect(ui_->saveButton, &QPushButton::clicked, this,
            [this] { runHandler(boxes_, this, [this] { save(); }); });
    connect(ui_->cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    // The picture of the main window, when it can be read; nothing is said otherwise.
    if (QFile::exists(picturePath)) {
        background_.load(picturePath);
    }
    colourTexts();
    showStoredSettings();
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::showStoredSettings() {
    const Settings stored = readSettings(settingsPath_);
    ui_->interpolationBox->setChecked(stored.interpolation);
    ui_->showHelpBox->setChecked(stored.showHelp);
    ui_->autoCalculateBox->setChecked(stored.autoCalculate);
    ui_->roundToTensBox->setChecked(stored.roundToTens);
    ui_->clearEntryFieldsBox->setChecked(stored.clearEntryFields);
}

Settings OptionsDialog::ticked() const {
    Settings settings;
    settings.showHelp = ui_->showHelpBox->isChecked();
    settings.autoCalculate = ui_->autoCalculateBox->isChecked();
    settings.roundToTens = ui_->roundToTensBox->isChecked();
    settings.clearEntryFields = ui_->clearEntryFieldsBox->isChecked();
    settings.interpolation = ui_->interpolationBox->isChecked();
    return settings;
}

void OptionsDialog::save() {
    writeSettings(settingsPath_, ticked());  // a key that fails stops here, the window stays
    settingsSaved_();
    close();
}

void OptionsDialog::cancel() {
    close();
}

void OptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showStoredSettings();
}

void OptionsDialog::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    // Only the window's own surface, not a label or another control, goes back to the file.
    if (childAt(event->position().toPoint()) == nullptr) {
        showStoredSettings();
    }
}

// The boxes' texts stand on the picture when there is one, on the window's colour otherwise.
void OptionsDialog::colourTexts() {
    const QColor window = palette().color(QPalette::Window);
    const CaptionBackground background = background_.isNull()
                                             ? CaptionBackground{window, window}
                                             : pictureBackground(background_.toImage());
    colourTextsOnPicture(*this, QRect(QPoint(0, 0), background_.size()), background);
}

void OptionsDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        colourTexts();
    }
}

void OptionsDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!background_.isNull()) {
        QPainter(this).drawPixmap(0, 0, background_);
    }
}

FideListPanel* OptionsDialog::showFideList(QString listPath, FideListPanel::Actions actions) {
    auto* panel = new FideListPanel(std::move(listPath), boxes_, std::move(actions), this);
    colourTexts();  // its title may stand on the picture
    panel->setGeometry(8, 212, width() - 16, 116);
    setFixedSize(width(), 336);
    QWidget::setTabOrder(ui_->roundToTensBox, panel);
    return panel;
}

}  // namespace tavolin
