#include "TForm1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>

#include "ClickableLabel.h"
#include "ErrorBoundary.h"
#include "FileError.h"
#include "FileFailure.h"
#include "MessageBoxes.h"
#include "Messages.h"
#include "ProgramIcon.h"
#include "TAboutBox.h"
#include "TForm1Controls.h"
#include "TForm2.h"
#include "TOptions.h"
#include "Utf8.h"
#include "Version.h"

namespace tavolin {

namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
const QString kCaptionAtStart = QStringLiteral("Tavolin ");
// The frame round the five rating systems ends under "FIDE 2024".
constexpr int kFrameBottom = 162;

}  // namespace

const QString kVersionCaption = QStringLiteral("Tavolin v") + fromUtf8(kVersion);

TForm1::TForm1(MessageBoxes& boxes, MainWindowFiles files, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<TForm1Controls>()),
      boxes_(boxes),
      files_(std::move(files)),
      session_(files_.players) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaptionAtStart);
    setWindowIcon(programIcon());
    ui_->setupUi(this);
    createHelp();
    connectFieldsToSession();
    connectHandlers();
    connectImport();
    runHandler(boxes_, this, [this] { dessin(); });
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TForm1::~TForm1() = default;

void TForm1::dessin() {
    lireoptions();
    setFixedSize(kWindowWidth, kWindowHeight);
    if (!QFile::exists(files_.picture)) {
        return;  // no picture, and nothing to say
    }
    QImageReader reader(files_.picture);
    const QImage image = reader.read();
    if (image.isNull()) {
        throw FileError(fromUtf8(messages::kPictureUnreadable).arg(fullPath(files_.picture)));
    }
    picture_ = QPixmap::fromImage(image);
}

void TForm1::lireoptions() {
    setSettings(readSettings(files_.settings));
}

void TForm1::setSettings(const Settings& settings) {
    settings_ = settings;
    applyHelp();
}

void TForm1::connectHandler(QPushButton* button, void (TForm1::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] { run(handler); });
}

void TForm1::run(void (TForm1::*handler)()) {
    actionBoxes_.enter();
    runHandler(actionBoxes_, this, [this, handler] { (this->*handler)(); });
    actionBoxes_.leave();
}

void TForm1::connectHandlers() {
    const TForm1Controls& ui = *ui_;
    connectHandler(ui.Button1, &TForm1::valide);
    connectHandler(ui.Button2, &TForm1::Button2Click);
    connectHandler(ui.Button3, &TForm1::Button3Click);
    connectHandler(ui.Button4, &TForm1::Button4Click);
    connectHandler(ui.Button5, &TForm1::Tableau1Click);
    connectHandler(ui.Button6, &TForm1::options);
    connectHandler(ui.Button7, &TForm1::Button7Click);
    connectHandler(ui.Infos, &TForm1::InfosClick);
    connect(ui.Label10, &ClickableLabel::clicked, this, [this] { run(&TForm1::InfosClick); });
    connect(ui.RadioButton1, &QRadioButton::clicked, this,
            [this] { run(&TForm1::RadioButton1Click); });
    connect(ui.RadioButton2, &QRadioButton::clicked, this,
            [this] { run(&TForm1::RadioButton2Click); });
    connect(ui.RadioButton3, &QRadioButton::clicked, this,
            [this] { run(&TForm1::RadioButton3Click); });
    connect(ui.RadioButton4, &QRadioButton::clicked, this,
            [this] { run(&TForm1::RadioButton4Click); });
    connect(ui.RadioButton5, &QRadioButton::clicked, this,
            [this] { run(&TForm1::RadioButton5Click); });
    connect(ui.StringGrid1, &QTableWidget::currentCellChanged, this,
            [this] { run(&TForm1::gridclick); });
    // A click in the opponent's field saves the player; the focus given by "Valider" does not.
    ui.adv->installEventFilter(this);
}

// What the user changes goes straight into the session, which therefore always saves what
// the screen shows; what the session loads comes back to the screen.
void TForm1::connectFieldsToSession() {
    const TForm1Controls& ui = *ui_;
    connect(ui.eloactuel, &QLineEdit::textChanged, &session_, &PlayerSession::setRatingText);
    connect(ui.CheckBox1, &QCheckBox::toggled, &session_, &PlayerSession::setYoung);
    connect(ui.ComboBox1, &QComboBox::currentTextChanged, &session_,
            &PlayerSession::setCoefficientText);
    connect(ui.StringGrid1, &QTableWidget::itemChanged, this, [this](const QTableWidgetItem* item) {
        session_.setName(item->row() + 1, item->text());
    });
    connect(&session_, &PlayerSession::loaded, this, &TForm1::showLoadedPlayer);
    connect(&session_, &PlayerSession::gamesChanged, this, &TForm1::showList);
    connect(&session_, &PlayerSession::gameCountChanged, this, &TForm1::showGameCount);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->adv && event->type() == QEvent::MouseButtonPress) {
        run(&TForm1::Button5Click);
    }
    return QWidget::eventFilter(watched, event);
}

bool TForm1::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowDeactivate:
            // Leaving the window saves the player, so that the load on coming back brings
            // back exactly what was on screen; one of our own boxes is no leaving.
            if (boxes_.isOpen()) {
                session_.leftForOwnBox();
            } else {
                run(&TForm1::Button5Click);
            }
            break;
        case QEvent::WindowActivate:
            if (session_.reloadsOnReturn()) {
                run(&TForm1::Button6Click);
            }
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    run(&TForm1::Button5Click);
    if (session_.staysOpenOnClosing()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TForm1::paintEvent(QPaintEvent* event) {
    if (ui_->Label10->text() != kVersionCaption) {
        ui_->Label10->setText(kVersionCaption);
        ui_->Label10->adjustSize();
    }
    QPainter painter(this);
    if (!picture_.isNull()) {
        for (const QPoint tile : {QPoint(0, 0), QPoint(0, 240), QPoint(320, 0), QPoint(320, 240)}) {
            painter.drawPixmap(tile, picture_);
        }
    }
    // The engraved frame round the rating systems: grey top and left, white right and bottom.
    const QColor grey(128, 128, 128);
    painter.setPen(QPen(grey, 1));
    painter.drawLine(129, 37, 205, 37);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(205, 37, 205, kFrameBottom);
    painter.drawLine(205, kFrameBottom, 129, kFrameBottom);
    painter.setPen(QPen(grey, 1));
    painter.drawLine(129, kFrameBottom, 129, 37);

    // The progress text stays until its place is painted again for another reason.
    if (!paintingProgress_ && event->region().intersects(progressArea())) {
        progressText_.clear();
    }
    if (!progressText_.isEmpty()) {
        const QRect area = progressArea();
        painter.fillRect(area, palette().window());
        painter.setPen(palette().windowText().color());
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, progressText_);
    }
}

// --- Other windows -----------------------------------------------------------------------

// Each opens a fresh modal window. The player is saved first, as coming back to the main
// window reloads it; none of them depends on that save, so they open even when it fails
// (after the error box), and the failure keeps the screen from being reloaded.
void TForm1::saveBeforeOpening() {
    runHandler(actionBoxes_, this, [this] { Button5Click(); });
}

void TForm1::Tableau1Click() {
    saveBeforeOpening();
    TForm2 window(this);
    window.exec();
}

void TForm1::InfosClick() {
    saveBeforeOpening();
    TAboutBox box(this);
    box.exec();
}

void TForm1::options() {
    saveBeforeOpening();
    const auto reload = [this] { lireoptions(); };
    TOptions window(files_.settings, files_.picture, boxes_, reload, this);
    window.exec();
}

}  // namespace tavolin
