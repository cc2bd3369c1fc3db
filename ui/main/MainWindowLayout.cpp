// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls: kinds, texts, places, tab order and tooltips.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "ClickableLabel.h"
#include "Controls.h"
#include "DesktopHabits.h"
#include "Fonts.h"
#include "MainWindow.h"
#include "MainWindowControls.h"
#include "PlayerNameDelegate.h"
#include "RightAlignedLabel.h"

namespace tavolin {

namespace {

// Figures start at x 492 (the new rating at 491); their captions end just before.
constexpr int kCaptionRight = 488;

QLabel* label(QWidget* parent, const QString& text, int left, int top) {
    return placedLabel(parent, text, left, top);
}

QLineEdit* edit(QWidget* parent, QRect geometry, int maxLength) {
    auto* created = new QLineEdit(parent);
    created->setGeometry(geometry);
    created->setMaxLength(maxLength);
    return created;
}

QRadioButton* radio(QWidget* parent, int top) {
    auto* created = new QRadioButton(parent);
    created->setGeometry(140, top, 13, 17);
    return created;
}

void setUnderline(QWidget* widget) {
    QFont font = widget->font();
    font.setUnderline(true);
    widget->setFont(font);
}

}  // namespace

void MainWindowControls::setupUi(QWidget* window) {
    createControls(window);
    nameControls(*this);
    setTabOrder();
    setFixedTips();
    // The captions beside the bare radio buttons and check box act on them.
    for (const SystemControls& controls : systemControls()) {
        makeCaptionOf(controls.caption, controls.button);
    }
    makeCaptionOf(youngCaption, youngBox);
    nameForScreenReaders();
    pressButtonsWithEnter(window);
}

// What a screen reader says of each control: the caption beside it, as the eye reads it.
void MainWindowControls::nameForScreenReaders() {
    ratingCaption->setBuddy(ratingEdit);
    coefficientCaption->setBuddy(coefficientBox);
    opponentCaption->setBuddy(opponentEdit);
    resultCaption->setBuddy(resultEdit);
    playerGrid->setAccessibleName(playerNamesCaption->text());
    gameList->setAccessibleName(gameCountCaption->text().trimmed());
    deleteNumberEdit->setAccessibleName(deleteGameButton->text());
}

const QLabel* MainWindowControls::captionOf(const QLabel* value) const {
    const std::array<std::pair<const QLabel*, const QLabel*>, 4> pairs{
        {{averageValue, averageCaption},
         {scoreValue, scoreCaption},
         {performanceValue, performanceCaption},
         {newRatingValue, newRatingCaption}}};
    for (const auto& [shown, caption] : pairs) {
        if (shown == value) {
            return caption;
        }
    }
    return nullptr;
}

std::array<MainWindowControls::SystemControls, 5> MainWindowControls::systemControls() const {
    return {{{RatingSystem::Elo, eloButton, eloCaption},
             {RatingSystem::Injes, injesButton, injesCaption},
             {RatingSystem::Fide, fideButton, fideCaption},
             {RatingSystem::Perf, perfButton, perfCaption},
             {RatingSystem::Fide2024, fide2024Button, fide2024Caption}}};
}

std::array<MainWindowControls::ResultControl, 4> MainWindowControls::resultControls() const {
    return {{{ResultLabel::average, averageValue},
             {ResultLabel::score, scoreValue},
             {ResultLabel::performance, performanceValue},
             {ResultLabel::newRating, newRatingValue}}};
}

void MainWindowControls::createControls(QWidget* window) {
    window->setFont(interfaceFont());

    titleLabel = new ClickableLabel(QStringLiteral("Tavolin "), window);
    titleLabel->setFont(titleFont());
    QPalette titlePalette = titleLabel->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::red);
    titleLabel->setPalette(titlePalette);
    titleLabel->move(264, 16);
    titleLabel->adjustSize();

