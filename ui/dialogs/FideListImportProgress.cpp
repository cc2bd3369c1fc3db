// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListImportProgress.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>

namespace tavolin {

namespace {

// The bar counts in kilobytes: a list of 317 MB overflows an int of bytes' steps.
constexpr qint64 kStep = 1024;

}  // namespace

std::optional<FideListSummary> importFideListShowingProgress(QWidget* parent,
                                                             const QString& listPath,
                                                             const QString& file,
                                                             const QString& lastModified) {
    QProgressDialog progress(
        QCoreApplication::translate("FideListImportProgress", "Importation de la liste FIDE…"),
        QCoreApplication::translate("FideListImportProgress", "Arrêter"), 0, 0, parent);
    progress.setWindowTitle(QCoreApplication::translate("FideListImportProgress", "Liste FIDE"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.show();
    return importFideList(
        listPath, file, {},
        [&progress](qint64 read, qint64 total) {
            if (total > 0) {
                progress.setMaximum(static_cast<int>(total / kStep));
                progress.setValue(static_cast<int>(std::min(read, total) / kStep));
            }
            // The window draws itself and the stop button is heard between two steps.
            QApplication::processEvents();
            return !progress.wasCanceled();
        },
        lastModified);
}

}  // namespace tavolin
