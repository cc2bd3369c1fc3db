// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace tavolin::testing {

namespace {

constexpr QByteArrayView kHeadersEnd = "\r\n\r\n";

LocalHttpServer::Request parsedRequest(const QByteArray& head) {
    LocalHttpServer::Request request;
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.path = first.value(1);
    for (qsizetype k = 1; k < lines.size(); ++k) {
        const qsizetype colon = lines[k].indexOf(':');
        if (colon > 0) {
            request.headers[lines[k].left(colon).trimmed().toLower()] =
                lines[k].mid(colon + 1).trimmed();
        }
    }
    return request;
}

// Sends the body a piece at a time, then closes; stops when the client goes.
void sendInChunks(QTcpSocket* socket, const QByteArray& body, qint64 chunkBytes, int milliseconds) {
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qint64>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [=] {
        if (*sent >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
            return;
        }
        const QByteArray piece = body.mid(*sent, chunkBytes);
        socket->write(piece);
        *sent += piece.size();
    });
    timer->start(milliseconds);
}

}  // namespace

LocalHttpServer::LocalHttpServer() {
    if (!server_.listen(QHostAddress::LocalHost, 0)) {
        qFatal("The local web server cannot listen: %s", qPrintable(server_.errorString()));
    }
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            serve(socket);
        }
    });
}

LocalHttpServer::~LocalHttpServer() {
    server_.close();
}

QUrl LocalHttpServer::url(const QByteArray& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2")
                    .arg(server_.serverPort())
                    .arg(QString::fromLatin1(path)));
}

quint16 LocalHttpServer::closedPort() {
    QTcpServer taken;
    taken.listen(QHostAddress::LocalHost, 0);
    const quint16 port = taken.serverPort();
    taken.close();
    return port;
}

void LocalHttpServer::serve(QTcpSocket* socket) {
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto received = std::make_shared<QByteArray>();
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
        if (received->contains(kHeadersEnd)) {
            socket->readAll();  // answered already
            return;
        }
        *received += socket->readAll();
        const qsizetype end = received->indexOf(kHeadersEnd);
        if (end >= 0) {
            const Request request = parsedRequest(received->left(end));
            requests_.append(request);
            reply(socket, request);
        }
    });
}

void LocalHttpServer::reply(QTcpSocket* socket, const Request& request) {
    const auto found = answers_.constFind(request.path);
    Answer answer;
    if (found == answers_.constEnd()) {
        answer.status = 404;
        answer.reasonPhrase = "Not Found";
        answer.body = "<html>introuvable</html>";
    } else {
        answer = *found;
    }
    if (answer.silent) {
        return;
    }
    if (!answer.lastModified.isEmpty() &&
        request.headers.value("if-modified-since") == answer.lastModified) {
        answer.status = 304;
        answer.reasonPhrase = "Not Modified";
        answer.body.clear();
        answer.announcedLength = -1;
        answer.chunkBytes = 0;
    }
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + answer.reasonPhrase + "\r\n";
    const qint64 length = answer.announcedLength >= 0 ? answer.announcedLength : answer.body.size();
    if (answer.status != 304) {
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    }
    if (!answer.lastModified.isEmpty()) {
        head += "Last-Modified: " + answer.lastModified + "\r\n";
    }
    for (const auto& [name, value] : answer.headers) {
        head += name + ": " + value + "\r\n";
    }
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    if (answer.chunkBytes > 0) {
        sendInChunks(socket, answer.body, answer.chunkBytes, answer.chunkMilliseconds);
        return;
    }
    socket->write(answer.body);
    socket->disconnectFromHost();
}

}  // namespace tavolin::testing
