// SPDX-License-Identifier: GPL-3.0-or-later
// A window's list of controls: a control missing from the window, or never created, is
// told by its name.
#include "Controls.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "ControlsOf.h"

namespace tavolin::testing {
namespace {

#define TWO_CONTROLS(X)     \
    X(QLabel, captionLabel) \
    X(QPushButton, acceptButton)

struct TwoControls {
    TAVOLIN_CONTROLS(TWO_CONTROLS)
};

TEST(ControlsTest, ARenamedControlFailsTheTestByItsName) {
    QWidget window;
    window.setObjectName("SomeWindow");
    TwoControls made;
    made.captionLabel = new QLabel(&window);
    made.acceptButton = new QPushButton(&window);
    nameControls(made);
    made.acceptButton->setObjectName("okButton");

    TwoControls found;
    EXPECT_NONFATAL_FAILURE(found = controlsOf<TwoControls>(window),
                            "SomeWindow has no control named acceptButton");
    EXPECT_EQ(found.captionLabel, made.captionLabel);
    EXPECT_EQ(found.acceptButton, nullptr);
}

TEST(ControlsDeathTest, NamingAControlNeverCreatedStopsWithItsName) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QWidget window;
    TwoControls made;
    made.captionLabel = new QLabel(&window);
    EXPECT_DEATH(nameControls(made), "acceptButton was never created");
}

}  // namespace
}  // namespace tavolin::testing
