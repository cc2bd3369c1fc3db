// SPDX-License-Identifier: GPL-3.0-or-later
// tavolin-calc --fide-list-download against a web server of the test's own: the list
// imported, an unchanged one said to be the latest, failures told with the list kept.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

#include "CalcCommandLine.h"
#include "CalcRun.h"
#include "FideList.h"
#include "FideListFiles.h"
#include "FideListLines.h"
#include "LocalHttpServer.h"

namespace tavolin {
namespace {

class FideListDownloadCommandTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The server and the download run on the event loop of the test's application.
        static int argc = 1;
        static char name[] = "tavolin_calc_tests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            new QCoreApplication(argc, argv);
        }
        // A proxy of the machine's must not catch the server on 127.0.0.1.
        qputenv("no_proxy", "127.0.0.1,localhost");
    }

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        database = folder.filePath("liste-fide.sqlite").toStdString();
        const QString zip = folder.filePath("served.zip");
        testing::writeZip(
            zip, {{"players_list_foa.txt", std::string(testing::kCombinedHeader) + "\r\n" +
                                               std::string(testing::kCarlsenLine) + "\r\n" +
                                               std::string(testing::kCruzArceLine) + "\r\n"}});
        QFile served(zip);
        ASSERT_TRUE(served.open(QIODevice::ReadOnly));
        answer.body = served.readAll();
        answer.lastModified = "Thu, 01 Oct 2026 08:00:00 GMT";
        QFile::remove(zip);
    }

    CalcRun download(const QByteArray& path) {
        address = server.url(path).toString().toStdString();
        return calc({"--fide-db", database, "--fide-list-download", address});
    }

    QTemporaryDir folder;
    std::string database;
    std::string address;
    testing::LocalHttpServer server;
    testing::LocalHttpServer::Answer answer;
};

TEST_F(FideListDownloadCommandTest, TheListIsImportedThenSaidToBeTheLatest) {
    server.answer("/players_list.zip", answer);
    const CalcRun first = download("/players_list.zip");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "2\t2026-09\n");
    EXPECT_NE(first.err.find("Mo reçus"), std::string::npos);
    const CalcRun second = download("/players_list.zip");
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out, "La liste FIDE est déjà la plus récente.\n");
    EXPECT_EQ(server.requests().at(1).headers.value("if-modified-since"),
              "Thu, 01 Oct 2026 08:00:00 GMT");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"liste-fide.sqlite"});
}

TEST_F(FideListDownloadCommandTest, AFailedDownloadIsToldAndKeepsTheListInUse) {
    server.answer("/players_list.zip", answer);
    ASSERT_EQ(download("/players_list.zip").status, 0);
    testing::LocalHttpServer::Answer missing;
    missing.status = 404;
    missing.reasonPhrase = "Not Found";
    server.answer("/moved.zip", missing);
    testing::LocalHttpServer::Answer cut = answer;
    cut.lastModified = "Sun, 01 Nov 2026 08:00:00 GMT";
    cut.announcedLength = answer.body.size() * 2;
    server.answer("/cut.zip", cut);
    for (const QByteArray& path : {QByteArray("/moved.zip"), QByteArray("/cut.zip")}) {
        const CalcRun failed = download(path);
        EXPECT_EQ(failed.status, 1) << path.constData();
        EXPECT_NE(failed.err.find("Le téléchargement de la liste FIDE a échoué"), std::string::npos)
            << failed.err;
        EXPECT_EQ(failed.out, "");
        EXPECT_EQ(FideListDatabase(QString::fromStdString(database)).summary()->playerCount, 2);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"liste-fide.sqlite"});
}

TEST_F(FideListDownloadCommandTest, NoServerIsToldWithStatus1) {
    const std::string closed =
        "http://127.0.0.1:" + std::to_string(testing::LocalHttpServer::closedPort()) + "/l.zip";
    const CalcRun failed = calc({"--fide-db", database, "--fide-list-download", closed});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("refuse la connexion"), std::string::npos) << failed.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(database)));
}

TEST_F(FideListDownloadCommandTest, TwoAddressesOrAnotherListUseAreRefused) {
    EXPECT_EQ(calc({"--fide-list-download", "http://a/", "http://b/"}).status, 2);
    EXPECT_EQ(calc({"--fide-list-download", "--fide-find", "carlsen"}).status, 2);
}

}  // namespace
}  // namespace tavolin
