// The About box, on its own and as the main window opens it.
#include "TAboutBox.h"

#include <QPushButton>

#include "BevelPanel.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"

namespace tavolin::testing {
namespace {

TEST(AboutBoxTest, ShowsNameVersionAndIcon) {
    TAboutBox box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(box.windowTitle(), "A propos");
    EXPECT_EQ(box.size(), QSize(298, 213));
    EXPECT_EQ(box.ProductName->text(), "TAVOLIN");
    EXPECT_TRUE(box.ProductName->font().bold());
    EXPECT_EQ(box.ProductName->font().pixelSize(), 19);
    EXPECT_EQ(box.Version->text(), "Version 3.2");
    EXPECT_EQ(box.Version->geometry(), QRect(147, 48, 70, 13));
    EXPECT_EQ(box.Panel1->geometry(), QRect(8, 8, 281, 161));
    EXPECT_EQ(box.ProgramIcon->geometry(), QRect(8, 8, 65, 57));
    EXPECT_FALSE(box.ProgramIcon->pixmap().isNull());
    EXPECT_TRUE(box.ProgramIcon->hasScaledContents());
    EXPECT_EQ(box.OKButton->geometry(), QRect(111, 180, 75, 25));
    EXPECT_TRUE(box.OKButton->isDefault());
    EXPECT_FALSE(box.windowIcon().isNull());
    for (QWidget* child : box.Panel1->findChildren<QWidget*>()) {
        EXPECT_TRUE(box.Panel1->rect().contains(child->geometry()))
            << child->objectName().toStdString();
    }
}

TEST(AboutBoxTest, EnterClosesIt) {
    TAboutBox box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
}

TEST_F(MainWindowTest, InfosAndTheTitleOpenTheSameAboutBox) {
    QString byButton, byTitle;
    whenModalShown<TAboutBox>([&](TAboutBox* box) {
        byButton = box->ProductName->text() + " " + box->Version->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    click(ui.Infos);
    whenModalShown<TAboutBox>([&](TAboutBox* box) {
        byTitle = box->ProductName->text() + " " + box->Version->text();
        QTest::mouseClick(box->OKButton, Qt::LeftButton);
    });
    QTest::mouseClick(ui.Label10, Qt::LeftButton);
    EXPECT_EQ(byButton, "TAVOLIN Version 3.2");
    EXPECT_EQ(byTitle, byButton);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace tavolin::testing