    playerNamesCaption = label(
        window, QCoreApplication::translate("tavolin::MainWindow", "Noms des joueurs"), 8, 16);
    playerGrid = new QTableWidget(kPlayerCount, 1, window);
    playerGrid->setGeometry(12, 34, 69, 163);
    playerGrid->horizontalHeader()->hide();
    playerGrid->verticalHeader()->hide();
    playerGrid->verticalHeader()->setMinimumSectionSize(15);
    playerGrid->verticalHeader()->setDefaultSectionSize(15);
    playerGrid->horizontalHeader()->setStretchLastSection(true);
    playerGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    playerGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    playerGrid->setShowGrid(true);
    playerGrid->setTabKeyNavigation(false);  // Tab leaves the grid
    playerGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    playerGrid->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    playerGrid->setItemDelegate(new PlayerNameDelegate(playerGrid));
    for (int row = 0; row < kPlayerCount; ++row) {
        playerGrid->setItem(row, 0, new QTableWidgetItem());
    }
    playerGrid->setCurrentCell(0, 0);

    systemsCaption =
        label(window, QCoreApplication::translate("tavolin::MainWindow", "Classement"), 128, 20);
    eloButton = radio(window, 44);
    injesButton = radio(window, 68);
    fideButton = radio(window, 92);
    perfButton = radio(window, 116);
    fide2024Button = radio(window, 140);
    eloButton->setChecked(true);
    eloCaption = label(window, QStringLiteral("ELO"), 164, 44);
    injesCaption = label(window, QStringLiteral("INJES"), 164, 68);
    fideCaption = label(window, QStringLiteral("FIDE"), 164, 92);
    perfCaption = label(window, QStringLiteral("Perf"), 164, 116);
    fide2024Caption = label(window, QStringLiteral("FIDE 2024"), 164, 140);
    systemsGroup =
        new QGroupBox(QCoreApplication::translate("tavolin::MainWindow", "Classement"), window);
    systemsGroup->setGeometry(120, 28, 89, 137);
    systemsGroup->hide();

    ratingCaption = label(
        window, QCoreApplication::translate("tavolin::MainWindow", "Elo du joueur :"), 238, 72);
    ratingCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ratingEdit = edit(window, QRect(316, 68, 33, 21), 4);
    youngBox = new QCheckBox(window);
    youngBox->setGeometry(368, 72, 13, 13);
    youngCaption =
        label(window, QCoreApplication::translate("tavolin::MainWindow", "Jeune"), 384, 72);
    coefficientCaption = label(
        window, QCoreApplication::translate("tavolin::MainWindow", "Coefficient FIDE"), 252, 120);
    coefficientCaption->hide();
    // Only the values its system knows: a typed one would be replaced without a word.
    coefficientBox = new QComboBox(window);
    coefficientBox->addItems({QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("25")});
    coefficientBox->setCurrentText(QStringLiteral("25"));
    coefficientBox->setGeometry(336, 116, 49, 21);
    coefficientBox->hide();

    // The frame first, so that the entry fields lie over it.
    gameEntryFrame = new QFrame(window);
    gameEntryFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    gameEntryFrame->setGeometry(40, 232, 265, 105);
    gamesCaption = label(
        window, QCoreApplication::translate("tavolin::MainWindow", "Vos parties : "), 40, 216);
    setUnderline(gamesCaption);
    gamesCaption->adjustSize();
    opponentCaption =
        label(window, QCoreApplication::translate("tavolin::MainWindow", "Elo : "), 66, 256);
    opponentEdit = edit(window, QRect(104, 252, 41, 21), 4);
    resultCaption =
        label(window, QCoreApplication::translate("tavolin::MainWindow", "Résultat (+,=,-) : "),
              166, 256);
    resultEdit = edit(window, QRect(260, 252, 25, 21), 1);
    addGameButton =
        placedButton(window, QCoreApplication::translate("tavolin::MainWindow", "Valider"),
                     QRect(140, 296, 73, 25));

