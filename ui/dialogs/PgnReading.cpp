// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgnReading.h"

#include <QThread>
#include <exception>

#include "Messages.h"
#include "PgnFile.h"
#include "Utf8.h"

namespace tavolin {

PgnReading* PgnReading::start(const QString& path, PgnReader::GameHandler handler) {
    auto* reading = new PgnReading;
    QThread* thread = QThread::create(
        [reading, path, handler = std::move(handler), stop = reading->stopRequested_] {
            QString error;
            QString failure;
            bool truncated = false;
            try {
                PgnReader reader(handler);
                error = readPgnFile(path, reader, [&](qint64 read, qint64 size) {
                    emit reading->progressed(size > 0 ? static_cast<int>(read * 1000 / size)
                                                      : 1000);
                    return !*stop;
                });
                truncated = reader.truncated();
            } catch (const std::exception& thrown) {
                failure = QString::fromUtf8(thrown.what());
            } catch (...) {
                failure = fromUtf8(messages::kUnexpectedError);
            }
            emit reading->finished(error, truncated, *stop, failure);
        });
    // Both live on the interface thread, where they are deleted once the thread has ended.
    QObject::connect(thread, &QThread::finished, reading, &QObject::deleteLater);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    return reading;
}

}  // namespace tavolin
