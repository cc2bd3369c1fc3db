// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgnReading.h"

#include <QDeadlineTimer>
#include <QThread>
#include <exception>
#include <set>

#include "ErrorBoundary.h"
#include "PgnFile.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

namespace {

// The readings started and not yet ended, all on the interface thread.
std::set<PgnReading*>& runningReadings() {
    static std::set<PgnReading*> running;
    return running;
}

}  // namespace

bool PgnReading::stopAll(int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    for (PgnReading* reading : runningReadings()) {
        reading->stop();
    }
    bool ended = true;
    for (PgnReading* reading : runningReadings()) {
        ended = reading->thread_->wait(deadline) && ended;
    }
    return ended;
}

PgnReading* PgnReading::create(const QString& path, PgnReader::GameHandler handler) {
    auto* reading = new PgnReading;
    reading->path_ = path;
    reading->handler_ = std::move(handler);
    return reading;
}

void PgnReading::start() {
    QThread* thread =
        QThread::create([this, path = path_, handler = std::move(handler_), stop = stopRequested_] {
            QString error;
            QString failure;
            bool truncated = false;
            try {
                PgnReader reader(handler);
                error = readPgnFile(path, reader, [&](qint64 read, qint64 size) {
                    emit progressed(size > 0 ? static_cast<int>(read * 1000 / size) : 1000);
                    return !*stop;
                });
                truncated = reader.truncated();
            } catch (const std::exception& thrown) {
                failure = errorText(thrown);
            } catch (...) {
                failure = fromUtf8(messages::kUnexpectedError);
            }
            emit finished(error, truncated, *stop, failure);
        });
    // Both live on the interface thread, where they are deleted once the thread has ended.
    thread_ = thread;
    runningReadings().insert(this);
    connect(thread, &QThread::finished, this, [this] { runningReadings().erase(this); });
    connect(thread, &QThread::finished, this, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

}  // namespace tavolin
