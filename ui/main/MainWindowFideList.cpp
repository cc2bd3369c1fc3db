// SPDX-License-Identifier: GPL-3.0-or-later
// FIDE's rating list in the main window: the opponents offered by name, the player's own
// FIDE ID, and his rating offered from the list.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QUrl>
#include <algorithm>

#include "FideList.h"
#include "FideListDownloadDialog.h"
#include "FideListImportProgress.h"
#include "FideMonthText.h"
#include "FileError.h"
#include "MainWindow.h"
#include "MainWindowControls.h"
#include "MessageBoxes.h"
#include "OpponentSuggestions.h"
#include "RatingHistory.h"
#include "SettingsFile.h"

namespace tavolin {

namespace {

QString noListText() {
    return QCoreApplication::translate(
        "tavolin::MainWindow",
        "Aucune liste FIDE n'est installée : téléchargez-la ou importez-la dans les Options.");
}

// A FIDE ID as typed: digits only, 1 to 4294967295.
std::optional<quint32> fideIdOf(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); })) {
        return std::nullopt;
    }
    bool isNumber = false;
    const qulonglong id = digits.toULongLong(&isNumber);
    if (!isNumber || id == 0 || id > 4294967295ULL) {
        return std::nullopt;
    }
    return static_cast<quint32>(id);
}

QString notInListText(quint32 id, const QString& month) {
    return QCoreApplication::translate("tavolin::MainWindow",
                                       "Le numéro FIDE %1 n'est pas dans la %2.")
        .arg(QString::number(id), fideListOfMonth(month));
}

}  // namespace

void MainWindow::connectFideList() {
    opponentSuggestions_ = new OpponentSuggestions(ui_->opponentEdit, files_.fideList, this);
    opponentSuggestions_->setFailureHandler(
        [this](const QString& text) { runUserAction([this, text] { boxes_.error(this, text); }); });
    ui_->playerGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui_->playerGrid, &QWidget::customContextMenuRequested, this,
            &MainWindow::showPlayerMenu);
}

void MainWindow::showPlayerMenu(const QPoint& at) {
    QMenu menu(this);
    menu.addAction(tr("Numéro FIDE…"), this, [this] { runUserAction([this] { linkFideId(); }); });
    menu.addAction(tr("Mettre à jour depuis la liste FIDE"), this,
                   [this] { runUserAction([this] { updateFromFideList(); }); });
    menu.exec(ui_->playerGrid->viewport()->mapToGlobal(at));
}

FideListPanel::Actions MainWindow::fideListActions() {
    FideListPanel::Actions actions;
    actions.chooseFile = [this] {
        return fideListFileChooser_ ? fideListFileChooser_()
                                    : QFileDialog::getOpenFileName(
                                          this, tr("Importer la liste FIDE"), {},
                                          tr("Liste FIDE (*.zip *.txt);;Tous les fichiers (*)"));
    };
    actions.importFile = [this](const QString& file) {
        return importFideListShowingProgress(this, files_.fideList, file).has_value();
    };
    actions.download = [this] { return downloadFideList(); };
    actions.listChanged = [this] { fideListChanged(); };
    return actions;
}

bool MainWindow::downloadFideList() {
    const std::optional<FideListSummary> inUse = FideListDatabase(files_.fideList).summary();
    const QFileInfo list(files_.fideList);
    QDir().mkpath(list.absolutePath());
    // The zip lies beside the list while it is imported, then goes.
    const QString zip = list.absoluteDir().filePath(QStringLiteral("liste-fide-telechargee.zip"));
    const QString listPath = files_.fideList;
    FideListDownloadDialog dialog(
        QUrl(readFideListAddress(files_.settings, kFideListAddress)),
        inUse ? inUse->lastModified : QString(), zip,
        [listPath](const QString& zipFile, const QString& lastModified,
                   const FideListProgress& progress) {
            importFideList(listPath, zipFile, {}, progress, lastModified);
        },
        boxes_, this);
    const bool imported = dialog.run();
    QFile::remove(zip);
    return imported;
}

void MainWindow::fideListChanged() {
    opponentSuggestions_->listChanged();
}

