// The main window's controls: kinds, texts, places, tab order and tooltips.
#include <QCheckBox>
#include <QComboBox>
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
#include "PlayerNameDelegate.h"
#include "RightAlignedLabel.h"
#include "TForm1.h"
#include "TForm1Controls.h"

namespace tavolin {

namespace {

// Figures start at x 492 (the new rating at 491); their captions end just before.
constexpr int kCaptionRight = 488;

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top) {
    return placedLabel(parent, name, text, left, top);
}

QLineEdit* edit(QWidget* parent, const char* name, QRect geometry, int maxLength) {
    auto* created = named(new QLineEdit(parent), name);
    created->setGeometry(geometry);
    created->setMaxLength(maxLength);
    return created;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* created = named(new QPushButton(text, parent), name);
    created->setGeometry(geometry);
    created->setAutoDefault(false);
    return created;
}

QRadioButton* radio(QWidget* parent, const char* name, int top) {
    auto* created = named(new QRadioButton(parent), name);
    created->setGeometry(140, top, 13, 17);
    return created;
}

void setUnderline(QWidget* widget) {
    QFont font = widget->font();
    font.setUnderline(true);
    widget->setFont(font);
}

}  // namespace

void TForm1Controls::setupUi(QWidget* window) {
    createControls(window);
    setTabOrder();
    setFixedTips();
    // The captions beside the bare radio buttons and check box act on them.
    for (const auto& [caption, control] :
         {std::pair<QLabel*, QAbstractButton*>{Label15, RadioButton1},
          {Label16, RadioButton2},
          {Label17, RadioButton3},
          {Label18, RadioButton4},
          {Label20, RadioButton5},
          {Label14, CheckBox1}}) {
        makeCaptionOf(caption, control);
    }
    pressButtonsWithEnter(window);
}

void TForm1Controls::createControls(QWidget* window) {
    window->setFont(interfaceFont());

    Label10 = named(new ClickableLabel(QStringLiteral("Tavolin "), window), "Label10");
    Label10->setFont(titleFont());
    QPalette titlePalette = Label10->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::red);
    Label10->setPalette(titlePalette);
    Label10->move(264, 16);
    Label10->adjustSize();

    Label12 = label(window, "Label12", QStringLiteral("Noms des joueurs"), 8, 16);
    StringGrid1 = named(new QTableWidget(kPlayerCount, 1, window), "StringGrid1");
    StringGrid1->setGeometry(12, 34, 69, 163);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setMinimumSectionSize(15);
    StringGrid1->verticalHeader()->setDefaultSectionSize(15);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setShowGrid(true);
    StringGrid1->setTabKeyNavigation(false);  // Tab leaves the grid
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
    StringGrid1->setItemDelegate(new PlayerNameDelegate(StringGrid1));
    for (int row = 0; row < kPlayerCount; ++row) {
        StringGrid1->setItem(row, 0, new QTableWidgetItem());
    }
    StringGrid1->setCurrentCell(0, 0);

    Label19 = label(window, "Label19", QStringLiteral("Classement"), 128, 20);
    RadioButton1 = radio(window, "RadioButton1", 44);
    RadioButton2 = radio(window, "RadioButton2", 68);
    RadioButton3 = radio(window, "RadioButton3", 92);
    RadioButton4 = radio(window, "RadioButton4", 116);
    RadioButton5 = radio(window, "RadioButton5", 140);
    RadioButton1->setChecked(true);
    Label15 = label(window, "Label15", QStringLiteral("ELO"), 164, 44);
    Label16 = label(window, "Label16", QStringLiteral("INJES"), 164, 68);
    Label17 = label(window, "Label17", QStringLiteral("FIDE"), 164, 92);
    Label18 = label(window, "Label18", QStringLiteral("Perf"), 164, 116);
    Label20 = label(window, "Label20", QStringLiteral("FIDE 2024"), 164, 140);
    RadioGroup1 = named(new QGroupBox(QStringLiteral("Classement"), window), "RadioGroup1");
    RadioGroup1->setGeometry(120, 28, 89, 137);
    RadioGroup1->hide();

    Label1 = label(window, "Label1", QStringLiteral("Elo du joueur :"), 238, 72);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    eloactuel = edit(window, "eloactuel", QRect(316, 68, 33, 21), 4);
    CheckBox1 = named(new QCheckBox(window), "CheckBox1");
    CheckBox1->setGeometry(368, 72, 13, 13);
    Label14 = label(window, "Label14", QStringLiteral("Jeune"), 384, 72);
    Label11 = label(window, "Label11", QStringLiteral("Coefficient FIDE"), 252, 120);
    Label11->hide();
    ComboBox1 = named(new QComboBox(window), "ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems({QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("25")});
    ComboBox1->setCurrentText(QStringLiteral("25"));
    ComboBox1->setGeometry(336, 116, 49, 21);
    ComboBox1->hide();

    // The frame first, so that the entry fields lie over it.
    Bevel1 = named(new QFrame(window), "Bevel1");
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(40, 232, 265, 105);
    Label2 = label(window, "Label2", QStringLiteral("Vos parties : "), 40, 216);
    setUnderline(Label2);
    Label2->adjustSize();
    Label3 = label(window, "Label3", QStringLiteral("Elo : "), 66, 256);
    adv = edit(window, "adv", QRect(104, 252, 41, 21), 4);
    Label4 = label(window, "Label4", QStringLiteral("Résultat (+,=,-) : "), 166, 256);
    adv2 = edit(window, "adv2", QRect(260, 252, 25, 21), 1);
    Button1 = button(window, "Button1", QStringLiteral("Valider"), QRect(140, 296, 73, 25));

    Button2 = button(window, "Button2", QStringLiteral("CALCUL"), QRect(384, 196, 121, 41));
    Label5 = named(
        new RightAlignedLabel(QString::fromUtf8(kAverageCaption.data(), kAverageCaption.size()),
                              kCaptionRight, 259, window),
        "Label5");
    moy = label(window, "moy", QString(), 492, 260);
    Label6 =
        named(new RightAlignedLabel(QStringLiteral("Pourcentage :"), kCaptionRight, 296, window),
              "Label6");
    gain = label(window, "gain", QString(), 492, 296);
    Label7 =
        named(new RightAlignedLabel(QStringLiteral("PERFORMANCE : "), kCaptionRight, 328, window),
              "Label7");
    performance = label(window, "performance", QString(), 492, 328);
    Label9 = named(new RightAlignedLabel(QString(), kCaptionRight, 368, window), "Label9");
    QFont newRatingFont = window->font();
    newRatingFont.setBold(true);
    newRatingFont.setPixelSize(13);
    Label9->setFont(newRatingFont);
    Label9->setCaption(QStringLiteral("NOUVEL ELO : "));
    nvelo = label(window, "nvelo", QString(), 491, 368);
    setBold(nvelo);

    Label8 = label(window, "Label8", QStringLiteral("Parties : "), 564, 12);
    setUnderline(Label8);
    Label8->adjustSize();
    Label13 = label(window, "Label13", QStringLiteral("0"), 616, 12);
    setBold(Label13);
    Memo1 = named(new QPlainTextEdit(window), "Memo1");
    Memo1->setGeometry(564, 28, 65, 353);
    Memo1->setReadOnly(true);
    Memo1->setTabChangesFocus(true);
    // One game a line, all 50 of them: a scroll bar would take width from the 65 pixels and
    // wrap every game onto two lines, so the list scrolls by wheel and keys alone.
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBold(Memo1);
    QPalette memoPalette = Memo1->palette();
    memoPalette.setColor(QPalette::Base, memoPalette.color(QPalette::Button));
    Memo1->setPalette(memoPalette);

    Infos = button(window, "Infos", QStringLiteral("Infos"), QRect(12, 384, 73, 25));
    Button5 = button(window, "Button5", QStringLiteral("Tableau"), QRect(104, 384, 69, 25));
    Button3 = button(window, "Button3", QStringLiteral("Quitter"), QRect(12, 416, 75, 25));
    Button6 = button(window, "Button6", QStringLiteral("Options"), QRect(104, 416, 69, 25));
    Button4 = button(window, "Button4", QStringLiteral("Tout Effacer"), QRect(388, 416, 75, 25));
    Button7 =
        button(window, "Button7", QStringLiteral("Effacer partie n°"), QRect(488, 416, 85, 25));
    effa = edit(window, "effa", QRect(572, 416, 25, 21), 2);
}

