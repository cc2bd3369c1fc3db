// SPDX-License-Identifier: GPL-3.0-or-later
// Downloads of the list from a local web server: whole, unchanged since, refused, cut,
// redirected, stopped, silent; the target file written whole or not at all.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "FideListDownload.h"
#include "LocalHttpServer.h"
#include "QtPrinters.h"

namespace tavolin::testing {
namespace {

using Outcome = FideListDownloadResult::Outcome;

const QByteArray kLastModified = "Wed, 01 Oct 2025 08:12:45 GMT";

QByteArray listBytes(qsizetype size) {
    QByteArray bytes(size, '\0');
    for (qsizetype k = 0; k < size; ++k) {
        bytes[k] = static_cast<char>((k * 7 + k / 256) % 251);
    }
    return bytes;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

class FideListDownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        target = folder.filePath("players_list.zip");
        // The local server is never reached through a proxy of the machine's.
        qputenv("no_proxy", "127.0.0.1,localhost");
    }

    FideListDownloadResult run(FideListDownload& download) {
        QSignalSpy ended(&download, &FideListDownload::finished);
        download.start();
        if (!ended.wait(10000)) {
            ADD_FAILURE() << "the download never ended";
            return {};
        }
        QTest::qWait(20);  // time for a second finished(), which must not come
        EXPECT_EQ(ended.count(), 1);
        return ended.front().front().value<FideListDownloadResult>();
    }

    FideListDownloadResult download(const QByteArray& path, const QString& lastModified = {}) {
        FideListDownload download(server.url(path), lastModified, target);
        return run(download);
    }

    QStringList filesInFolder() const { return QDir(folder.path()).entryList(QDir::Files); }

