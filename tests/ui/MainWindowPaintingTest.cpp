// SPDX-License-Identifier: GPL-3.0-or-later
// The painted background of the main window, and the windows it opens from its buttons.
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QTableWidget>

#include "ControlsOf.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"
#include "PercentageTableWindow.h"
#include "PercentageTableWindowControls.h"

namespace tavolin::testing {
namespace {

const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);

// A window started in a folder that holds `picture` as "tavolin.bmp" (or none).
class MainWindowPaintingTest : public MainWindowTest {
protected:
    void startWithPicture(const QImage& picture) {
        mainWindow.reset();
        ASSERT_TRUE(picture.save(folder.filePath("tavolin.bmp"), "BMP"));
        openWindow();
    }

    QImage shown() { return mainWindow->grab().toImage(); }
};

// A picture whose four corners tell which copy is where.
QImage markedPicture(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(240, 236, 220));
    picture.setPixelColor(2, 2, QColor(200, 0, 0));
    picture.setPixelColor(size.width() - 3, size.height() - 3, QColor(0, 0, 200));
    return picture;
}

// The icon's decoding waits until the window is on screen; then every window has it.
TEST_F(MainWindowPaintingTest, TheWindowsTakeTheProgramIconOncePainted) {
    mainWindow.reset();
    QGuiApplication::setWindowIcon(QIcon());
    MainWindow window(boxes, files());
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.windowIcon().isNull());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.windowIcon().availableSizes().size(), 7);
    EXPECT_EQ(QGuiApplication::windowIcon().availableSizes().size(), 7);
}

TEST_F(MainWindowPaintingTest, FourTilesFillTheWindowAtThePicturesOwnSize) {
    startWithPicture(markedPicture({320, 240}));
    const QImage image = shown();
    for (const QPoint tile : {QPoint(0, 0), QPoint(0, 240), QPoint(320, 0), QPoint(320, 240)}) {
        EXPECT_EQ(image.pixelColor(tile + QPoint(2, 2)), QColor(200, 0, 0))
            << tile.x() << "," << tile.y();
    }
    EXPECT_EQ(image.pixelColor(317, 237), QColor(0, 0, 200));
    EXPECT_EQ(image.pixelColor(637, 477), QColor(0, 0, 200));
    EXPECT_TRUE(boxes.errors.isEmpty());
}

// The picture is read as BMP first; a PNG put in its place is still shown.
TEST_F(MainWindowPaintingTest, APictureOfAnotherKindUnderTheNameIsShownToo) {
    mainWindow.reset();
    ASSERT_TRUE(markedPicture({320, 240}).save(folder.filePath("tavolin.bmp"), "PNG"));
    openWindow();
    EXPECT_EQ(shown().pixelColor(322, 242), QColor(200, 0, 0));
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(MainWindowPaintingTest, ASmallerPictureLeavesGaps) {
    startWithPicture(markedPicture({100, 80}));
    const QImage image = shown();
    EXPECT_EQ(image.pixelColor(322, 242), QColor(200, 0, 0));
    EXPECT_EQ(image.pixelColor(97, 77), QColor(0, 0, 200));
    EXPECT_EQ(image.pixelColor(2, 100), mainWindow->palette().color(QPalette::Window));
}

TEST_F(MainWindowPaintingTest, TheFrameOfTheFiveSystemsIsGreyAboveAndLeftWhiteRightAndBelow) {
    for (bool withPicture : {false, true}) {
        if (withPicture) {
            startWithPicture(markedPicture({320, 240}));
        }
        const QImage image = shown();
        // The right edge lies past the longest caption, "FIDE 2024", and before the rating's.
        int right = ui.fide2024Caption->geometry().right() + 1;
        while (right < ui.ratingCaption->x() && image.pixelColor(right, 100) != kWhite) {
            ++right;
        }
        ASSERT_LT(right, ui.ratingCaption->x()) << withPicture;
        EXPECT_EQ(image.pixelColor(150, 37), kGrey) << withPicture;
        EXPECT_EQ(image.pixelColor(129, 150), kGrey) << withPicture;
        EXPECT_EQ(image.pixelColor(right, 150), kWhite) << withPicture;
        EXPECT_EQ(image.pixelColor(150, 162), kWhite) << withPicture;
        EXPECT_EQ(image.pixelColor(129, 37), kGrey) << withPicture;
        EXPECT_EQ(image.pixelColor(right, 37), kWhite) << withPicture;
        EXPECT_EQ(image.pixelColor(right, 162), kWhite) << withPicture;
        EXPECT_EQ(image.pixelColor(129, 162), kGrey) << withPicture;
    }
}

TEST_F(MainWindowPaintingTest, NoPictureNoMessage) {
    EXPECT_TRUE(boxes.errors.isEmpty());
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_EQ(shown().pixelColor(2, 2), mainWindow->palette().color(QPalette::Window));
}

TEST_F(MainWindowPaintingTest, ABrokenPictureIsToldOnceAndLeftOut) {
    mainWindow.reset();
    writeFile(folder.filePath("tavolin.bmp"), "BM this is no bitmap");
    openWindow();
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_EQ(boxes.errors.front(), QString("L'image %1 n'est pas un bitmap lisible.")
                                        .arg(QDir(folder.path()).absoluteFilePath("tavolin.bmp")));
    mainWindow->repaint();
    leaveAndComeBack();
    EXPECT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_EQ(shown().pixelColor(2, 2), mainWindow->palette().color(QPalette::Window));
}

TEST_F(MainWindowPaintingTest, EveryPaintingSetsTheTitle) {
    ui.titleLabel->setText("something else");
    mainWindow->repaint();
    EXPECT_EQ(ui.titleLabel->text(), "Tavolin v3.2");
}

TEST_F(MainWindowTest, TheTableButtonSavesThenOpensTheTable) {
    addGame("1850", "+");
    enableSwitches([](Settings& s) { s.interpolation = true; });
    QByteArray fileWhenOpen;
    QString topRow;
    whenModalShown<PercentageTableWindow>([&](PercentageTableWindow* table) {
        const auto shown = controlsOf<PercentageTableWindowControls>(*table);
        fileWhenOpen = readFile(playerFile);
        topRow = shown.tableGrid->item(0, 1)->text() + " " + shown.tableGrid->item(0, 5)->text();
        QTest::mouseClick(shown.okButton, Qt::LeftButton);
    });
    click(ui.tableButton);
    EXPECT_EQ(getDouble(fileWhenOpen, 40), 1850);
    EXPECT_EQ(topRow, "470 72");  // the threshold table, interpolation or not
}

}  // namespace
}  // namespace tavolin::testing
