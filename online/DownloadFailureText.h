// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QString>

namespace tavolin {

// What is known of a download that went wrong, as the reply tells it.
struct DownloadFailure {
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int status = 0;           // the HTTP status, 0 without an answer
    QByteArray reasonPhrase;  // the server's words for it: "Not Found"
    QString host;
    QString networkText;  // Qt's words for the error, in English
    qint64 bytesReceived = 0;
    qint64 bytesAnnounced = -1;  // the Content-Length, -1 without one
};

// Whether the reply's body is whole: a body shorter than the length announced is cut.
bool isCut(const DownloadFailure& failure);

// The user's text: "Le téléchargement de la liste FIDE a échoué : le serveur a répondu 404
// (Not Found)."
QString downloadFailureText(const DownloadFailure& failure);

}  // namespace tavolin