    QTemporaryDir folder;
    QString target;
    LocalHttpServer server;
};

TEST_F(FideListDownloadTest, AWholeListIsWrittenWithTheServersDate) {
    const QByteArray list = listBytes(300'000);
    server.answer("/players_list.zip", {.body = list, .lastModified = kLastModified});

    const FideListDownloadResult result = download("/players_list.zip");

    EXPECT_EQ(result.outcome, Outcome::downloaded) << result.message.toStdString();
    EXPECT_EQ(result.file, target);
    EXPECT_EQ(result.lastModified, kLastModified);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(contentOf(target), list);
    EXPECT_EQ(filesInFolder(), QStringList{"players_list.zip"});
    ASSERT_EQ(server.requests().size(), 1);
    const LocalHttpServer::Request& asked = server.requests().front();
    EXPECT_EQ(asked.method, "GET");
    EXPECT_FALSE(asked.headers.contains("if-modified-since"));
    EXPECT_EQ(asked.headers.value("accept-encoding"), "identity");
    EXPECT_TRUE(asked.headers.value("user-agent").startsWith("Tavolin/"));
}

TEST_F(FideListDownloadTest, AnOlderListIsReplacedWhole) {
    {
        QFile older(target);
        ASSERT_TRUE(older.open(QIODevice::WriteOnly));
        older.write("la liste du mois dernier");
    }
    server.answer("/players_list.zip", {.body = listBytes(5000), .lastModified = kLastModified});

    EXPECT_EQ(download("/players_list.zip", "Mon, 01 Sep 2025 08:00:00 GMT").outcome,
              Outcome::downloaded);
    EXPECT_EQ(contentOf(target), listBytes(5000));
    EXPECT_EQ(server.requests().front().headers.value("if-modified-since"),
              "Mon, 01 Sep 2025 08:00:00 GMT");
}

TEST_F(FideListDownloadTest, TheListInUseUnchangedOnTheServerIsTheLatest) {
    {
        QFile inUse(target);
        ASSERT_TRUE(inUse.open(QIODevice::WriteOnly));
        inUse.write("la liste en service");
    }
    server.answer("/players_list.zip", {.body = listBytes(5000), .lastModified = kLastModified});

    const FideListDownloadResult result =
        download("/players_list.zip", QString::fromLatin1(kLastModified));

    EXPECT_EQ(result.outcome, Outcome::alreadyLatest);
    EXPECT_EQ(result.file, "");
    EXPECT_EQ(server.requests().front().headers.value("if-modified-since"), kLastModified);
    EXPECT_EQ(contentOf(target), "la liste en service");
    EXPECT_EQ(filesInFolder(), QStringList{"players_list.zip"});
}

struct ErrorStatus {
    int status;
    QByteArray reasonPhrase;
    QString message;
};

class FideListDownloadStatusTest : public FideListDownloadTest,
                                   public ::testing::WithParamInterface<ErrorStatus> {};

TEST_P(FideListDownloadStatusTest, AnErrorOfTheServerFailsWithItsStatusAndLeavesNoFile) {
    const ErrorStatus& row = GetParam();
    server.answer("/players_list.zip", {.status = row.status,
                                        .reasonPhrase = row.reasonPhrase,
                                        .body = "<html>page d'erreur</html>"});

    const FideListDownloadResult result = download("/players_list.zip");

    EXPECT_EQ(result.outcome, Outcome::failed);
    EXPECT_EQ(result.message, row.message);
    EXPECT_EQ(result.file, "");
    EXPECT_EQ(filesInFolder(), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, FideListDownloadStatusTest,
    ::testing::Values(
        ErrorStatus{404, "Not Found",
                    "Le téléchargement de la liste FIDE a échoué : le serveur a répondu 404 (Not "
                    "Found)."},
        ErrorStatus{500, "Internal Server Error",
                    "Le téléchargement de la liste FIDE a échoué : le serveur a répondu 500 "
                    "(Internal Server Error)."},
        ErrorStatus{403, "Forbidden",
                    "Le téléchargement de la liste FIDE a échoué : le serveur a répondu 403 "
                    "(Forbidden)."},
        ErrorStatus{503, "",
                    "Le téléchargement de la liste FIDE a échoué : le serveur a répondu 503."}));

TEST_F(FideListDownloadTest, ACutBodyFailsAndLeavesTheListInUse) {
    {
        QFile inUse(target);
        ASSERT_TRUE(inUse.open(QIODevice::WriteOnly));
        inUse.write("la liste en service");
    }
    server.answer("/players_list.zip", {.body = listBytes(600), .announcedLength = 1000});

    const FideListDownloadResult result = download("/players_list.zip");

    EXPECT_EQ(result.outcome, Outcome::failed);
    EXPECT_EQ(result.message,
              "Le téléchargement de la liste FIDE a échoué : la connexion a été coupée avant la "
              "fin (600 octets reçus sur 1000).");
    EXPECT_EQ(contentOf(target), "la liste en service");
    EXPECT_EQ(filesInFolder(), QStringList{"players_list.zip"});
}

TEST_F(FideListDownloadTest, ACutSlowBodyFailsToo) {
    server.answer("/players_list.zip", {.body = listBytes(4000),
                                        .announcedLength = 10'000,
                                        .chunkBytes = 1000,
                                        .chunkMilliseconds = 5});

    const FideListDownloadResult result = download("/players_list.zip");

    EXPECT_EQ(result.outcome, Outcome::failed);
    EXPECT_EQ(result.message,
              "Le téléchargement de la liste FIDE a échoué : la connexion a été coupée avant la "
              "fin (4000 octets reçus sur 10000).");
    EXPECT_EQ(filesInFolder(), QStringList{});
}

TEST_F(FideListDownloadTest, NoServerFailsSaying) {
    FideListDownload download(QUrl(QStringLiteral("http://127.0.0.1:%1/players_list.zip")
                                       .arg(LocalHttpServer::closedPort())),
                              {}, target);

    const FideListDownloadResult result = run(download);

    EXPECT_EQ(result.outcome, Outcome::failed);
    EXPECT_EQ(result.message,
              "Le téléchargement de la liste FIDE a échoué : le serveur 127.0.0.1 refuse la "
              "connexion.");
    EXPECT_EQ(filesInFolder(), QStringList{});
}

TEST_F(FideListDownloadTest, AServerThatSendsNothingFailsAfterTheSilenceLimit) {
    server.answer("/players_list.zip", {.silent = true});
    FideListDownload download(server.url("/players_list.zip"), {}, target);
    download.setSilenceLimit(std::chrono::milliseconds(1000));

    const FideListDownloadResult result = run(download);

    EXPECT_EQ(result.outcome, Outcome::failed);
    EXPECT_EQ(result.message,
              "Le téléchargement de la liste FIDE a échoué : le serveur n'a rien envoyé pendant "
              "1 s.");
    EXPECT_EQ(filesInFolder(), QStringList{});
}

TEST_F(FideListDownloadTest, ASlowButSteadyServerIsWaitedFor) {
    // Every piece comes well within the limit, the whole takes longer than it.
    server.answer("/players_list.zip",
                  {.body = listBytes(20'000), .chunkBytes = 1000, .chunkMilliseconds = 50});
    FideListDownload download(server.url("/players_list.zip"), {}, target);
    download.setSilenceLimit(std::chrono::milliseconds(500));

    EXPECT_EQ(run(download).outcome, Outcome::downloaded);
    EXPECT_EQ(contentOf(target), listBytes(20'000));
}

TEST_F(FideListDownloadTest, StoppedMidwayItLeavesNoFile) {
    server.answer("/players_list.zip",
                  {.body = listBytes(200'000), .chunkBytes = 1000, .chunkMilliseconds = 10});
    FideListDownload download(server.url("/players_list.zip"), {}, target);
    QObject::connect(&download, &FideListDownload::progressed, &download,
                     [&](qint64 received, qint64) {
                         if (received >= 3000) {
                             download.stop();
                         }
                     });

    const FideListDownloadResult result = run(download);

    EXPECT_EQ(result.outcome, Outcome::stopped);
    EXPECT_EQ(result.file, "");
    EXPECT_EQ(filesInFolder(), QStringList{});
}

TEST_F(FideListDownloadTest, StoppedBeforeItStartsItTellsItStopped) {
    FideListDownload download(server.url("/players_list.zip"), {}, target);
    QSignalSpy ended(&download, &FideListDownload::finished);
    download.stop();
    ASSERT_TRUE(ended.wait(5000));
    EXPECT_EQ(ended.front().front().value<FideListDownloadResult>().outcome, Outcome::stopped);
    download.start();  // too late: nothing more happens
    QTest::qWait(100);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(FideListDownloadTest, ProgressIsReportedUpToTheWholeSize) {
    server.answer("/players_list.zip",
                  {.body = listBytes(100'000), .chunkBytes = 10'000, .chunkMilliseconds = 40});
    FideListDownload download(server.url("/players_list.zip"), {}, target);
    QList<std::pair<qint64, qint64>> reports;
    QObject::connect(&download, &FideListDownload::progressed, &download,
                     [&](qint64 received, qint64 total) {
                         reports.append({received, total});
                     });

    EXPECT_EQ(run(download).outcome, Outcome::downloaded);

    ASSERT_GE(reports.size(), 3);  // pieces 40 ms apart are not all told at once
    for (qsizetype k = 0; k < reports.size(); ++k) {
        EXPECT_EQ(reports[k].second, 100'000);
        if (k > 0) {
            EXPECT_GE(reports[k].first, reports[k - 1].first);
        }
    }
    EXPECT_EQ(reports.back().first, 100'000);
}

TEST_F(FideListDownloadTest, AnErrorPageReportsNoProgress) {
    FideListDownload download(server.url("/absent.zip"), {}, target);
    int reports = 0;
    QObject::connect(&download, &FideListDownload::progressed, &download,
                     [&](qint64, qint64) { ++reports; });
    EXPECT_EQ(run(download).outcome, Outcome::failed);
    EXPECT_EQ(reports, 0);
}

TEST_F(FideListDownloadTest, ARedirectIsFollowed) {
    server.answer(
        "/ancienne.zip",
        {.status = 302, .reasonPhrase = "Found", .headers = {{"Location", "/players_list.zip"}}});
    server.answer("/players_list.zip", {.body = listBytes(3000), .lastModified = kLastModified});

    const FideListDownloadResult result = download("/ancienne.zip");

    EXPECT_EQ(result.outcome, Outcome::downloaded) << result.message.toStdString();
    EXPECT_EQ(result.lastModified, kLastModified);
    EXPECT_EQ(contentOf(target), listBytes(3000));
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_EQ(server.requests()[1].path, "/players_list.zip");
}

TEST_F(FideListDownloadTest, EndlessRedirectsFail) {
    server.answer("/boucle.zip", {.status = 301,
                                  .reasonPhrase = "Moved Permanently",
                                  .headers = {{"Location", "/boucle.zip"}}});

    const FideListDownloadResult result = download("/boucle.zip");

    EXPECT_EQ(result.outcome, Outcome::failed);
    EXPECT_EQ(result.message,
              "Le téléchargement de la liste FIDE a échoué : le serveur renvoie d'adresse en "
              "adresse sans fin.");
    // Qt may send a GET once more on a new connection when the server closed the one it
    // was about to use: the loop is bounded, not counted exactly.
    EXPECT_LE(server.requests().size(), 2 * (FideListDownload::kMaximumRedirects + 1));
    EXPECT_EQ(filesInFolder(), QStringList{});
}

TEST_F(FideListDownloadTest, ARedirectToAnotherSchemeIsRefused) {
    server.answer("/players_list.zip",
                  {.status = 302,
                   .reasonPhrase = "Found",
                   .headers = {{"Location", "ftp://127.0.0.1/players_list.zip"}}});

    const FideListDownloadResult result = download("/players_list.zip");

    EXPECT_EQ(result.outcome, Outcome::failed);
    EXPECT_EQ(result.message,
              "Le téléchargement de la liste FIDE a échoué : le serveur renvoie vers une "
              "adresse moins sûre.");
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_EQ(filesInFolder(), QStringList{});
}

TEST_F(FideListDownloadTest, ATargetFolderThatIsNotThereFailsBeforeAnyRequest) {
    server.answer("/players_list.zip", {.body = listBytes(100)});
    const QString missing = folder.filePath("absent/players_list.zip");
    FideListDownload download(server.url("/players_list.zip"), {}, missing);

    const FideListDownloadResult result = run(download);

    EXPECT_EQ(result.outcome, Outcome::failed);
    EXPECT_EQ(result.message,
              QString("Impossible d'écrire dans %1 : dossier introuvable.").arg(missing));
    EXPECT_TRUE(server.requests().isEmpty());
}

}  // namespace
}  // namespace tavolin::testing
