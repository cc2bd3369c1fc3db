// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-off socket takes what any program of the user's may send: every path of a
// message, nothing beyond the bounds, and never more than a few connections at a time.
#include "FileHandOff.h"

#include <gtest/gtest.h>

#include <QLocalSocket>
#include <QTest>
#include <QtEndian>
#include <memory>
#include <vector>

#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

QByteArray framed(const QByteArray& path) {
    QByteArray length(4, '\0');
    qToBigEndian(static_cast<quint32>(path.size()), length.data());
    return length + path;
}

const QByteArray kEnd(4, '\0');

class FileHandOffTest : public InTemporaryCurrentFolder {
protected:
    void SetUp() override {
        InTemporaryCurrentFolder::SetUp();
        HandOffLimits limits;
        limits.milliseconds = 300;
        server = std::make_unique<FileHandOffServer>(
            folder.path(), [this](const QString& file) { opened.append(file); }, nullptr, limits);
        ASSERT_TRUE(server->listening());
    }

    // A client of the same user that sends `bytes` and waits for the program's answer.
    QByteArray send(const QByteArray& bytes) {
        QLocalSocket client;
        client.connectToServer(handOffSocketName(folder.path()));
        EXPECT_TRUE(client.waitForConnected(1000));
        client.write(bytes);
        QTest::qWaitFor([&] { return client.state() != QLocalSocket::ConnectedState; }, 2000);
        return client.readAll();
    }

    std::unique_ptr<FileHandOffServer> server;
    QStringList opened;
};

TEST_F(FileHandOffTest, EveryPathOfAMessageIsTaken) {
    EXPECT_EQ(send(framed("/a/un.pgn") + framed("/a/deux é.pgn") + framed("/trois.pgn") + kEnd),
              "ok\n");
    EXPECT_EQ(opened, (QStringList{"/a/un.pgn", "/a/deux é.pgn", "/trois.pgn"}));
}

TEST_F(FileHandOffTest, WhatGoesBeyondTheBoundsIsRefusedWhole) {
    const QByteArray tooLong(4097, 'x');
    QByteArray tooMany;
    for (int k = 0; k < 65; ++k) {
        tooMany += framed("/p.pgn");
    }
    for (const QByteArray& message : {framed(tooLong) + kEnd, tooMany + kEnd,
                                      QByteArray(1 << 20, '\xff'), framed("/cut.pgn").left(7)}) {
        EXPECT_EQ(send(message), "") << message.size();
    }
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return server->openConnections() == 0; }, 2000));
}

// Idle connections are bounded in number and in time; the program listens all along.
TEST_F(FileHandOffTest, IdleConnectionsAreFewAndShortLived) {
    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int k = 0; k < 40; ++k) {
        idle.push_back(std::make_unique<QLocalSocket>());
        idle.back()->connectToServer(handOffSocketName(folder.path()));
    }
    QTest::qWait(100);
    EXPECT_LE(server->openConnections(), 8);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server->openConnections() == 0; }, 3000));
    EXPECT_TRUE(server->listening());
    idle.clear();
    EXPECT_EQ(send(framed("/encore.pgn") + kEnd), "ok\n");
    EXPECT_EQ(opened, QStringList{"/encore.pgn"});
}

}  // namespace
}  // namespace tavolin::testing
