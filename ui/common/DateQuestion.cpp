// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateQuestion.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "Fonts.h"

namespace tavolin {

namespace {

constexpr int kMinimumWidth = 440;

}  // namespace

std::optional<QDate> askWithDate(QWidget* parent, const QString& title, const QString& text,
                                 const QDate& latest) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("DateQuestion"));
    dialog.setWindowTitle(title);
    dialog.setFont(interfaceFont());
    dialog.setMinimumWidth(kMinimumWidth);
    auto* layout = new QVBoxLayout(&dialog);
    // As the program's other questions look: the question's icon beside its text.
    auto* body = new QHBoxLayout;
    auto* icon = new QLabel(&dialog);
    const int iconSize = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(
        dialog.style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);
    body->addWidget(icon);
    auto* texts = new QVBoxLayout;
    auto* question = new QLabel(text, &dialog);
    question->setWordWrap(true);
    texts->addWidget(question);
    auto* date = new QDateEdit(latest, &dialog);
    date->setObjectName(QStringLiteral("dateEdit"));
    date->setDisplayFormat(
        QCoreApplication::translate("DateQuestion", "dd/MM/yyyy", "how a date is shown"));
    date->setCalendarPopup(true);
    // No maximum on the field: it would refuse the digits typed on the way to an earlier
    // day ("3" of "31/01" after "10/12"); a later day is taken as `latest` below.
    date->calendarWidget()->setMaximumDate(latest);
    // Typing starts with the format's first part: the day in French, the month in English.
    date->setCurrentSectionIndex(0);
    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("DateQuestion", "&Date de clôture :"), date);
    texts->addLayout(form);
    body->addLayout(texts, 1);
    layout->addLayout(body);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* yes = buttons->addButton(QCoreApplication::translate("MessageBoxes", "&Oui"),
                                          QDialogButtonBox::AcceptRole);
    QPushButton* no = buttons->addButton(QCoreApplication::translate("MessageBoxes", "&Non"),
                                         QDialogButtonBox::RejectRole);
    yes->setAutoDefault(false);
    no->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    no->setFocus();
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return std::min(date->date(), latest);
}

}  // namespace tavolin
