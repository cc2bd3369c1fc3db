// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <chrono>
#include <memory>

namespace tavolin {

// Where FIDE publishes its whole rating list, standard, rapid and blitz with FOA titles.
inline const QString kFideListAddress =
    QStringLiteral("https://ratings.fide.com/download/players_list.zip");

// How a download ended.
struct FideListDownloadResult {
    enum class Outcome { downloaded, alreadyLatest, failed, stopped };
    Outcome outcome = Outcome::failed;
    QString file;          // the zip received, when downloaded
    QString lastModified;  // the server's Last-Modified, raw, when downloaded
    QString message;       // why it failed, in French, for the user
};

// Fetches the list's zip into a file with Qt Network, asking with If-Modified-Since when the
// list in use came from the server, through the desktop's proxies. Reports its progress and
// ends once with finished().
class FideListDownload : public QObject {
    Q_OBJECT
public:
    // `lastModified`: the Last-Modified of the list in use, empty for none; `targetFile`: where
    // the zip goes (written whole or not at all).
    FideListDownload(QUrl address, QString lastModified, QString targetFile,
                     QObject* parent = nullptr);
    ~FideListDownload() override;

    void start();
    // Stops the download; finished() then tells it stopped.
    void stop();

    // How long the server may send nothing before the download fails (a minute by default:
    // a busy server or a slow proxy may take seconds, a dead connection never ends).
    void setSilenceLimit(std::chrono::milliseconds limit);
    // The redirects followed at most, each to the same scheme or to https.
    static constexpr int kMaximumRedirects = 10;

signals:
    void progressed(qint64 bytesReceived, qint64 bytesTotal);  // total -1 when unknown
    void finished(const tavolin::FideListDownloadResult& result);

private:
    void receive();
    void end();
    void finishLater(FideListDownloadResult result);

    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace tavolin
