// SPDX-License-Identifier: GPL-3.0-or-later
// The Options window on its own: what it shows, saves and refuses.
#include "OptionsDialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ControlsOf.h"
#include "OptionsDialogControls.h"
#include "PlayerFiles.h"
#include "RecordingMessageBoxes.h"
#include "SettingsFile.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

class OptionsWindowTest : public InTemporaryCurrentFolder {
protected:
    void SetUp() override {
        InTemporaryCurrentFolder::SetUp();  // no "tavolin.ini" in the current directory
        settingsPath = folder.filePath("program/tavolin.ini");
        QDir(folder.path()).mkdir("program");
    }
    void TearDown() override {
        window.reset();
        InTemporaryCurrentFolder::TearDown();
    }

    void open() {
        window = std::make_unique<OptionsDialog>(settingsPath, folder.filePath("tavolin.bmp"),
                                                 boxes, [this] { ++loads; });
        ui = controlsOf<OptionsDialogControls>(*window);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QList<bool> boxesShown() const {
        return {ui.clearEntryFieldsBox->isChecked(), ui.interpolationBox->isChecked(),
                ui.roundToTensBox->isChecked(), ui.showHelpBox->isChecked(),
                ui.autoCalculateBox->isChecked()};
    }

    QString settingsPath;
    RecordingMessageBoxes boxes;
    std::unique_ptr<OptionsDialog> window;
    OptionsDialogControls ui;
    int loads = 0;
};

TEST_F(OptionsWindowTest, OpensWithEveryBoxOffWhenThereIsNoSettingsFile) {
    open();
    EXPECT_TRUE(window->isVisible());  // no settings file is no reason to close
    QTest::qWait(50);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(boxesShown(), (QList<bool>{false, false, false, false, false}));
    EXPECT_EQ(window->windowTitle(), "Options");
}

TEST_F(OptionsWindowTest, ShowsWhatTheFileHolds) {
    writeFile(settingsPath, "[programme]\neffacement=1\ninterpolation=0x1\narrondi=0\naide=-1\n");
    open();
    EXPECT_EQ(boxesShown(), (QList<bool>{true, true, false, true, false}));
}

TEST_F(OptionsWindowTest, ATickSurvivesRepaintingAndAClickOnTheSurfaceUndoesIt) {
    open();
    QTest::mouseClick(ui.autoCalculateBox, Qt::LeftButton, {}, QPoint(8, 8));
    ASSERT_TRUE(ui.autoCalculateBox->isChecked());
    window->repaint();
    ui.autoCalculateBox->repaint();
    EXPECT_TRUE(ui.autoCalculateBox->isChecked());  // painting does not go back to the file
    for (QLabel* caption : {ui.clearEntryFieldsCaption, ui.interpolationCaption,
                            ui.roundToTensCaption, ui.showHelpCaption, ui.autoCalculateCaption}) {
        QTest::mouseClick(caption, Qt::LeftButton);  // a caption ticks its box
    }
    EXPECT_TRUE(ui.clearEntryFieldsBox->isChecked() && ui.interpolationBox->isChecked() &&
                ui.roundToTensBox->isChecked() && ui.showHelpBox->isChecked());
    EXPECT_FALSE(ui.autoCalculateBox->isChecked());
    QTest::mouseClick(ui.autoCalculateCaption, Qt::LeftButton);
    EXPECT_TRUE(ui.autoCalculateBox->isChecked());  // and is no click on the surface
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(300, 150));
    EXPECT_FALSE(ui.autoCalculateBox->isChecked());  // the empty surface does
}

TEST_F(OptionsWindowTest, SaveWritesTheFileLoadsTheSwitchesAndCloses) {
    open();
    ui.showHelpBox->setChecked(true);
    ui.interpolationBox->setChecked(true);
    QTest::mouseClick(ui.saveButton, Qt::LeftButton);
    EXPECT_EQ(readFile(settingsPath),
              "[programme]\naide=1\nautocalcul=0\narrondi=0\neffacement=0\ninterpolation=1\n");
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(OptionsWindowTest, CancelChangesNothing) {
    writeFile(settingsPath, "[programme]\r\narrondi=1\r\n");
    open();
    ui.autoCalculateBox->setChecked(true);
    ui.roundToTensBox->setChecked(false);
    QTest::mouseClick(ui.cancelButton, Qt::LeftButton);
    EXPECT_EQ(readFile(settingsPath), "[programme]\r\narrondi=1\r\n");
    EXPECT_EQ(loads, 0);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(OptionsWindowTest, ASettingsFileThatCannotBeWrittenKeepsTheWindowOpen) {
    writeFile(folder.filePath("plain"), "not a folder");
    settingsPath = folder.filePath("plain/tavolin.ini");
    open();
    ui.showHelpBox->setChecked(true);
    QTest::mouseClick(ui.saveButton, Qt::LeftButton);
    EXPECT_EQ(boxes.errors,
              QStringList{
                  QString("Impossible d'écrire dans %1 : dossier introuvable.").arg(settingsPath)});
    EXPECT_EQ(loads, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(ui.showHelpBox->isChecked());
}

TEST_F(OptionsWindowTest, PlacesAndTabOrder) {
    open();
    EXPECT_EQ(ui.clearEntryFieldsBox->geometry(), QRect(24, 20, 17, 17));
    EXPECT_EQ(ui.interpolationBox->geometry(), QRect(24, 72, 17, 21));
    EXPECT_EQ(ui.roundToTensBox->geometry(), QRect(24, 130, 17, 16));
    EXPECT_EQ(ui.showHelpBox->geometry(), QRect(184, 16, 17, 21));
    EXPECT_EQ(ui.autoCalculateBox->geometry(), QRect(184, 75, 17, 16));
    EXPECT_EQ(ui.saveButton->geometry(), QRect(72, 176, 73, 25));
    EXPECT_EQ(ui.cancelButton->geometry(), QRect(176, 176, 81, 25));
    EXPECT_EQ(ui.clearEntryFieldsCaption->text(), "Effacement après validation");
    EXPECT_EQ(ui.showHelpCaption->text(), "Affichage de l'aide");
    for (QWidget* child : window->findChildren<QWidget*>()) {
        EXPECT_TRUE(window->rect().contains(child->geometry()))
            << child->objectName().toStdString();
    }
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const QList<QWidget*> order{ui.saveButton,    ui.cancelButton,     ui.clearEntryFieldsBox,
                                ui.showHelpBox,   ui.interpolationBox, ui.autoCalculateBox,
                                ui.roundToTensBox};
    order.front()->setFocus();
    for (int k = 1; k < order.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[k]) << k;
    }
}

TEST_F(OptionsWindowTest, DrawsTheBackgroundPictureWhenThereIsOne) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    ASSERT_TRUE(picture.save(folder.filePath("tavolin.bmp"), "BMP"));
    open();
    const QImage shown = window->grab().toImage();
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(10, 200, 30));
    EXPECT_NE(shown.pixelColor(100, 100), QColor(10, 200, 30));
}

TEST_F(OptionsWindowTest, ABrokenPictureIsLeftOutSilently) {
    writeFile(folder.filePath("tavolin.bmp"), "BM not really a bitmap");
    open();
    EXPECT_TRUE(boxes.errors.isEmpty());
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace tavolin::testing
