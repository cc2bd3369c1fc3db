// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "DateQuestion.h"
#include "ProgramIcon.h"
#include "Utf8.h"

namespace tavolin {

namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    giveWindowsTheProgramIcon();  // a box can come before the main window
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

}  // namespace

void DialogMessageBoxes::warning(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Warning, fromUtf8(kWarningTitle), text);
}

void DialogMessageBoxes::error(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Critical, kApplicationTitle, text);
}

bool DialogMessageBoxes::question(QWidget* parent, const QString& text) {
    giveWindowsTheProgramIcon();
    QMessageBox box(QMessageBox::Question, fromUtf8(kQuestionTitle), text, QMessageBox::NoButton,
                    parent);
    QPushButton* yes =
        box.addButton(QCoreApplication::translate("MessageBoxes", "&Oui"), QMessageBox::YesRole);
    QPushButton* no =
        box.addButton(QCoreApplication::translate("MessageBoxes", "&Non"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<QDate> DialogMessageBoxes::questionWithDate(QWidget* parent, const QString& text,
                                                          const QDate& latest) {
    return askWithDate(parent, fromUtf8(kQuestionTitle), text, latest);
}

std::optional<QString> DialogMessageBoxes::askText(QWidget* parent, const QString& title,
                                                   const QString& label, const QString& initial) {
    giveWindowsTheProgramIcon();
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("MessageBoxes", "Annuler"));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

}  // namespace tavolin
