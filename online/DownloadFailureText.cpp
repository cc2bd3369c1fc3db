// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadFailureText.h"

#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

QString text(std::string_view message) {
    return fromUtf8(message);
}

QString reason(const DownloadFailure& failure) {
    using Error = QNetworkReply::NetworkError;
    if (isCut(failure)) {
        return text(messages::kFideDownloadCut)
            .arg(QString::number(failure.bytesReceived), QString::number(failure.bytesAnnounced));
    }
    switch (failure.error) {
        case Error::InsecureRedirectError:
        case Error::ProtocolUnknownError:  // a redirect to ftp:, file:…
            return text(messages::kFideDownloadLessSafeRedirect);
        case Error::TooManyRedirectsError:
            return text(messages::kFideDownloadTooManyRedirects);
        default:
            break;
    }
    // An answer of the server says more than Qt's name for its class of status.
    if (failure.status >= 300) {
        QString status = QString::number(failure.status);
        if (!failure.reasonPhrase.trimmed().isEmpty()) {
            status +=
                QStringLiteral(" (%1)").arg(QString::fromLatin1(failure.reasonPhrase.trimmed()));
        }
        return text(messages::kFideDownloadStatus).arg(status);
    }
    switch (failure.error) {
        case Error::HostNotFoundError:
            return text(messages::kFideDownloadHostNotFound).arg(failure.host);
        case Error::ConnectionRefusedError:
            return text(messages::kFideDownloadRefused).arg(failure.host);
        case Error::TimeoutError:
            return text(messages::kFideDownloadNoAnswer).arg(failure.host);
        case Error::RemoteHostClosedError:
            return text(messages::kFideDownloadClosed);
        case Error::SslHandshakeFailedError:
            return text(messages::kFideDownloadSecureFailed).arg(failure.networkText);
        case Error::ProxyConnectionRefusedError:
        case Error::ProxyConnectionClosedError:
        case Error::ProxyNotFoundError:
        case Error::ProxyTimeoutError:
        case Error::ProxyAuthenticationRequiredError:
        case Error::UnknownProxyError:
            return text(messages::kFideDownloadProxyFailed).arg(failure.networkText);
        default:
            return text(messages::kFideDownloadNetwork).arg(failure.networkText);
    }
}

}  // namespace

bool isCut(const DownloadFailure& failure) {
    const bool answered = failure.status >= 200 && failure.status < 300;
    const bool endedQuietly = failure.error == QNetworkReply::NoError ||
                              failure.error == QNetworkReply::RemoteHostClosedError;
    return answered && endedQuietly && failure.bytesAnnounced >= 0 &&
           failure.bytesReceived < failure.bytesAnnounced;
}

QString downloadFailureText(const DownloadFailure& failure) {
    return text(messages::kFideDownloadFailed).arg(reason(failure));
}

}  // namespace tavolin
