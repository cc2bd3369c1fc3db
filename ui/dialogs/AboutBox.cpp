// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "AboutBoxControls.h"
#include "BevelPanel.h"
#include "Controls.h"
#include "DialogStart.h"
#include "Fonts.h"
#include "ProgramIcon.h"
#include "Utf8.h"
#include "Version.h"

namespace tavolin {

void AboutBoxControls::setupUi(QWidget* box) {
    panel = new BevelPanel(box);
    panel->setGeometry(8, 8, 281, 161);

    iconLabel = new QLabel(panel);
    iconLabel->setGeometry(8, 8, 65, 57);
    iconLabel->setPixmap(programIcon().pixmap(256, 256));
    iconLabel->setScaledContents(true);

    productNameLabel = placedLabel(panel, QStringLiteral("TAVOLIN"), 0, 0);
    productNameLabel->setFont(productNameFont());
    productNameLabel->adjustSize();
    productNameLabel->move(136, 16);

    versionLabel = new QLabel(
        QCoreApplication::translate("tavolin::AboutBox", "Version %1").arg(fromUtf8(kVersion)),
        panel);
    setBold(versionLabel);
    versionLabel->setGeometry(147, 48, 70, 13);

    okButton = new QPushButton(QStringLiteral("OK"), box);
    okButton->setGeometry(111, 180, 75, 25);
    okButton->setDefault(true);  // Enter closes the box
    nameControls(*this);
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent), ui_(std::make_unique<AboutBoxControls>()) {
    // A dialog frame: neither minimised nor maximised, no help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    startDialog(*this, {QStringLiteral("AboutBox"), tr("A propos"), {298, 213}, true}, *ui_);
    connect(ui_->okButton, &QPushButton::clicked, this, [this] { closeBox(); });
}

AboutBox::~AboutBox() = default;

void AboutBox::closeBox() {
    close();
}

}  // namespace tavolin