    calculateButton =
        placedButton(window, QCoreApplication::translate("tavolin::MainWindow", "CALCUL"),
                     QRect(384, 196, 121, 41));
    averageCaption =
        new RightAlignedLabel(QString::fromUtf8(kAverageCaption.data(), kAverageCaption.size()),
                              kCaptionRight, 259, window);
    averageValue = label(window, QString(), 492, 260);
    scoreCaption =
        new RightAlignedLabel(QCoreApplication::translate("tavolin::MainWindow", "Pourcentage :"),
                              kCaptionRight, 296, window);
    scoreValue = label(window, QString(), 492, 296);
    performanceCaption =
        new RightAlignedLabel(QCoreApplication::translate("tavolin::MainWindow", "PERFORMANCE : "),
                              kCaptionRight, 328, window);
    performanceValue = label(window, QString(), 492, 328);
    newRatingCaption = new RightAlignedLabel(QString(), kCaptionRight, 368, window);
    QFont newRatingFont = window->font();
    newRatingFont.setBold(true);
    newRatingFont.setPixelSize(13);
    newRatingCaption->setFont(newRatingFont);
    newRatingCaption->setCaption(
        QCoreApplication::translate("tavolin::MainWindow", "NOUVEL ELO : "));
    newRatingValue = label(window, QString(), 491, 368);
    setBold(newRatingValue);
    // What the figures left out or warn of, a line each, under them and right of "Détail".
    notesValue = label(window, QString(), 368, 384);
    notesValue->setWordWrap(true);
    notesValue->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notesValue->setFixedSize(266, 32);

    gameCountCaption =
        label(window, QCoreApplication::translate("tavolin::MainWindow", "Parties : "), 564, 12);
    setUnderline(gameCountCaption);
    gameCountCaption->adjustSize();
    gameCountValue = label(window, QStringLiteral("0"), 616, 12);
    setBold(gameCountValue);
    gameList = new QPlainTextEdit(window);
    gameList->setGeometry(564, 28, 65, 353);
    gameList->setReadOnly(true);
    gameList->setTabChangesFocus(true);
    // One game a line, all 50 of them: a scroll bar would take width from the 65 pixels and
    // wrap every game onto two lines, so the list scrolls by wheel and keys alone.
    gameList->setLineWrapMode(QPlainTextEdit::NoWrap);
    gameList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gameList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBold(gameList);
    QPalette listPalette = gameList->palette();
    listPalette.setColor(QPalette::Base, listPalette.color(QPalette::Button));
    gameList->setPalette(listPalette);

    aboutButton = placedButton(window, QCoreApplication::translate("tavolin::MainWindow", "Infos"),
                               QRect(12, 384, 73, 25));
    tableButton =
        placedButton(window, QCoreApplication::translate("tavolin::MainWindow", "Tableau"),
                     QRect(104, 384, 69, 25));
    quitButton = placedButton(window, QCoreApplication::translate("tavolin::MainWindow", "Quitter"),
                              QRect(12, 416, 75, 25));
    optionsButton = placedButton(window, QStringLiteral("Options"), QRect(104, 416, 69, 25));
    detailButton =
        placedButton(window, QCoreApplication::translate("tavolin::MainWindow", "Détail"),
                     QRect(290, 384, 73, 25));
    historyButton =
        placedButton(window, QCoreApplication::translate("tavolin::MainWindow", "Historique"),
                     QRect(196, 384, 85, 25));
    closePeriodButton =
        placedButton(window, QCoreApplication::translate("tavolin::MainWindow", "Clore la période"),
                     QRect(196, 416, 85, 25));
    clearGamesButton =
        placedButton(window, QCoreApplication::translate("tavolin::MainWindow", "Tout Effacer"),
                     QRect(388, 416, 75, 25));
    deleteGameButton = placedButton(
        window, QCoreApplication::translate("tavolin::MainWindow", "Effacer partie n°"),
        QRect(488, 416, 85, 25));
    deleteNumberEdit = edit(window, QRect(572, 416, 25, 21), 2);
}