void TForm1Controls::setFixedTips() {
    // These four show their tooltip whatever the "aide" switch says.
    Bevel1->setToolTip(QStringLiteral("Entrez dans ce cadre vos parties"));
    Label13->setToolTip(QStringLiteral("Nombre de parties jouées"));
    Label14->setToolTip(QStringLiteral("Cochez cette case si vous êtes jeune"));
    Button2->setToolTip(QStringLiteral("Cliquez pour calculer votre nouveau classement"));
}

namespace {

const QString kImportTip = QStringLiteral(
    "Pour importer des parties d'un fichier PGN : glissez-le sur la fenêtre, ou Ctrl+O, ou "
    "le menu du clic droit sur la liste des parties");
const QString kFide2024CoefficientTip = QStringLiteral(
    "K 40 : nouveau joueur (moins de 30 parties) ou jeune jusqu'à 18 ans sous 2300 ; "
    "K 20 : classement sous 2400 ; K 10 : classement de 2400 atteint");

}  // namespace

void TForm1::createHelp() {
    const TForm1Controls& ui = *ui_;
    helpTips_ = {
        {ui.eloactuel, QStringLiteral("Entrez ici votre classement")},
        {ui.CheckBox1, QStringLiteral("Cochez cette case si vous êtes jeune")},
        {ui.adv, QStringLiteral("Elo de votre adversaire")},
        {ui.adv2, QStringLiteral("Résultat de la partie : + , = , - ")},
        {ui.Memo1, QStringLiteral("Liste de vos parties")},
        {ui.RadioGroup1, QStringLiteral("Choisissez le ce que vous souhaitez calculer")},
        {ui.Label8, kImportTip},
        {ui.Label2, kImportTip},
    };
    applyHelp();
}

void TForm1::applyHelp() {
    for (const auto& [widget, text] : helpTips_) {
        widget->setToolTip(settings_.aide ? text : QString());
    }
    // Which K factor of the 2024 rules applies to whom; the older rules' box has no tip.
    const bool fide2024 = session_.mode() == static_cast<std::int32_t>(RatingSystem::Fide2024);
    ui_->ComboBox1->setToolTip(settings_.aide && fide2024 ? kFide2024CoefficientTip : QString());
}

void TForm1Controls::setTabOrder() {
    const QList<QWidget*> order{
        eloactuel,   adv,          adv2,         CheckBox1,    Button1,      Button2,
        Button3,     Button4,      Memo1,        Infos,        Button7,      effa,
        StringGrid1, RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5,
        ComboBox1,   Button5,      Button6};
    for (int k = 1; k < order.size(); ++k) {
        QWidget::setTabOrder(order[k - 1], order[k]);
    }
}

}  // namespace tavolin
