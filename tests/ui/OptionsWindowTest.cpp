// The Options window on its own: what it shows, saves and refuses.
#include "TOptions.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "PlayerFiles.h"
#include "RecordingMessageBoxes.h"
#include "SettingsFile.h"

namespace tavolin::testing {
namespace {

class OptionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());  // no "tavolin.ini" in the current directory
        settingsPath = folder.filePath("program/tavolin.ini");
        QDir(folder.path()).mkdir("program");
    }
    void TearDown() override {
        window.reset();
        QDir::setCurrent(previous);
    }

    void open() {
        window = std::make_unique<TOptions>(settingsPath, folder.filePath("tavolin.bmp"), boxes,
                                            [this] { ++loads; });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QList<bool> boxesShown() const {
        return {window->effacement->isChecked(), window->interpol->isChecked(),
                window->arrondi->isChecked(), window->aide->isChecked(),
                window->autocalcul->isChecked()};
    }

    QTemporaryDir folder;
    QString previous;
    QString settingsPath;
    RecordingMessageBoxes boxes;
    std::unique_ptr<TOptions> window;
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
    QTest::mouseClick(window->autocalcul, Qt::LeftButton, {}, QPoint(8, 8));
    ASSERT_TRUE(window->autocalcul->isChecked());
    window->repaint();
    window->autocalcul->repaint();
    EXPECT_TRUE(window->autocalcul->isChecked());  // painting does not go back to the file
    for (QLabel* caption :
         {window->Label1, window->Label2, window->Label3, window->Label4, window->Label5}) {
        QTest::mouseClick(caption, Qt::LeftButton);  // a caption ticks its box
    }
    EXPECT_TRUE(window->effacement->isChecked() && window->interpol->isChecked() &&
                window->arrondi->isChecked() && window->aide->isChecked());
    EXPECT_FALSE(window->autocalcul->isChecked());
    QTest::mouseClick(window->Label5, Qt::LeftButton);
    EXPECT_TRUE(window->autocalcul->isChecked());  // and is no click on the surface
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(300, 150));
    EXPECT_FALSE(window->autocalcul->isChecked());  // the empty surface does
}

TEST_F(OptionsWindowTest, SauverWritesTheFileLoadsTheSwitchesAndCloses) {
    open();
    window->aide->setChecked(true);
    window->interpol->setChecked(true);
    QTest::mouseClick(window->Button1, Qt::LeftButton);
    EXPECT_EQ(readFile(settingsPath),
              "[programme]\naide=1\nautocalcul=0\narrondi=0\neffacement=0\ninterpolation=1\n");
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(OptionsWindowTest, AnnulerChangesNothing) {
    writeFile(settingsPath, "[programme]\r\narrondi=1\r\n");
    open();
    window->autocalcul->setChecked(true);
    window->arrondi->setChecked(false);
    QTest::mouseClick(window->Button2, Qt::LeftButton);
    EXPECT_EQ(readFile(settingsPath), "[programme]\r\narrondi=1\r\n");
    EXPECT_EQ(loads, 0);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(OptionsWindowTest, ASettingsFileThatCannotBeWrittenKeepsTheWindowOpen) {
    writeFile(folder.filePath("plain"), "not a folder");
    settingsPath = folder.filePath("plain/tavolin.ini");
    open();
    window->aide->setChecked(true);
    QTest::mouseClick(window->Button1, Qt::LeftButton);
    EXPECT_EQ(boxes.errors,
              QStringList{
                  QString("Impossible d'écrire dans %1 : dossier introuvable.").arg(settingsPath)});
    EXPECT_EQ(loads, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->aide->isChecked());
}

TEST_F(OptionsWindowTest, PlacesAndTabOrder) {
    open();
    EXPECT_EQ(window->effacement->geometry(), QRect(24, 20, 17, 17));
    EXPECT_EQ(window->interpol->geometry(), QRect(24, 72, 17, 21));
    EXPECT_EQ(window->arrondi->geometry(), QRect(24, 130, 17, 16));
    EXPECT_EQ(window->aide->geometry(), QRect(184, 16, 17, 21));
    EXPECT_EQ(window->autocalcul->geometry(), QRect(184, 75, 17, 16));
    EXPECT_EQ(window->Button1->geometry(), QRect(72, 176, 73, 25));
    EXPECT_EQ(window->Button2->geometry(), QRect(176, 176, 81, 25));
    EXPECT_EQ(window->Label1->text(), "Effacement après validation");
    EXPECT_EQ(window->Label4->text(), "Affichage de l'aide");
    for (QWidget* child : window->findChildren<QWidget*>()) {
        EXPECT_TRUE(window->rect().contains(child->geometry()))
            << child->objectName().toStdString();
    }
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const QList<QWidget*> order{window->Button1, window->Button2,  window->effacement,
                                window->aide,    window->interpol, window->autocalcul,
                                window->arrondi};
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
