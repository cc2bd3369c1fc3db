// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileHandOff.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>
#include <utility>

namespace tavolin {

namespace {

constexpr int kWaitMilliseconds = 3000;
const QByteArray kHandOffAcknowledgement = QByteArrayLiteral("ok\n");
constexpr int kLengthBytes = 4;

QByteArray lengthBytes(quint32 length) {
    QByteArray bytes(kLengthBytes, '\0');
    qToBigEndian(length, bytes.data());
    return bytes;
}

// Whether the program at the other end of `socket` runs as this program's user.
bool fromThisUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer,
                      &size) == 0 &&
           peer.uid == getuid();
}

}  // namespace

QString handOffSocketName(const QString& playersFolder) {
    // Qt gives the user's runtime folder only when it is his alone (mode 0700, his own).
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        return {};
    }
    const QString canonical = QFileInfo(playersFolder).canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return QDir(folder).filePath(
        QStringLiteral("tavolin-%1-%2").arg(QString::number(getuid()), QString::fromLatin1(hash)));
}

bool handFilesToRunningProgram(const QString& playersFolder, const QStringList& files) {
    const QString name = handOffSocketName(playersFolder);
    if (name.isEmpty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kWaitMilliseconds)) {
        return false;
    }
    QByteArray message;
    for (const QString& file : files) {
        const QByteArray path = file.toUtf8();
        message += lengthBytes(static_cast<quint32>(path.size())) + path;
    }
    message += lengthBytes(0);
    socket.write(message);
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
                                     std::function<void(const QString&)> open, QObject* parent,
                                     HandOffLimits limits)
    : QObject(parent), server_(new QLocalServer(this)), open_(std::move(open)), limits_(limits) {
    const QString name = handOffSocketName(playersFolder);
    if (name.isEmpty()) {
        return;  // no hand-off: a second start says the program is open
    }
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
        if (received_.size() >= limits_.connections || !fromThisUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        received_.insert(socket, {});
        // At most one path and its length are ever kept unread.
        socket->setReadBufferSize(kLengthBytes + limits_.pathBytes);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { received_.remove(socket); });
        QTimer::singleShot(limits_.milliseconds, socket, [socket] { socket->abort(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
    }
}

void FileHandOffServer::readMessage(QLocalSocket* socket) {
    const auto refuse = [socket] { socket->abort(); };
    QStringList& paths = received_[socket];
    while (socket->bytesAvailable() >= kLengthBytes) {
        const QByteArray header = socket->peek(kLengthBytes);
        const quint32 length = qFromBigEndian<quint32>(header.constData());
        if (length == 0) {
            socket->read(kLengthBytes);
            const QStringList taken = std::exchange(paths, {});
            socket->write(kHandOffAcknowledgement);
            socket->flush();
            socket->disconnectFromServer();
            for (const QString& path : taken) {
                open_(path);
            }
            return;
        }
        if (length > static_cast<quint32>(limits_.pathBytes) ||
            paths.size() >= limits_.pathsPerMessage) {
            refuse();
            return;
        }
        if (socket->bytesAvailable() < kLengthBytes + static_cast<qint64>(length)) {
            return;  // the rest of the path is on its way
        }
        socket->read(kLengthBytes);
        paths.append(QString::fromUtf8(socket->read(length)));
    }
}

}  // namespace tavolin
