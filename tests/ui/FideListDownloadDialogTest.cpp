// SPDX-License-Identifier: GPL-3.0-or-later
// The download dialog's wiring: a download from a local web server handed to the import, the
// stop button during either, and what the boxes tell.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>

#include "ControlsOf.h"
#include "FideListDownloadDialog.h"
#include "FideListDownloadDialogControls.h"
#include "FileError.h"
#include "LocalHttpServer.h"
#include "ModalHelper.h"
#include "RecordingMessageBoxes.h"

namespace tavolin::testing {
namespace {

using Outcome = FideListDownloadResult::Outcome;

const QByteArray kLastModified = "Wed, 01 Oct 2025 08:12:45 GMT";

// What the import was handed, as its thread saw it.
struct ImportSeen {
    std::atomic<int> calls = 0;
    QString file;
    QString lastModified;
    QByteArray content;
    bool offTheInterfaceThread = false;
    bool stopped = false;
};

class FideListDownloadDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        target = folder.filePath("players_list.zip");
        qputenv("no_proxy", "127.0.0.1,localhost");
    }

    // An import that reads the zip and reports it read in `steps` pieces, `pause` apart.
    FideListDownloadDialog::Importer importer(int steps = 1, int pauseMilliseconds = 0) {
        return [this, steps, pauseMilliseconds](const QString& file, const QString& lastModified,
                                                const FideListProgress& progress) {
            seen.offTheInterfaceThread = QThread::currentThread() != qApp->thread();
            seen.file = file;
            seen.lastModified = lastModified;
            QFile zip(file);
            if (zip.open(QIODevice::ReadOnly)) {
                seen.content = zip.readAll();
            }
            for (int step = 1; step <= steps; ++step) {
                QThread::msleep(static_cast<unsigned long>(pauseMilliseconds));
                if (!progress(step, steps)) {
                    seen.stopped = true;
                    break;
                }
            }
            ++seen.calls;
        };
    }

    std::unique_ptr<FideListDownloadDialog> dialog(const QByteArray& path,
                                                   FideListDownloadDialog::Importer import,
                                                   const QString& lastModified = {}) {
        return std::make_unique<FideListDownloadDialog>(server.url(path), lastModified, target,
                                                        std::move(import), boxes);
    }

    QTemporaryDir folder;
    QString target;
    LocalHttpServer server;
    RecordingMessageBoxes boxes;
    ImportSeen seen;
};

TEST_F(FideListDownloadDialogTest, ADownloadEndsInTheImportOfTheFile) {
    const QByteArray list(250'000, 'z');
    server.answer("/players_list.zip", {.body = list, .lastModified = kLastModified});
    const auto window = dialog("/players_list.zip", importer());
    EXPECT_EQ(window->windowTitle(), "Télécharger la liste FIDE");
    EXPECT_TRUE(window->isModal());

    EXPECT_TRUE(window->run());

    EXPECT_EQ(window->outcome(), Outcome::downloaded);
    EXPECT_EQ(seen.calls, 1);
    EXPECT_TRUE(seen.offTheInterfaceThread);
    EXPECT_EQ(seen.file, target);
    EXPECT_EQ(seen.lastModified, kLastModified);
    EXPECT_EQ(seen.content, list);
    EXPECT_EQ(boxes.warnings, QStringList{});
    EXPECT_EQ(boxes.errors, QStringList{});
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FideListDownloadDialogTest, TheMegabytesReceivedAreShown) {
    server.answer(
        "/players_list.zip",
        {.body = QByteArray(1'000'000, 'z'), .chunkBytes = 100'000, .chunkMilliseconds = 30});
    const auto window = dialog("/players_list.zip", importer());
    const auto shown = controlsOf<FideListDownloadDialogControls>(*window);
    QStringList texts;
    int highestBar = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        texts.append(shown.statusLabel->text());
        highestBar = std::max(highestBar, shown.progressBar->value());
    });
    watch.start(5);

    EXPECT_TRUE(window->run());

    const QRegularExpression received("^\\d,\\d Mo reçus sur 1,0 Mo$");
    EXPECT_TRUE(texts.indexOf(received) >= 0) << texts.join(" | ").toStdString();
    EXPECT_GT(highestBar, 0);
}

TEST_F(FideListDownloadDialogTest, TheStopButtonStopsTheDownload) {
    server.answer(
        "/players_list.zip",
        {.body = QByteArray(2'000'000, 'z'), .chunkBytes = 10'000, .chunkMilliseconds = 20});
    const auto window = dialog("/players_list.zip", importer());
    whenModalShown<FideListDownloadDialog>([](FideListDownloadDialog* shown) {
        const auto controls = controlsOf<FideListDownloadDialogControls>(*shown);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return controls.statusLabel->text().contains("reçus"); }, 5000));
        EXPECT_EQ(controls.stopButton->text(), "&Arrêter");
        QTest::mouseClick(controls.stopButton, Qt::LeftButton);
    });

    EXPECT_FALSE(window->run());

    EXPECT_EQ(window->outcome(), Outcome::stopped);
    EXPECT_EQ(seen.calls, 0);
    EXPECT_EQ(boxes.errors, QStringList{});
    EXPECT_EQ(boxes.warnings, QStringList{});
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{});
}

