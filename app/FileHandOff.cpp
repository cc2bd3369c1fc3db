// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileHandOff.h"

#include <unistd.h>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace tavolin {

namespace {

constexpr int kWaitMilliseconds = 3000;
const QByteArray kHandOffAcknowledgement = QByteArrayLiteral("ok\n");

}  // namespace

QString handOffSocketName(const QString& playersFolder) {
    const QString canonical = QFileInfo(playersFolder).canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    // The user's runtime folder is his alone; elsewhere his number keeps users apart.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(
        QStringLiteral("tavolin-%1-%2").arg(QString::number(getuid()), QString::fromLatin1(hash)));
}

bool handFileToRunningProgram(const QString& playersFolder, const QString& file) {
    QLocalSocket socket;
    socket.connectToServer(handOffSocketName(playersFolder));
    if (!socket.waitForConnected(kWaitMilliseconds)) {
        return false;
    }
    socket.write(file.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kWaitMilliseconds)) {
        return false;
    }
    while (socket.bytesAvailable() < kHandOffAcknowledgement.size()) {
        if (!socket.waitForReadyRead(kWaitMilliseconds)) {
            return false;
        }
    }
    return socket.read(kHandOffAcknowledgement.size()) == kHandOffAcknowledgement;
}

FileHandOffServer::FileHandOffServer(const QString& playersFolder,
                                     std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), open_(std::move(open)) {
    const QString name = handOffSocketName(playersFolder);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        QLocalServer::removeServer(name);  // left by a program that died: we hold the lock
        server_->listen(name);
    }
    connect(server_, &QLocalServer::newConnection, this, &FileHandOffServer::takeConnection);
}

bool FileHandOffServer::listening() const {
    return server_->isListening();
}

void FileHandOffServer::takeConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            const QString file = QString::fromUtf8(socket->readLine()).chopped(1);
            socket->write(kHandOffAcknowledgement);
            socket->flush();
            open_(file);
        });
    }
}

}  // namespace tavolin
