// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ModalHelper.h"

namespace tavolin::testing {
namespace {

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Shows a box for real and closes it as soon as it is on screen, with its first button or
// as `close` does.
template <typename Show>
ShownBox showAndClose(
    Show show, const std::function<void(QMessageBox*)>& close = [](QMessageBox* box) {
        box->buttons().front()->click();
    }) {
    ShownBox shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        poll.stop();
        shown.title = box->windowTitle();
        shown.text = box->text();
        shown.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            shown.buttons.append(button->text());
        }
        close(box);
    });
    poll.start(10);
    show();
    return shown;
}

TEST(MessageBoxesTest, WarningIsTitledAvertissementWithOneOk) {
    DialogMessageBoxes boxes;
    const ShownBox shown = showAndClose([&] { boxes.warning(nullptr, "Erreur sur le elo"); });
    EXPECT_EQ(shown.title, "Avertissement");
    EXPECT_EQ(shown.text, "Erreur sur le elo");
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(shown.buttons, QStringList{"OK"});
}

TEST(MessageBoxesTest, ErrorIsTitledTavolinWithOneOk) {
    DialogMessageBoxes boxes;
    const ShownBox shown = showAndClose([&] { boxes.error(nullptr, "Disque plein"); });
    EXPECT_EQ(shown.title, "Tavolin");
    EXPECT_EQ(shown.text, "Disque plein");
    EXPECT_EQ(shown.icon, QMessageBox::Critical);
    EXPECT_EQ(shown.buttons, QStringList{"OK"});
}

// Enter takes the default answer, "Non"; the letter O alone answers "Oui".
TEST(MessageBoxesTest, QuestionAnswersNoByDefaultAndYesOnItsLetter) {
    DialogMessageBoxes boxes;
    bool answer = true;
    const ShownBox shown =
        showAndClose([&] { answer = boxes.question(nullptr, "Clore ?"); },
                     [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(shown.title, "Confirmation");
    EXPECT_EQ(shown.icon, QMessageBox::Question);
    EXPECT_EQ(shown.buttons, (QStringList{"&Oui", "&Non"}));
    EXPECT_FALSE(answer);
    showAndClose([&] { answer = boxes.question(nullptr, "Clore ?"); },
                 [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_O); });
    EXPECT_TRUE(answer);
}

// The closing's question: a date field, today by default and at the latest; Oui gives the
// day chosen, Non and Escape nothing.
TEST(MessageBoxesTest, AQuestionWithADateGivesTheDayChosen) {
    DialogMessageBoxes boxes;
    const QDate today(2026, 12, 10);
    const auto answer = [&](const std::function<void(QDialog*, QDateEdit*)>& act) {
        whenModalShown<QDialog>([&](QDialog* dialog) {
            auto* date = dialog->findChild<QDateEdit*>("dateEdit");
            ASSERT_NE(date, nullptr);
            EXPECT_EQ(date->date(), today);
            act(dialog, date);
        });
        return boxes.questionWithDate(nullptr, "Clore la période ?", today);
    };
    EXPECT_EQ(answer([](QDialog* dialog, QDateEdit* date) {
                  date->setDate(QDate(2026, 6, 30));
                  for (auto* button : dialog->findChildren<QPushButton*>()) {
                      if (button->text() == "&Oui") {
                          button->click();
                      }
                  }
              }),
              QDate(2026, 6, 30));
    EXPECT_EQ(answer([](QDialog* dialog, QDateEdit*) { QTest::keyClick(dialog, Qt::Key_Escape); }),
              std::nullopt);
    EXPECT_EQ(answer([](QDialog* dialog, QDateEdit*) { QTest::keyClick(dialog, Qt::Key_Return); }),
              std::nullopt);  // "Non" is the default
}

}  // namespace
}  // namespace tavolin::testing
