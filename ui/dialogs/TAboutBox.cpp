#include "TAboutBox.h"

#include <QLabel>
#include <QPushButton>

#include "BevelPanel.h"
#include "Controls.h"
#include "DesktopHabits.h"
#include "Fonts.h"
#include "ProgramIcon.h"
#include "Utf8.h"
#include "Version.h"

namespace tavolin {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("A propos"));
    setWindowIcon(programIcon());
    setFont(interfaceFont());
    setFixedSize(298, 213);
    // A dialog frame: neither minimised nor maximised, no help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    Panel1 = named(new BevelPanel(this), "Panel1");
    Panel1->setGeometry(8, 8, 281, 161);

    ProgramIcon = named(new QLabel(Panel1), "ProgramIcon");
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setPixmap(programIcon().pixmap(256, 256));
    ProgramIcon->setScaledContents(true);

    ProductName = placedLabel(Panel1, "ProductName", QStringLiteral("TAVOLIN"), 0, 0);
    ProductName->setFont(productNameFont());
    ProductName->adjustSize();
    ProductName->move(136, 16);

    Version = named(new QLabel(QStringLiteral("Version ") + fromUtf8(kVersion), Panel1), "Version");
    setBold(Version);
    Version->setGeometry(147, 48, 70, 13);

    OKButton = named(new QPushButton(QStringLiteral("OK"), this), "OKButton");
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);  // Enter closes the box
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    pressButtonsWithEnter(this);
}

void TAboutBox::OKButtonClick() {
    close();
}

}  // namespace tavolin
