// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "AboutBox.h"
#include "CalculationDetailWindow.h"
#include "ClickableLabel.h"
#include "DialogStart.h"
#include "ErrorBoundary.h"
#include "FileError.h"
#include "FileFailure.h"
#include "MainWindowCanvas.h"
#include "MainWindowControls.h"
#include "MessageBoxes.h"
#include "OpponentSuggestions.h"
#include "OptionsDialog.h"
#include "PercentageTableWindow.h"
#include "PictureCaptions.h"
#include "PlayerNames.h"
#include "ProgramIcon.h"
#include "UserMessages.h"
#include "Utf8.h"
#include "Version.h"

namespace tavolin {

namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
const QString kCaptionAtStart = QStringLiteral("Tavolin ");
// The background picture is drawn four times, each copy over a quarter of the window.
constexpr int kPictureWidth = kWindowWidth / 2;
constexpr int kPictureHeight = kWindowHeight / 2;
// The frame round the five rating systems ends under "FIDE 2024", and at least this far
// right of that caption.
constexpr int kFrameLeft = 129;
constexpr int kFrameTop = 37;
constexpr int kFrameBottom = 162;
constexpr int kFrameRight = 205;
constexpr int kFrameCaptionMargin = 6;
constexpr int kSaveDelayMilliseconds = 1000;

}  // namespace

const QString kVersionCaption = QStringLiteral("Tavolin v") + fromUtf8(kVersion);

namespace {

// The picture is a BMP file and is read as one: guessing its format would load every image
// plugin Qt has before the window shows. A picture of another kind put there is still read.
QImage readPicture(const QString& path) {
    QImageReader asBmp(path, "bmp");
    asBmp.setAutoDetectImageFormat(false);
    if (QImage image = asBmp.read(); !image.isNull()) {
        return image;
    }
    return QImageReader(path).read();
}

}  // namespace

MainWindow::MainWindow(MessageBoxes& boxes, MainWindowFiles files, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<MainWindowControls>()),
      boxes_(boxes),
      files_(std::move(files)),
      session_(files_.players) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(kCaptionAtStart);
    // The surface in the window before its controls are made: the rating's focus is the
    // window's.
    canvas_ = new MainWindowCanvas(QSize(kWindowWidth, kWindowHeight),
                                   [this](QPaintEvent* event) { paintCanvas(event); });
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("mainWindowScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);  // the tab order is the controls'
    scroll->setWidget(canvas_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    ui_->setupUi(canvas_);
    createHelp();
    showResultsCurrent(true);  // no figures yet: nothing to detail or close
    connectFieldsToSession();
    connectHandlers();
    connectImport();
    connectFideList();
    runHandler(boxes_, this, [this] { prepareWindow(); });
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::prepareWindow() {
    loadSettings();
    // The whole surface when the screen has room for it; otherwise what it has, scrolled.
    const QSize whole(kWindowWidth, kWindowHeight);
    const QScreen* shownOn = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    setFixedSize(shownOn != nullptr ? sizeOnScreen(whole, shownOn->availableGeometry().size())
                                    : whole);
    colourCaptionsOverBackground();
    if (!QFile::exists(files_.picture)) {
        return;  // no picture, and nothing to say
    }
    const QImage image = readPicture(files_.picture);
    if (image.isNull()) {
        throw FileError(fromUtf8(messages::kPictureUnreadable).arg(fullPath(files_.picture)));
    }
    picture_ = QPixmap::fromImage(image);
    pictureBackground_ = pictureBackground(image);
    colourCaptionsOverBackground();
}

void MainWindow::colourCaptionsOverBackground() {
    const QColor window = palette().color(QPalette::Window);
    colourCaptions(*canvas_, *ui_->titleLabel,
                   pictureBackground_ ? *pictureBackground_ : CaptionBackground{window, window});
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A theme changed while the program runs: the captions follow it.
    if (event->type() == QEvent::PaletteChange) {
        colourCaptionsOverBackground();
    }
}

void MainWindow::loadSettings() {
    setSettings(readSettings(files_.settings));
}

void MainWindow::setSettings(const Settings& settings) {
    settings_ = settings;
    applyHelp();
}

void MainWindow::connectHandler(QPushButton* button, void (MainWindow::*handler)(),
                                const QKeySequence& shortcut) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { runUserAction([this, handler] { (this->*handler)(); }); });
    if (!shortcut.isEmpty()) {
        connect(new QShortcut(shortcut, this), &QShortcut::activated, this,
                [this, handler] { runUserAction([this, handler] { (this->*handler)(); }); });
    }
}

