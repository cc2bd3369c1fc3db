#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "ClickableLabel.h"
#include "RecordingMessageBoxes.h"
#include "RightAlignedLabel.h"
#include "TForm1.h"

namespace tavolin::testing {

// A main window on the offscreen platform, driven through its real widgets.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(boxes);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    void TearDown() override { form.reset(); }

    void type(QLineEdit* field, const QString& text) {
        field->clear();
        QTest::keyClicks(field, text);
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void addGame(const QString& rating, const QString& sign) {
        type(form->adv, rating);
        type(form->adv2, sign);
        click(form->Button1);
    }

    void deleteGame(const QString& number) {
        type(form->effa, number);
        click(form->Button7);
    }

    void enableSwitches(void (*change)(Settings&)) {
        Settings settings = form->settings();
        change(settings);
        form->setSettings(settings);
    }

    QString results() const {
        return form->moy->text() + "|" + form->gain->text() + "|" + form->performance->text() +
               "|" + form->nvelo->text();
    }

    RecordingMessageBoxes boxes;
    std::unique_ptr<TForm1> form;
};

}  // namespace tavolin::testing
