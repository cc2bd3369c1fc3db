// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

#include "ClickableLabel.h"
#include "ControlsOf.h"
#include "MainWindow.h"
#include "MainWindowControls.h"
#include "PlayerFiles.h"
#include "RecordingMessageBoxes.h"
#include "RightAlignedLabel.h"

namespace tavolin::testing {

// A main window on the offscreen platform, driven through its real widgets, with its player
// file in a folder of its own. The window is active, so player 1 is loaded.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        playerFile = QDir(dataFolder()).filePath("tavo.lin");
        settingsFile = QDir(dataFolder()).filePath("tavolin.ini");
        writeFile(playerFile, initialPlayerFile());
        beforeOpening();
        openWindow();
    }

    void TearDown() override { mainWindow.reset(); }

    // Where the player file and the settings are.
    virtual QString dataFolder() const { return folder.path(); }
    // The files are there, the window not yet.
    virtual void beforeOpening() {}
    // The player file and the switches the window starts with.
    virtual QByteArray initialPlayerFile() { return blankPlayerFile(); }
    // Switches set directly; nothing to take them from the settings file.
    virtual std::optional<Settings> initialSettings() { return Settings{}; }

    void openWindow() {
        mainWindow = std::make_unique<MainWindow>(boxes, files());
        ui = controlsOf<MainWindowControls>(*mainWindow);
        if (const auto settings = initialSettings()) {
            mainWindow->setSettings(*settings);
        }
        mainWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow.get()));
        activate();
    }

    MainWindowFiles files() const {
        return {playerFile, settingsFile, QDir(dataFolder()).filePath("tavolin.bmp"),
                QDir(dataFolder()).filePath("liste-fide.sqlite")};
    }

    void activate() {
        mainWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    }

    // Another window takes the focus, then the main window gets it back.
    void leaveAndComeBack() {
        leave();
        activate();
    }

    void leave() {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    }

    void selectPlayer(int number) { ui.playerGrid->setCurrentCell(number - 1, 0); }

    void type(QLineEdit* field, const QString& text) {
        field->clear();
        QTest::keyClicks(field, text);
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void addGame(const QString& rating, const QString& sign) {
        type(ui.opponentEdit, rating);
        type(ui.resultEdit, sign);
        click(ui.addGameButton);
    }

    // The FIDE 2024 rules' worked example, calculated: 1850 at K 20, four games, 1860.
    void calculateFide2024Example() {
        type(ui.ratingEdit, "1850");
        for (const auto& [rating, sign] : {std::pair{"2010", "+"}, std::pair{"1700", "="},
                                           std::pair{"2300", "-"}, std::pair{"1400", "+"}}) {
            addGame(rating, sign);
        }
        click(ui.fide2024Button);
        click(ui.calculateButton);
        ASSERT_EQ(ui.newRatingValue->text(), "1860");
    }

    void deleteGame(const QString& number) {
        type(ui.deleteNumberEdit, number);
        click(ui.deleteGameButton);
    }

    void enableSwitches(void (*change)(Settings&)) {
        Settings settings = mainWindow->settings();
        change(settings);
        mainWindow->setSettings(settings);
    }

    QString results() const {
        return ui.averageValue->text() + "|" + ui.scoreValue->text() + "|" +
               ui.performanceValue->text() + "|" + ui.newRatingValue->text();
    }

    QTemporaryDir folder;
    QString playerFile;
    QString settingsFile;
    QWidget other;  // another program's window
    RecordingMessageBoxes boxes;
    std::unique_ptr<MainWindow> mainWindow;
    MainWindowControls ui;  // the window's controls, found by name
};

}  // namespace tavolin::testing