void MainWindow::runUserAction(const std::function<void()>& action) {
    actionBoxes_.enter();
    runHandler(actionBoxes_, this, action);
    actionBoxes_.leave();
}

void MainWindow::connectHandlers() {
    const MainWindowControls& ui = *ui_;
    connectHandler(ui.addGameButton, &MainWindow::addGame);
    // Enter validates the game typed: in the result field, and in the rating's once the
    // result is there.
    connect(ui.resultEdit, &QLineEdit::returnPressed, this,
            [this] { runUserAction([this] { addGame(); }); });
    connect(ui.opponentEdit, &QLineEdit::returnPressed, this, [this] {
        // Enter in FIDE's list offered under the field chooses a player, and only that.
        if (!ui_->resultEdit->text().isEmpty() && !opponentSuggestions_->offering()) {
            runUserAction([this] { addGame(); });
        }
    });
    connectHandler(ui.calculateButton, &MainWindow::calculate, Qt::Key_F9);
    connectHandler(ui.quitButton, &MainWindow::quit);
    connectHandler(ui.clearGamesButton, &MainWindow::clearGames);
    connectHandler(ui.tableButton, &MainWindow::openTable);
    connectHandler(ui.optionsButton, &MainWindow::openOptions);
    connectHandler(ui.detailButton, &MainWindow::showDetail, Qt::CTRL | Qt::Key_D);
    connectHistory();
    connectHandler(ui.deleteGameButton, &MainWindow::deleteGame);
    connectHandler(ui.aboutButton, &MainWindow::showAbout);
    connect(ui.titleLabel, &ClickableLabel::clicked, this,
            [this] { runUserAction([this] { showAbout(); }); });
    for (const auto& controls : ui.systemControls()) {
        connect(controls.button, &QRadioButton::clicked, this, [this, system = controls.system] {
            runUserAction([this, system] { chooseSystem(system); });
        });
    }
    connect(ui.playerGrid, &QTableWidget::currentCellChanged, this,
            [this] { runUserAction([this] { switchPlayer(); }); });
    // A click in the opponent's field saves the player; the focus given by "Valider" does not.
    ui.opponentEdit->installEventFilter(this);
}

// What the user changes goes straight into the session, which therefore always saves what
// the screen shows; what the session loads comes back to the screen.
void MainWindow::connectFieldsToSession() {
    const MainWindowControls& ui = *ui_;
    connect(ui.ratingEdit, &QLineEdit::textChanged, &session_, &PlayerSession::setRatingText);
    connect(ui.youngBox, &QCheckBox::toggled, &session_, &PlayerSession::setYoung);
    connect(ui.coefficientBox, &QComboBox::currentTextChanged, &session_,
            &PlayerSession::setCoefficientText);
    connect(ui.playerGrid, &QTableWidget::itemChanged, this, [this](const QTableWidgetItem* item) {
        session_.setName(item->row() + 1, item->text());
    });
    connect(&session_, &PlayerSession::loaded, this, &MainWindow::showLoadedPlayer);
    connect(&session_, &PlayerSession::gamesChanged, this, &MainWindow::showList);
    connect(&session_, &PlayerSession::gameCountChanged, this, &MainWindow::showGameCount);

    // Whatever is typed reaches the file a second after the last keystroke, so that a
    // program killed meanwhile loses nothing; the figures shown no longer match it.
    saveTimer_ = new QTimer(this);
    saveTimer_->setSingleShot(true);
    saveTimer_->setInterval(kSaveDelayMilliseconds);
    connect(saveTimer_, &QTimer::timeout, this,
            [this] { runUserAction([this] { savePlayer(); }); });
    connect(ui.ratingEdit, &QLineEdit::textChanged, this, &MainWindow::playerChanged);
    connect(ui.youngBox, &QCheckBox::toggled, this, &MainWindow::playerChanged);
    connect(ui.coefficientBox, &QComboBox::currentTextChanged, this, &MainWindow::playerChanged);
    connect(ui.playerGrid, &QTableWidget::itemChanged, this, &MainWindow::playerChanged);
    connect(&session_, &PlayerSession::gamesChanged, this, &MainWindow::playerChanged);
}

