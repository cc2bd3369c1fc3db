// SPDX-License-Identifier: GPL-3.0-or-later
// Games imported from PGN files and tournament reports: dropped on the window, opened with
// Ctrl+O or from the game list's context menu, or handed over by the desktop.
#include <QApplication>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <optional>

#include "MainWindow.h"
#include "MainWindowControls.h"
#include "PgnImportDialog.h"
#include "TrfFile.h"
#include "TrfImportDialog.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

QString importCaption() {
    return QCoreApplication::translate("tavolin::MainWindow", "Importer des parties (PGN, TRF)…");
}

constexpr int kWaitingFileCheckMilliseconds = 200;

// The first file among what is dragged that may hold games: a PGN file, a tournament
// report, or a text file, which its first bytes tell apart once dropped.
QString pgnFileOf(const QMimeData* data) {
    if (data == nullptr) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        for (const QLatin1String extension :
             {QLatin1String(".pgn"), QLatin1String(".trf"), QLatin1String(".txt")}) {
            if (url.isLocalFile() && path.endsWith(extension, Qt::CaseInsensitive)) {
                return path;
            }
        }
    }
    return {};
}

}  // namespace

void MainWindow::connectImport() {
    setAcceptDrops(true);
    auto* open = new QShortcut(QKeySequence::Open, this);
    connect(open, &QShortcut::activated, this,
            [this] { runUserAction([this] { chooseAndImportPgn(); }); });
    QPlainTextEdit* list = ui_->gameList;
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
        std::unique_ptr<QMenu> menu(list->createStandardContextMenu(at));
        menu->addSeparator();
        QAction* import = menu->addAction(importCaption());
        import->setShortcut(QKeySequence::Open);
        if (menu->exec(list->viewport()->mapToGlobal(at)) == import) {
            runUserAction([this] { chooseAndImportPgn(); });
        }
    });
    pgnFileTimer_ = new QTimer(this);
    pgnFileTimer_->setSingleShot(true);
    pgnFileTimer_->setInterval(kWaitingFileCheckMilliseconds);
    connect(pgnFileTimer_, &QTimer::timeout, this, &MainWindow::importNextPgnFile);
    pgnFileChooser_ = [this] {
        return QFileDialog::getOpenFileName(
            this, importCaption(), QString(),
            tr("Parties PGN ou TRF (*.pgn *.PGN *.trf *.TRF *.txt *.TXT);;Tous les fichiers (*)"));
    };
}

void MainWindow::chooseAndImportPgn() {
    const QString path = pgnFileChooser_();
    if (!path.isEmpty()) {
        waitingPgnFiles_.append(path);
        importNextPgnFile();  // at once, unless files handed over earlier are waiting
    }
}

void MainWindow::queuePgnFile(const QString& path) {
    waitingPgnFiles_.append(path);
    pgnFileTimer_->start(0);
}

// A file imported inside an open box's or window's loop would change the games under it
// (a question about them, a closing): it waits until the program's own windows are closed.
void MainWindow::importNextPgnFile() {
    if (waitingPgnFiles_.isEmpty() || importingPgn_) {
        return;
    }
    if (QApplication::activeModalWidget() != nullptr || boxes_.isOpen()) {
        pgnFileTimer_->start(kWaitingFileCheckMilliseconds);
        return;
    }
    importingPgn_ = true;
    const QString path = waitingPgnFiles_.takeFirst();
    runUserAction([this, &path] {
        // The file may come before the window's first activation: the player is loaded
        // first, so that the games go to him and his name is known.
        if (session_.current() == 0) {
            loadPlayer();
        }
        // A report is known by its first bytes, whatever its name.
        if (isTrfFile(path)) {
            importTrf(path);
        } else {
            importPgn(path);
        }
    });
    importingPgn_ = false;
    if (!waitingPgnFiles_.isEmpty()) {
        pgnFileTimer_->start(0);
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!pgnFileOf(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = pgnFileOf(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop has ended, so that the file manager is not kept waiting while
    // the dialog is open.
    queuePgnFile(path);
}

void MainWindow::openPgnFile(const QString& path) {
    show();
    // The program's own open box stays in front of the window it belongs to.
    QWidget* front = QApplication::activeModalWidget();
    if (front == nullptr) {
        front = this;
    }
    front->raise();
    front->activateWindow();
    queuePgnFile(path);
}

// The ticked games go after those listed, as "Valider" would put them; nothing is
// calculated and nothing saved beyond the usual moments.
void MainWindow::importPgn(const QString& path) {
    const int row = std::max(ui_->playerGrid->currentRow(), 0);
    PgnImportDialog dialog(path, ui_->playerGrid->item(row, 0)->text(), boxes_, this);
    if (execOwnWindow(dialog) != QDialog::Accepted) {
        return;
    }
    for (const PgnImportedGame& game : dialog.tickedGames()) {
        if (!session_.addImportedGame(game)) {
            warn(messages::kTooManyGames);
            break;
        }
    }
    ui_->gameList->verticalScrollBar()->setValue(ui_->gameList->verticalScrollBar()->maximum());
    showGameCount();
    savePlayer();
}

// As a PGN import, and the player's rating in the report goes into the rating field when
// that is empty: his first period starts from it.
void MainWindow::importTrf(const QString& path) {
    const int row = std::max(ui_->playerGrid->currentRow(), 0);
    TrfImportDialog dialog(path, ui_->playerGrid->item(row, 0)->text(), ui_->ratingEdit->text(),
                           boxes_, this);
    if (execOwnWindow(dialog) != QDialog::Accepted) {
        return;
    }
    if (const std::optional<int> rating = dialog.ratingToFill()) {
        ui_->ratingEdit->setText(QString::number(*rating));
    }
    for (const PgnImportedGame& game : dialog.tickedGames()) {
        if (!session_.addImportedGame(game)) {
            warn(messages::kTooManyGames);
            break;
        }
    }
    ui_->gameList->verticalScrollBar()->setValue(ui_->gameList->verticalScrollBar()->maximum());
    showGameCount();
    savePlayer();
}

}  // namespace tavolin
