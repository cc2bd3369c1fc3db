// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListDownloadDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>

#include "DialogStart.h"
#include "DownloadProgressText.h"
#include "ErrorBoundary.h"
#include "FideListDownloadDialogControls.h"
#include "MessageBoxes.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

constexpr int kProgressSteps = 1000;

// Per mille of a whole, for a bar whose whole may pass 2^31 bytes.
int permille(qint64 amount, qint64 whole) {
    if (whole <= 0) {
        return 0;
    }
    return static_cast<int>(std::clamp<qint64>(amount * kProgressSteps / whole, 0, kProgressSteps));
}

}  // namespace

// What the import's thread and the window share: the thread writes, the window reads.
struct FideListDownloadDialog::ImportRun {
    std::atomic<qint64> bytesRead = 0;
    std::atomic<qint64> totalBytes = 0;
    std::atomic<bool> stopRequested = false;
    QString failure;  // read once the thread has ended
};

void FideListDownloadDialogControls::setupUi(QWidget* dialog) {
    auto* layout = new QVBoxLayout(dialog);
    statusLabel = new QLabel(
        QCoreApplication::translate("tavolin::FideListDownloadDialog", "Connexion au serveur…"),
        dialog);
    layout->addWidget(statusLabel);
    progressBar = new QProgressBar(dialog);
    progressBar->setRange(0, 0);  // busy until the size is known
    progressBar->setTextVisible(false);
    layout->addWidget(progressBar);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    stopButton = new QPushButton(
        QCoreApplication::translate("tavolin::FideListDownloadDialog", "&Arrêter"), dialog);
    stopButton->setDefault(true);
    buttons->addWidget(stopButton);
    layout->addLayout(buttons);
    nameControls(*this);
}

FideListDownloadDialog::FideListDownloadDialog(QUrl address, QString lastModified,
                                               QString targetFile, Importer importer,
                                               MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<FideListDownloadDialogControls>()),
      boxes_(boxes),
      importer_(std::move(importer)),
      download_(new FideListDownload(std::move(address), std::move(lastModified),
                                     std::move(targetFile), this)),
      importProgress_(new QTimer(this)) {
    startDialog(
        *this,
        {QStringLiteral("FideListDownloadDialog"), tr("Télécharger la liste FIDE"), {420, 130}},
        *ui_);
    setModal(true);
    connect(ui_->stopButton, &QPushButton::clicked, this, &FideListDownloadDialog::reject);
    connect(download_, &FideListDownload::progressed, this, &FideListDownloadDialog::showReceived);
    connect(download_, &FideListDownload::finished, this, &FideListDownloadDialog::downloadEnded);
    // The import's progress is read from what its thread leaves, never sent from there.
    importProgress_->setInterval(100);
    connect(importProgress_, &QTimer::timeout, this, &FideListDownloadDialog::showImportProgress);
}

FideListDownloadDialog::~FideListDownloadDialog() {
    if (import_) {
        import_->stopRequested = true;  // the thread ends by itself, never waited for
    }
}

bool FideListDownloadDialog::run() {
    downloading_ = true;
    download_->start();
    return exec() == QDialog::Accepted;
}

void FideListDownloadDialog::reject() {
    if (downloading_) {
        download_->stop();  // downloadEnded() closes the window
    } else if (import_) {
        import_->stopRequested = true;  // importEnded() closes the window
        ui_->statusLabel->setText(tr("Arrêt de l'importation…"));
        ui_->stopButton->setEnabled(false);
    } else {
        QDialog::reject();
    }
}

void FideListDownloadDialog::showReceived(qint64 bytesReceived, qint64 bytesTotal) {
    ui_->statusLabel->setText(receivedText(bytesReceived, bytesTotal));
    if (bytesTotal > 0) {
        ui_->progressBar->setRange(0, kProgressSteps);
        ui_->progressBar->setValue(permille(bytesReceived, bytesTotal));
    }
}

void FideListDownloadDialog::downloadEnded(const FideListDownloadResult& result) {
    using Outcome = FideListDownloadResult::Outcome;
    downloading_ = false;
    outcome_ = result.outcome;
    switch (result.outcome) {
        case Outcome::downloaded:
            startImport(result);
            return;
        case Outcome::alreadyLatest:
            boxes_.warning(this, fromUtf8(messages::kFideListAlreadyLatest));
            break;
        case Outcome::failed:
            boxes_.error(this, result.message);
            break;
        case Outcome::stopped:
            break;
    }
    done(QDialog::Rejected);
}

void FideListDownloadDialog::startImport(const FideListDownloadResult& result) {
    ui_->statusLabel->setText(tr("Importation de la liste FIDE…"));
    ui_->progressBar->setRange(0, 0);
    auto run = std::make_shared<ImportRun>();
    import_ = run;
    QThread* thread = QThread::create(
        [run, importer = importer_, file = result.file, lastModified = result.lastModified] {
            try {
                importer(file, lastModified, [run](qint64 bytesRead, qint64 totalBytes) {
                    run->bytesRead = bytesRead;
                    run->totalBytes = totalBytes;
                    return !run->stopRequested;
                });
            } catch (const std::exception& thrown) {
                run->failure = errorText(thrown);
            } catch (...) {
                run->failure = kUnexpectedErrorText;
            }
        });
    connect(thread, &QThread::finished, this, &FideListDownloadDialog::importEnded);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    importProgress_->start();
    thread->start();
}

void FideListDownloadDialog::showImportProgress() {
    const qint64 total = import_->totalBytes;
    if (total > 0) {
        ui_->progressBar->setRange(0, kProgressSteps);
        ui_->progressBar->setValue(permille(import_->bytesRead, total));
    }
}

void FideListDownloadDialog::importEnded() {
    importProgress_->stop();
    const std::shared_ptr<ImportRun> run = std::move(import_);
    if (!run->failure.isEmpty()) {
        boxes_.error(this, run->failure);
        done(QDialog::Rejected);
    } else {
        done(run->stopRequested ? QDialog::Rejected : QDialog::Accepted);
    }
}

}  // namespace tavolin