void MainWindowControls::setFixedTips() {
    // These show their tooltip whatever the "aide" switch says.
    gameEntryFrame->setToolTip(
        QCoreApplication::translate("tavolin::MainWindow", "Entrez dans ce cadre vos parties"));
    gameCountValue->setToolTip(
        QCoreApplication::translate("tavolin::MainWindow", "Nombre de parties jouées"));
    youngCaption->setToolTip(
        QCoreApplication::translate("tavolin::MainWindow", "Cochez cette case si vous êtes jeune"));
    calculateButton->setToolTip(QCoreApplication::translate(
        "tavolin::MainWindow", "Cliquez pour calculer votre nouveau classement"));
    historyButton->setToolTip(
        QCoreApplication::translate("tavolin::MainWindow", "Historique des périodes (Ctrl+H)"));
}

namespace {

QString importTip() {
    return QCoreApplication::translate(
        "tavolin::MainWindow",
        "Pour importer des parties d'un fichier PGN : glissez-le sur la fenêtre, ou Ctrl+O, ou "
        "le menu du clic droit sur la liste des parties");
}

QString fide2024CoefficientTip() {
    return QCoreApplication::translate(
        "tavolin::MainWindow",
        "K 40 : nouveau joueur (moins de 30 parties) ou jeune jusqu'à 18 ans sous 2300 ; "
        "K 20 : classement sous 2400 ; K 10 : classement de 2400 atteint");
}

}  // namespace

void MainWindow::createHelp() {
    const MainWindowControls& ui = *ui_;
    helpTips_ = {
        {ui.ratingEdit,
         QCoreApplication::translate("tavolin::MainWindow", "Entrez ici votre classement")},
        {ui.youngBox, QCoreApplication::translate("tavolin::MainWindow",
                                                  "Cochez cette case si vous êtes jeune")},
        {ui.opponentEdit,
         QCoreApplication::translate("tavolin::MainWindow", "Elo de votre adversaire")},
        {ui.resultEdit,
         QCoreApplication::translate("tavolin::MainWindow", "Résultat de la partie : + , = , - ")},
        {ui.gameList, QCoreApplication::translate("tavolin::MainWindow", "Liste de vos parties")},
        {ui.systemsGroup,
         QCoreApplication::translate("tavolin::MainWindow",
                                     "Choisissez le ce que vous souhaitez calculer")},
        {ui.gameCountCaption, importTip()},
        {ui.gamesCaption, importTip()},
    };
    applyHelp();
}

void MainWindow::applyHelp() {
    for (const auto& [widget, text] : helpTips_) {
        widget->setToolTip(settings_.showHelp ? text : QString());
    }
    // Which K factor of the 2024 rules applies to whom; the older rules' box has no tip.
    const bool fide2024 =
        session_.storedSystem() == static_cast<std::int32_t>(RatingSystem::Fide2024);
    ui_->coefficientBox->setToolTip(settings_.showHelp && fide2024 ? fide2024CoefficientTip()
                                                                   : QString());
}

void MainWindowControls::setTabOrder() {
    // The window's reading order: the players, the systems, the rating and what goes with
    // it, a game's fields, CALCUL, the list, then the buttons below, row by row.
    const QList<QWidget*> order{
        playerGrid,        eloButton,        injesButton,      fideButton,      perfButton,
        fide2024Button,    ratingEdit,       youngBox,         coefficientBox,  opponentEdit,
        resultEdit,        addGameButton,    calculateButton,  gameList,        aboutButton,
        tableButton,       historyButton,    detailButton,     quitButton,      optionsButton,
        closePeriodButton, clearGamesButton, deleteGameButton, deleteNumberEdit};
    for (int k = 1; k < order.size(); ++k) {
        QWidget::setTabOrder(order[k - 1], order[k]);
    }
    // What the user types first is his rating, not a name in the grid.
    ratingEdit->setFocus();
}

}  // namespace tavolin
