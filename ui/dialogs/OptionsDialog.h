// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>
#include <memory>

#include "FideListPanel.h"
#include "Settings.h"

namespace tavolin {

class MessageBoxes;
struct OptionsDialogControls;

// The Options window: the five switches, as the settings file holds them, to change and save.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // `settingsSaved` loads the saved switches into the main window after "Sauver";
    // `picturePath` is the main window's background picture, drawn behind the boxes too.
    OptionsDialog(QString settingsPath, const QString& picturePath, MessageBoxes& boxes,
                  std::function<void()> settingsSaved, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // The boxes as the settings file holds them (all off when there is none).
    void showStoredSettings();
    void save();    // "Sauver"
    void cancel();  // "Annuler"
    // Adds the part on FIDE's rating list under the switches, the window growing for it.
    FideListPanel* showFideList(QString listPath, FideListPanel::Actions actions);

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Settings ticked() const;
    void colourTexts();

    const std::unique_ptr<OptionsDialogControls> ui_;
    QString settingsPath_;
    MessageBoxes& boxes_;
    std::function<void()> settingsSaved_;
    QPixmap background_;
};

}  // namespace tavolin
