// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxes.h"

#include <QMessageBox>

namespace tavolin {

namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

}  // namespace

void DialogMessageBoxes::warning(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Warning, kWarningTitle, text);
}

void DialogMessageBoxes::error(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Critical, kApplicationTitle, text);
}

}  // namespace tavolin
