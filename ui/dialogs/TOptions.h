#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>

#include "Settings.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tavolin {

class MessageBoxes;

// The Options window: the five switches, as the settings file holds them, to change and save.
class TOptions : public QDialog {
    Q_OBJECT
public:
    // `lireoptions` loads the saved switches into the main window after "Sauver";
    // `picturePath` is the main window's background picture, drawn behind the boxes too.
    TOptions(QString settingsPath, const QString& picturePath, MessageBoxes& boxes,
             std::function<void()> lireoptions, QWidget* parent = nullptr);

    // The boxes as the settings file holds them (all off when there is none).
    void initialisation();
    void Button1Click();  // "Sauver"
    void Button2Click();  // "Annuler"

    QCheckBox* effacement;
    QLabel* Label1;
    QCheckBox* interpol;
    QLabel* Label2;
    QCheckBox* arrondi;
    QLabel* Label3;
    QCheckBox* aide;
    QLabel* Label4;
    QCheckBox* autocalcul;
    QLabel* Label5;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    Settings ticked() const;

    QString settingsPath_;
    MessageBoxes& boxes_;
    std::function<void()> lireoptions_;
    QPixmap background_;
};

}  // namespace tavolin
