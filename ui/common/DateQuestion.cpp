// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateQuestion.h"

#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Fonts.h"

namespace tavolin {

std::optional<QDate> askWithDate(QWidget* parent, const QString& title, const QString& text,
                                 const QDate& latest) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("DateQuestion"));
    dialog.setWindowTitle(title);
    dialog.setFont(interfaceFont());
    auto* layout = new QVBoxLayout(&dialog);
    auto* question = new QLabel(text, &dialog);
    question->setWordWrap(true);
    layout->addWidget(question);
    auto* date = new QDateEdit(latest, &dialog);
    date->setObjectName(QStringLiteral("dateEdit"));
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    date->setCalendarPopup(true);
    date->setMaximumDate(latest);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Date de clôture :"), date);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* yes = buttons->addButton(QStringLiteral("&Oui"), QDialogButtonBox::AcceptRole);
    QPushButton* no = buttons->addButton(QStringLiteral("&Non"), QDialogButtonBox::RejectRole);
    yes->setAutoDefault(false);
    no->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    no->setFocus();
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return date->date();
}

}  // namespace tavolin
