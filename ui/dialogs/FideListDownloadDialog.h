// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

#include "FideList.h"
#include "FideListDownload.h"

class QTimer;

namespace tavolin {

class MessageBoxes;
struct FideListDownloadDialogControls;

// "Télécharger la liste FIDE": downloads the list with its progress in megabytes, then hands
// the zip to an import that runs off the interface thread, the window answering meanwhile.
// "Arrêter" (or closing the window) stops either. An unchanged list and the failures are told
// in a box; a list imported closes the window without one.
class FideListDownloadDialog : public QDialog {
    Q_OBJECT
public:
    // Imports the zip received, on a thread of its own: the zip, the server's Last-Modified,
    // and what it reports as it goes, which returns false once the user stops. It raises
    // FileError, with the error box's text, when the list cannot be imported.
    using Importer = std::function<void(const QString& zipFile, const QString& lastModified,
                                        const FideListProgress& progress)>;

    // The download's address, the Last-Modified of the list in use (empty for none), and
    // where the zip goes, which the caller removes once it is of no use.
    FideListDownloadDialog(QUrl address, QString lastModified, QString targetFile,
                           Importer importer, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~FideListDownloadDialog() override;

    // Downloads and imports, modal; true once a new list is imported.
    bool run();
    // How the download ended; `failed` until it has.
    FideListDownloadResult::Outcome outcome() const { return outcome_; }
    FideListDownload& download() { return *download_; }

    void reject() override;  // stops what runs, and closes once it has

private:
    struct ImportRun;

    void showReceived(qint64 bytesReceived, qint64 bytesTotal);
    void downloadEnded(const FideListDownloadResult& result);
    void startImport(const FideListDownloadResult& result);
    void showImportProgress();
    void importEnded();

    const std::unique_ptr<FideListDownloadDialogControls> ui_;
    MessageBoxes& boxes_;
    Importer importer_;
    FideListDownload* download_;
    FideListDownloadResult::Outcome outcome_ = FideListDownloadResult::Outcome::failed;
    bool downloading_ = false;
    std::shared_ptr<ImportRun> import_;  // while the import runs
    QTimer* importProgress_;
};

}  // namespace tavolin
