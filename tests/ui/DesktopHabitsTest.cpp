// SPDX-License-Identifier: GPL-3.0-or-later
// Enter on a focused button, a caption acting on its control: on any window, and on the
// dialogs that get them.
#include "DesktopHabits.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "AboutBox.h"
#include "PercentageTableWindow.h"

namespace tavolin::testing {
namespace {

TEST(DesktopHabitsTest, EnterPressesTheFocusedButtonOnly) {
    QWidget window;
    auto* button = new QPushButton("OK", &window);
    auto* disabled = new QPushButton("Non", &window);
    disabled->setEnabled(false);
    pressButtonsWithEnter(&window);
    int presses = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++presses; });
    QObject::connect(disabled, &QPushButton::clicked, [&] { ++presses; });

    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(presses, 2);
    QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(button, Qt::Key_A);
    QTest::keyClick(disabled, Qt::Key_Return);
    EXPECT_EQ(presses, 2);
}

TEST(DesktopHabitsTest, ACaptionClickActsOnItsControl) {
    QWidget window;
    auto* box = new QCheckBox(&window);
    auto* caption = new QLabel("Jeune", &window);
    makeCaptionOf(caption, box);
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(caption, Qt::RightButton);
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_FALSE(box->isChecked());
}

TEST(DesktopHabitsTest, EnterClosesTheTableAndTheAboutBox) {
    PercentageTableWindow table;
    AboutBox about;
    for (QDialog* dialog : std::initializer_list<QDialog*>{&table, &about}) {
        dialog->show();
        auto* ok = dialog->findChild<QPushButton*>();
        ASSERT_NE(ok, nullptr);
        QTest::keyClick(ok, Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible()) << dialog->windowTitle().toStdString();
    }
}

}  // namespace
}  // namespace tavolin::testing
