// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QTcpServer>
#include <QUrl>
#include <utility>

namespace tavolin::testing {

// A web server on 127.0.0.1, on a port the system picks, that answers each path as the test
// set it: tests of downloads never touch the network. One request per connection, which it
// closes once answered.
class LocalHttpServer {
public:
    // How one path is answered.
    struct Answer {
        int status = 200;
        QByteArray reasonPhrase = "OK";
        QByteArray body{};
        // Headers beside Content-Length: ("Location", "/liste.zip")…
        QList<std::pair<QByteArray, QByteArray>> headers{};
        // With a Last-Modified, a request whose If-Modified-Since is the same gets 304.
        QByteArray lastModified{};
        // The Content-Length announced; the body's size when negative. Announcing more than
        // the body and closing is a cut download.
        qint64 announcedLength = -1;
        // The body in pieces of this size, one every `chunkMilliseconds`; at once when 0.
        qint64 chunkBytes = 0;
        int chunkMilliseconds = 0;
        // Accepts the connection and sends nothing, ever.
        bool silent = false;
    };

    // What a request asked, its header names in lower case.
    struct Request {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers;
    };

    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // Paths without an answer get 404.
    void answer(const QByteArray& path, Answer answer) { answers_[path] = std::move(answer); }
    // http://127.0.0.1:port/path
    QUrl url(const QByteArray& path) const;
    const QList<Request>& requests() const { return requests_; }

    // A port nothing listens on: a connection to it is refused.
    static quint16 closedPort();

private:
    void serve(class QTcpSocket* socket);
    void reply(QTcpSocket* socket, const Request& request);

    QTcpServer server_;
    QMap<QByteArray, Answer> answers_;
    QList<Request> requests_;
};

}  // namespace tavolin::testing
