#include "TOptions.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "Controls.h"
#include "DesktopHabits.h"
#include "ErrorBoundary.h"
#include "Fonts.h"
#include "ProgramIcon.h"
#include "SettingsFile.h"

namespace tavolin {

namespace {

QCheckBox* box(QWidget* parent, const char* name, QRect geometry) {
    auto* created = named(new QCheckBox(parent), name);
    created->setGeometry(geometry);
    return created;
}

}  // namespace

TOptions::TOptions(QString settingsPath, const QString& picturePath, MessageBoxes& boxes,
                   std::function<void()> lireoptions, QWidget* parent)
    : QDialog(parent),
      settingsPath_(std::move(settingsPath)),
      boxes_(boxes),
      lireoptions_(std::move(lireoptions)) {
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowIcon(programIcon());
    setFont(interfaceFont());
    resize(320, 240);
    createControls();
    // The picture of the main window, when it can be read; nothing is said otherwise.
    if (QFile::exists(picturePath)) {
        background_.load(picturePath);
    }
    initialisation();
}

void TOptions::createControls() {
    effacement = box(this, "effacement", {24, 20, 17, 17});
    Label1 = placedLabel(this, "Label1", QStringLiteral("Effacement après validation"), 45, 21);
    interpol = box(this, "interpol", {24, 72, 17, 21});
    Label2 = placedLabel(this, "Label2", QStringLiteral("Interpolation"), 45, 75);
    arrondi = box(this, "arrondi", {24, 130, 17, 16});
    Label3 = placedLabel(this, "Label3", QStringLiteral("Arrondi"), 45, 130);
    aide = box(this, "aide", {184, 16, 17, 21});
    Label4 = placedLabel(this, "Label4", QStringLiteral("Affichage de l'aide"), 205, 20);
    autocalcul = box(this, "autocalcul", {184, 75, 17, 16});
    autocalcul->setText(QStringLiteral("Calcul automatique"));  // clipped by the box's width
    Label5 = placedLabel(this, "Label5", QStringLiteral("Calcul automatique"), 205, 75);

    Button1 = named(new QPushButton(QStringLiteral("Sauver"), this), "Button1");
    Button1->setGeometry(72, 176, 73, 25);
    Button1->setAutoDefault(false);
    Button2 = named(new QPushButton(QStringLiteral("Annuler"), this), "Button2");
    Button2->setGeometry(176, 176, 81, 25);
    Button2->setAutoDefault(false);

    const QList<QWidget*> order{Button1, Button2, effacement, aide, interpol, autocalcul, arrondi};
    for (int k = 1; k < order.size(); ++k) {
        setTabOrder(order[k - 1], order[k]);
    }
    Button1->setFocus();
    for (const auto& [caption, control] :
         {std::pair{Label1, effacement}, std::pair{Label2, interpol}, std::pair{Label3, arrondi},
          std::pair{Label4, aide}, std::pair{Label5, autocalcul}}) {
        makeCaptionOf(caption, control);
    }
    pressButtonsWithEnter(this);

    connect(Button1, &QPushButton::clicked, this,
            [this] { runHandler(boxes_, this, [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TOptions::initialisation() {
    const Settings stored = readSettings(settingsPath_);
    interpol->setChecked(stored.interpolation);
    aide->setChecked(stored.aide);
    autocalcul->setChecked(stored.autocalcul);
    arrondi->setChecked(stored.arrondi);
    effacement->setChecked(stored.effacement);
}

Settings TOptions::ticked() const {
    Settings settings;
    settings.aide = aide->isChecked();
    settings.autocalcul = autocalcul->isChecked();
    settings.arrondi = arrondi->isChecked();
    settings.effacement = effacement->isChecked();
    settings.interpolation = interpol->isChecked();
    return settings;
}

void TOptions::Button1Click() {
    writeSettings(settingsPath_, ticked());  // a key that fails stops here, the window stays
    lireoptions_();
    close();
}

void TOptions::Button2Click() {
    close();
}

void TOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    initialisation();
}

void TOptions::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    // Only the window's own surface, not a label or another control, goes back to the file.
    if (childAt(event->position().toPoint()) == nullptr) {
        initialisation();
    }
}

void TOptions::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!background_.isNull()) {
        QPainter(this).drawPixmap(0, 0, background_);
    }
}

}  // namespace tavolin
