// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListDownload.h"

#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>

#include "DownloadFailureText.h"
#include "FileFailure.h"
#include "UserMessages.h"
#include "Utf8.h"
#include "Version.h"

namespace tavolin {

namespace {

using Outcome = FideListDownloadResult::Outcome;

FideListDownloadResult failedWith(QString message) {
    FideListDownloadResult result;
    result.outcome = Outcome::failed;
    result.message = std::move(message);
    return result;
}

bool answered(int status) {
    return status >= 200 && status < 300;
}

}  // namespace

struct FideListDownload::State {
    QUrl address;
    QString lastModified;
    QString targetFile;
    QNetworkAccessManager* network = nullptr;
    QPointer<QNetworkReply> reply;
    // The body goes to a temporary file beside the target, renamed over it once whole.
    std::unique_ptr<QSaveFile> file;
    qint64 written = 0;
    QString writeFailure;
    QTimer* silence = nullptr;
    bool silent = false;
    bool stopRequested = false;
    bool started = false;
    bool ended = false;
};

FideListDownload::FideListDownload(QUrl address, QString lastModified, QString targetFile,
                                   QObject* parent)
    : QObject(parent), state_(std::make_unique<State>()) {
    state_->address = std::move(address);
    state_->lastModified = std::move(lastModified);
    state_->targetFile = std::move(targetFile);
    state_->network = new QNetworkAccessManager(this);
    state_->silence = new QTimer(this);
    state_->silence->setSingleShot(true);
    state_->silence->setInterval(std::chrono::minutes(1));
    connect(state_->silence, &QTimer::timeout, this, [this] {
        state_->silent = true;
        if (state_->reply) {
            state_->reply->abort();
        }
    });
}

FideListDownload::~FideListDownload() {
    if (state_->reply) {
        // Ends without a word: whoever deletes the download no longer listens.
        state_->reply->disconnect(this);
        state_->reply->abort();
        delete state_->reply;
    }
}

void FideListDownload::setSilenceLimit(std::chrono::milliseconds limit) {
    state_->silence->setInterval(limit);
}

void FideListDownload::start() {
    if (state_->started || state_->ended) {
        return;
    }
    state_->started = true;
    state_->file = std::make_unique<QSaveFile>(state_->targetFile);
    if (!state_->file->open(QIODevice::WriteOnly)) {
        state_->file.reset();
        finishLater(failedWith(cannotWriteText(state_->targetFile)));
        return;
    }
    // Read on every download, so that a proxy set in the desktop's settings meanwhile counts.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    QNetworkRequest request(state_->address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaximumRedirects);
    // The zip gains nothing from compression, and its length is then the Content-Length.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Tavolin/%1").arg(fromUtf8(kVersion)));
    if (!state_->lastModified.isEmpty()) {
        request.setRawHeader("If-Modified-Since", state_->lastModified.toLatin1());
    }
    QNetworkReply* reply = state_->network->get(request);
    state_->reply = reply;
    connect(reply, &QNetworkReply::readyRead, this, [this] { receive(); });
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this](qint64 bytesReceived, qint64 bytesTotal) {
                state_->silence->start();
                const int status =
                    state_->reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                if (answered(status)) {
                    emit progressed(bytesReceived, bytesTotal > 0 ? bytesTotal : -1);
                }
            });
    connect(reply, &QNetworkReply::metaDataChanged, state_->silence, qOverload<>(&QTimer::start));
    connect(reply, &QNetworkReply::finished, this, [this] { end(); });
    state_->silence->start();
}

void FideListDownload::stop() {
    if (state_->ended || state_->stopRequested) {
        return;
    }
    state_->stopRequested = true;
    if (state_->reply) {
        state_->reply->abort();  // finished() follows, and end() with it
    } else {
        FideListDownloadResult result;
        result.outcome = Outcome::stopped;
        finishLater(result);
    }
}

void FideListDownload::receive() {
    QNetworkReply* reply = state_->reply;
    if (reply == nullptr || !reply->isOpen()) {
        return;
    }
    state_->silence->start();
    const QByteArray data = reply->readAll();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // Only the list goes to the file, never the page of an error or of a redirect.
    if (!answered(status) || !state_->writeFailure.isEmpty() || data.isEmpty()) {
        return;
    }
    if (state_->file->write(data) != data.size()) {
        state_->writeFailure =
            QString::fromUtf8(cannotWriteError(state_->targetFile, data.size()).what());
        reply->abort();
        return;
    }
    state_->written += data.size();
}

void FideListDownload::end() {
    QNetworkReply* reply = state_->reply;
    state_->silence->stop();
    receive();
    DownloadFailure failure;
    failure.error = reply->error();
    failure.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    failure.reasonPhrase =
        reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    failure.host = reply->url().host();
    failure.networkText = reply->errorString();
    failure.bytesReceived = state_->written;
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    failure.bytesAnnounced = length.isValid() ? length.toLongLong() : -1;

    FideListDownloadResult result;
    if (state_->stopRequested) {
        result.outcome = Outcome::stopped;
    } else if (state_->silent) {
        const auto seconds = (state_->silence->interval() + 999) / 1000;
        result = failedWith(fromUtf8(messages::kFideDownloadFailed)
                                .arg(fromUtf8(messages::kFideDownloadSilent).arg(seconds)));
    } else if (!state_->writeFailure.isEmpty()) {
        result = failedWith(state_->writeFailure);
    } else if (failure.status == 304) {
        result.outcome = Outcome::alreadyLatest;
    } else if (failure.error != QNetworkReply::NoError || !answered(failure.status) ||
               isCut(failure)) {
        result = failedWith(downloadFailureText(failure));
    } else if (!state_->file->commit()) {
        result = failedWith(cannotWriteText(state_->targetFile));
    } else {
        result.outcome = Outcome::downloaded;
        result.file = state_->targetFile;
        result.lastModified = QString::fromLatin1(reply->rawHeader("Last-Modified"));
    }
    // Anything but a whole list leaves no file behind.
    state_->file.reset();
    state_->reply = nullptr;
    reply->deleteLater();
    state_->ended = true;
    emit finished(result);
}

void FideListDownload::finishLater(FideListDownloadResult result) {
    state_->ended = true;
    QTimer::singleShot(0, this, [this, result] { emit finished(result); });
}

}  // namespace tavolin