TEST_F(FideListDownloadDialogTest, TheStopButtonStopsTheImport) {
    server.answer("/players_list.zip", {.body = "PK"});
    const auto window = dialog("/players_list.zip", importer(1000, 10));
    whenModalShown<FideListDownloadDialog>([](FideListDownloadDialog* shown) {
        const auto controls = controlsOf<FideListDownloadDialogControls>(*shown);
        // The window answers while the import runs: its label changes, the click is taken.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return controls.statusLabel->text() == "Importation de la liste FIDE…"; }, 5000));
        QTest::qWait(150);
        EXPECT_GT(controls.progressBar->value(), 0);
        QTest::mouseClick(controls.stopButton, Qt::LeftButton);
        EXPECT_EQ(controls.statusLabel->text(), "Arrêt de l'importation…");
    });

    EXPECT_FALSE(window->run());

    EXPECT_EQ(seen.calls, 1);
    EXPECT_TRUE(seen.stopped);
    EXPECT_EQ(boxes.errors, QStringList{});
}

TEST_F(FideListDownloadDialogTest, AnUnchangedListIsToldTheLatest) {
    server.answer("/players_list.zip", {.body = "PK", .lastModified = kLastModified});
    const auto window = dialog("/players_list.zip", importer(), QString::fromLatin1(kLastModified));

    EXPECT_FALSE(window->run());

    EXPECT_EQ(window->outcome(), Outcome::alreadyLatest);
    EXPECT_EQ(boxes.warnings, QStringList{"La liste FIDE est déjà la plus récente."});
    EXPECT_EQ(boxes.errors, QStringList{});
    EXPECT_EQ(seen.calls, 0);
}

TEST_F(FideListDownloadDialogTest, AFailedDownloadIsToldInTheErrorBox) {
    const auto window = dialog("/absent.zip", importer());

    EXPECT_FALSE(window->run());

    EXPECT_EQ(boxes.errors, QStringList{"Le téléchargement de la liste FIDE a échoué : le serveur "
                                        "a répondu 404 (Not Found)."});
    EXPECT_EQ(seen.calls, 0);
}

TEST_F(FideListDownloadDialogTest, AFailedImportIsToldInTheErrorBox) {
    server.answer("/players_list.zip", {.body = "PK"});
    const auto window =
        dialog("/players_list.zip", [](const QString&, const QString&, const FideListProgress&) {
            throw FileError("Le fichier players_list.zip n'est pas une liste FIDE.");
        });

    EXPECT_FALSE(window->run());

    EXPECT_EQ(boxes.errors, QStringList{"Le fichier players_list.zip n'est pas une liste FIDE."});
}

}  // namespace
}  // namespace tavolin::testing