void MainWindow::linkFideId() {
    const int slot = session_.current();
    if (slot == 0) {
        return;
    }
    RatingHistory history(historyPath());
    const std::optional<quint32> linked = history.fideId(slot);
    const QString name = session_.name(slot).trimmed();
    const QString question = name.isEmpty() ? tr("Numéro FIDE de ce joueur (vide : aucun) :")
                                            : tr("Numéro FIDE de %1 (vide : aucun) :").arg(name);
    const std::optional<QString> answer = actionBoxes_.askText(
        this, tr("Numéro FIDE"), question, linked ? QString::number(*linked) : QString());
    if (!answer) {
        return;
    }
    if (answer->trimmed().isEmpty()) {
        history.setFideId(slot, std::nullopt);
        return;
    }
    const std::optional<quint32> id = fideIdOf(*answer);
    if (!id) {
        actionBoxes_.warning(this, tr("Un numéro FIDE s'écrit en chiffres : « %1 ».").arg(*answer));
        return;
    }
    FideListDatabase list(files_.fideList);
    const std::optional<FideListSummary> summary = list.summary();
    if (!summary) {
        actionBoxes_.warning(this, noListText());
        return;
    }
    const std::optional<FideListPlayer> entry = list.player(*id);
    if (!entry) {
        actionBoxes_.warning(this, notInListText(*id, summary->month));
        return;
    }
    history.setFideId(slot, *id);
    updateFromFideList();
}

std::optional<FideListPlayer> MainWindow::linkedFideEntry(QString& month) {
    const int slot = session_.current();
    if (slot == 0) {
        return std::nullopt;
    }
    const std::optional<quint32> id = RatingHistory(historyPath()).fideId(slot);
    if (!id) {
        actionBoxes_.warning(
            this,
            tr("Ce joueur n'a pas de numéro FIDE : donnez-le par « Numéro FIDE… » dans le menu de "
               "la liste des joueurs."));
        return std::nullopt;
    }
    FideListDatabase list(files_.fideList);
    const std::optional<FideListSummary> summary = list.summary();
    if (!summary) {
        actionBoxes_.warning(this, noListText());
        return std::nullopt;
    }
    month = summary->month;
    std::optional<FideListPlayer> entry = list.player(*id);
    if (!entry) {
        actionBoxes_.warning(this, notInListText(*id, month));
    }
    return entry;
}

void MainWindow::updateFromFideList() {
    QString month;
    const std::optional<FideListPlayer> entry = linkedFideEntry(month);
    if (!entry) {
        return;
    }
    const QString listName = fideListOfMonth(month);
    const QString id = QString::number(entry->id);
    if (entry->standardRating <= 0) {
        actionBoxes_.warning(this, tr("%1 (FIDE %2) n'a pas de classement standard dans la %3.")
                                       .arg(entry->name, id, listName));
        return;
    }
    const bool knownK = entry->standardK == 10 || entry->standardK == 20 || entry->standardK == 40;
    const QString rating = QString::number(entry->standardRating);
    const QString offer =
        knownK ? tr("Selon la %1, %2 (FIDE %3) a un Elo de %4 et un coefficient K de %5 (règles "
                    "FIDE 2024).\nLes reprendre pour ce joueur ?")
                     .arg(listName, entry->name, id, rating, QString::number(entry->standardK))
               : tr("Selon la %1, %2 (FIDE %3) a un Elo de %4.\nLes reprendre pour ce joueur ?")
                     .arg(listName, entry->name, id, rating);
    if (!actionBoxes_.question(this, offer)) {
        return;
    }
    ui_->ratingEdit->setText(QString::number(entry->standardRating));
    if (knownK) {
        if (checkedSystem() == RatingSystem::Fide2024) {
            setFide2024Coefficient(entry->standardK);
        } else {
            session_.setFide2024Coefficient(entry->standardK);
        }
    }
    const QString titleEnd = tr(" — Elo de la %1").arg(listName);
    ratingsFromFideList_[session_.current()] = {ui_->ratingEdit->text(), titleEnd};
    setWindowTitle(kVersionCaption + titleEnd);
    savePlayer();
}

}  // namespace tavolin