void MainWindow::playerChanged() {
    showResultsCurrent(false);
    saveTimer_->start();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->opponentEdit && event->type() == QEvent::MouseButtonPress) {
        runUserAction([this] { savePlayer(); });
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowDeactivate:
            // Leaving the window saves the player, so that the load on coming back brings
            // back exactly what was on screen; one of our own boxes or windows (the detail,
            // the history, the table, …) is no leaving: nothing is reloaded after it.
            if (boxes_.isOpen()) {
                session_.focusLeftForOwnBox();
            } else {
                runUserAction([this] { savePlayer(); });
                if (QApplication::activeModalWidget() != nullptr) {
                    session_.focusLeftForOwnBox();
                }
            }
            break;
        case QEvent::WindowActivate:
            if (session_.reloadsOnReturn()) {
                runUserAction([this] { loadPlayer(); });
            }
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!savedOrLeftUnsaved()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

// A player that cannot be saved (a full disk, a file taken away) would keep the window open
// for ever: the user may leave him unsaved, the file as it was.
bool MainWindow::savedOrLeftUnsaved() {
    QString reason;
    try {
        savePlayer();
        return true;
    } catch (const FileError& error) {
        reason = error.reason();
    } catch (const std::exception& error) {
        reason = QString::fromUtf8(error.what());
    }
    const int slot = session_.current();
    return boxes_.question(this, fromUtf8(messages::kQuitWithoutSavingQuestion)
                                     .arg(playerCalled(slot, session_.name(slot)), reason));
}

void MainWindow::paintCanvas(QPaintEvent* event) {
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, [] { giveWindowsTheProgramIcon(); });
    }
    if (ui_->titleLabel->text() != kVersionCaption) {
        ui_->titleLabel->setText(kVersionCaption);
        ui_->titleLabel->adjustSize();
    }
    QPainter painter(canvas_);
    if (!picture_.isNull()) {
        for (const QPoint tile : {QPoint(0, 0), QPoint(0, kPictureHeight), QPoint(kPictureWidth, 0),
                                  QPoint(kPictureWidth, kPictureHeight)}) {
            painter.drawPixmap(tile, picture_);
        }
    }
    // The engraved frame round the rating systems: grey top and left, white right and bottom;
    // wide enough for the longest caption, "FIDE 2024".
    const int right =
        std::max(kFrameRight, ui_->fide2024Caption->geometry().right() + kFrameCaptionMargin);
    const QColor grey(128, 128, 128);
    painter.setPen(QPen(grey, 1));
    painter.drawLine(kFrameLeft, kFrameTop, right, kFrameTop);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(right, kFrameTop, right, kFrameBottom);
    painter.drawLine(right, kFrameBottom, kFrameLeft, kFrameBottom);
    painter.setPen(QPen(grey, 1));
    painter.drawLine(kFrameLeft, kFrameBottom, kFrameLeft, kFrameTop);

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

// Each opens a fresh modal window. The player is saved first; none of them depends on that
// save, so they open even when it fails (after the error box).
void MainWindow::saveBeforeOpening() {
    runHandler(actionBoxes_, this, [this] { savePlayer(); });
}

// Coming back from one of the program's own windows is no return from another program:
// nothing is reloaded, the figures stay, whenever the window manager gives the focus back.
int MainWindow::execOwnWindow(QDialog& window) {
    session_.focusLeftForOwnBox();
    const int result = window.exec();
    session_.focusLeftForOwnBox();
    return result;
}

void MainWindow::openTable() {
    saveBeforeOpening();
    PercentageTableWindow window(this);
    execOwnWindow(window);
}

void MainWindow::showAbout() {
    saveBeforeOpening();
    AboutBox box(this);
    execOwnWindow(box);
}

void MainWindow::showDetail() {
    if (!lastCalculation_) {
        warn(messages::kNoCalculationToDetail);
        return;
    }
    CalculationDetailWindow window(*lastCalculation_, QLocale().decimalPoint(), this);
    execOwnWindow(window);
}

void MainWindow::openOptions() {
    saveBeforeOpening();
    const auto reload = [this] { loadSettings(); };
    OptionsDialog window(files_.settings, files_.picture, boxes_, reload, this);
    window.showFideList(files_.fideList, fideListActions());
    execOwnWindow(window);
}

}  // namespace tavolin
