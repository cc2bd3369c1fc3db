// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListPanel.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "ErrorBoundary.h"
#include "FideList.h"
#include "FideMonthText.h"
#include "FileError.h"
#include "MessageBoxes.h"

namespace tavolin {

FideListPanel::FideListPanel(QString listPath, MessageBoxes& boxes, Actions actions,
                             QWidget* parent)
    : QGroupBox(tr("Liste FIDE"), parent),
      listPath_(std::move(listPath)),
      boxes_(boxes),
      actions_(std::move(actions)),
      descriptionLabel_(new QLabel(this)),
      downloadButton_(new QPushButton(tr("Télécharger"), this)),
      importButton_(new QPushButton(tr("Importer un fichier…"), this)),
      removeButton_(new QPushButton(tr("Supprimer"), this)) {
    setObjectName(QStringLiteral("fideListPanel"));
    descriptionLabel_->setObjectName(QStringLiteral("fideListDescription"));
    descriptionLabel_->setWordWrap(true);
    descriptionLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    downloadButton_->setObjectName(QStringLiteral("fideListDownloadButton"));
    importButton_->setObjectName(QStringLiteral("fideListImportButton"));
    removeButton_->setObjectName(QStringLiteral("fideListRemoveButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(downloadButton_);
    buttons->addWidget(importButton_);
    buttons->addWidget(removeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(descriptionLabel_);
    layout->addLayout(buttons);
    connect(downloadButton_, &QPushButton::clicked, this,
            [this] { runHandler(boxes_, this, [this] { download(); }); });
    connect(importButton_, &QPushButton::clicked, this,
            [this] { runHandler(boxes_, this, [this] { importFile(); }); });
    connect(removeButton_, &QPushButton::clicked, this,
            [this] { runHandler(boxes_, this, [this] { remove(); }); });
    downloadButton_->setEnabled(static_cast<bool>(actions_.download));
    runHandler(boxes_, this, [this] { refresh(); });
}

QString FideListPanel::description() const {
    return descriptionLabel_->text();
}

void FideListPanel::refresh() {
    descriptionLabel_->setText(tr("Aucune liste FIDE n'est installée."));
    removeButton_->setEnabled(false);
    const std::optional<FideListSummary> summary = FideListDatabase(listPath_).summary();
    if (!summary) {
        return;
    }
    // The list's name starts the line, its first letter a capital.
    QString listName = fideListOfMonth(summary->month);
    listName[0] = listName[0].toUpper();
    descriptionLabel_->setText(tr("%1 : %2 joueurs\n%3")
                                   .arg(listName, QLocale().toString(summary->playerCount),
                                        QDir::toNativeSeparators(summary->path)));
    removeButton_->setEnabled(true);
}

void FideListPanel::changed() {
    refresh();
    if (actions_.listChanged) {
        actions_.listChanged();
    }
}

void FideListPanel::download() {
    if (actions_.download && actions_.download()) {
        changed();
    }
}

void FideListPanel::importFile() {
    const QString file = actions_.chooseFile ? actions_.chooseFile() : QString();
    if (file.isEmpty()) {
        return;
    }
    if (actions_.importFile && actions_.importFile(file)) {
        changed();
    }
}

void FideListPanel::remove() {
    if (!boxes_.question(this, tr("Supprimer la liste FIDE de cet ordinateur ?"))) {
        return;
    }
    FideListDatabase(listPath_).remove();
    changed();
}

}  // namespace tavolin
