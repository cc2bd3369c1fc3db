// SPDX-License-Identifier: GPL-3.0-or-later
// The About box, on its own and as the main window opens it.
#include "AboutBox.h"

#include <QPushButton>

#include "AboutBoxControls.h"

#include "BevelPanel.h"
#include "ControlsOf.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"

namespace tavolin::testing {
namespace {

TEST(AboutBoxTest, ShowsNameVersionAndIcon) {
    AboutBox box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const auto ui = controlsOf<AboutBoxControls>(box);
    EXPECT_EQ(box.windowTitle(), "A propos");
    EXPECT_EQ(box.size(), QSize(298, 213));
    EXPECT_EQ(ui.productNameLabel->text(), "TAVOLIN");
    EXPECT_TRUE(ui.productNameLabel->font().bold());
    EXPECT_EQ(ui.productNameLabel->font().pixelSize(), 19);
    EXPECT_EQ(ui.versionLabel->text(), "Version 3.2");
    EXPECT_EQ(ui.versionLabel->geometry(), QRect(147, 48, 70, 13));
    EXPECT_EQ(ui.panel->geometry(), QRect(8, 8, 281, 161));
    EXPECT_EQ(ui.iconLabel->geometry(), QRect(8, 8, 65, 57));
    EXPECT_FALSE(ui.iconLabel->pixmap().isNull());
    EXPECT_TRUE(ui.iconLabel->hasScaledContents());
    EXPECT_EQ(ui.okButton->geometry(), QRect(111, 180, 75, 25));
    EXPECT_TRUE(ui.okButton->isDefault());
    EXPECT_FALSE(box.windowIcon().isNull());
    for (QWidget* child : ui.panel->findChildren<QWidget*>()) {
        EXPECT_TRUE(ui.panel->rect().contains(child->geometry()))
            << child->objectName().toStdString();
    }
}

TEST(AboutBoxTest, EnterClosesIt) {
    AboutBox box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
}

TEST_F(MainWindowTest, TheAboutButtonAndTheTitleOpenTheSameAboutBox) {
    QString byButton, byTitle;
    whenModalShown<AboutBox>([&](AboutBox* box) {
        const auto shown = controlsOf<AboutBoxControls>(*box);
        byButton = shown.productNameLabel->text() + " " + shown.versionLabel->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    click(ui.aboutButton);
    whenModalShown<AboutBox>([&](AboutBox* box) {
        const auto shown = controlsOf<AboutBoxControls>(*box);
        byTitle = shown.productNameLabel->text() + " " + shown.versionLabel->text();
        QTest::mouseClick(shown.okButton, Qt::LeftButton);
    });
    QTest::mouseClick(ui.titleLabel, Qt::LeftButton);
    EXPECT_EQ(byButton, "TAVOLIN Version 3.2");
    EXPECT_EQ(byTitle, byButton);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace tavolin::testing
