#include "TForm1.h"

#include <QCloseEvent>
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
#include "MessageBoxes.h"
#include "ProgramIcon.h"
#include "TAboutBox.h"
#include "TForm2.h"
#include "TOptions.h"

namespace tavolin {

namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
const QString kCaptionAtStart = QStringLiteral("Tavolin ");

}  // namespace

TForm1::TForm1(MessageBoxes& boxes, MainWindowFiles files, QWidget* parent)
    : QWidget(parent), boxes_(boxes), files_(std::move(files)), playerFile_(files_.players) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaptionAtStart);
    setWindowIcon(programIcon());
    createControls();
    createHelp();
    setTabOrder();
    connectHandlers();
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
        throw FileError(QStringLiteral("%1 : %2").arg(files_.picture, reader.errorString()));
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
    if (handlerDepth_ == 0) {
        messagesThisAction_.clear();  // a new user action
    }
    ++handlerDepth_;
    runHandler(boxes_, this, [this, handler] { (this->*handler)(); });
    --handlerDepth_;
}

void TForm1::connectHandlers() {
    connectHandler(Button1, &TForm1::valide);
    connectHandler(Button2, &TForm1::Button2Click);
    connectHandler(Button3, &TForm1::Button3Click);
    connectHandler(Button4, &TForm1::Button4Click);
    connectHandler(Button5, &TForm1::Tableau1Click);
    connectHandler(Button6, &TForm1::options);
    connectHandler(Button7, &TForm1::Button7Click);
    connectHandler(Infos, &TForm1::InfosClick);
    connect(Label10, &ClickableLabel::clicked, this, [this] { run(&TForm1::InfosClick); });
    connect(RadioButton1, &QRadioButton::clicked, this,
            [this] { run(&TForm1::RadioButton1Click); });
    connect(RadioButton2, &QRadioButton::clicked, this,
            [this] { run(&TForm1::RadioButton2Click); });
    connect(RadioButton3, &QRadioButton::clicked, this,
            [this] { run(&TForm1::RadioButton3Click); });
    connect(RadioButton4, &QRadioButton::clicked, this,
            [this] { run(&TForm1::RadioButton4Click); });
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this] { run(&TForm1::gridclick); });
    // A click in the opponent's field saves the player; the focus given by "Valider" does not.
    adv->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == adv && event->type() == QEvent::MouseButtonPress) {
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
                deactivatedByOwnBox_ = true;
            } else {
                run(&TForm1::Button5Click);
            }
            break;
        case QEvent::WindowActivate:
            if (deactivatedByOwnBox_) {
                deactivatedByOwnBox_ = false;
            } else if (!lastSaveFailed_) {
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
    // A player that could not be saved would be lost with the window: it stays open once,
    // the error box having said why; closing again leaves all the same.
    if (lastSaveFailed_ && !closeRefusedForSave_) {
        closeRefusedForSave_ = true;
        event->ignore();
        return;
    }
    closeRefusedForSave_ = false;
    QWidget::closeEvent(event);
}

void TForm1::paintEvent(QPaintEvent* event) {
    if (Label10->text() != kVersionCaption) {
        Label10->setText(kVersionCaption);
        Label10->adjustSize();
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
    painter.drawLine(205, 37, 205, 138);
    painter.drawLine(205, 138, 129, 138);
    painter.setPen(QPen(grey, 1));
    painter.drawLine(129, 138, 129, 37);

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

// Each opens a fresh modal window. The player is saved first: coming back to the main
// window reloads it.

void TForm1::Tableau1Click() {
    Button5Click();
    TForm2 window(this);
    window.exec();
}

void TForm1::InfosClick() {
    Button5Click();
    TAboutBox box(this);
    box.exec();
}

void TForm1::options() {
    Button5Click();
    const auto reload = [this] { lireoptions(); };
    TOptions window(files_.settings, files_.picture, boxes_, reload, this);
    window.exec();
}

}  // namespace tavolin
