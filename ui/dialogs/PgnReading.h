// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <memory>

#include "PgnReader.h"

namespace tavolin {

// A reading of a PGN file on a thread of its own, each game handed to `handler` there. It
// reports to the interface thread through its signals and is never waited for: stop() asks
// it to stop, and it deletes itself, with its thread, once the reading has ended. A file
// that blocks (a stalled network share) therefore never freezes a window.
class PgnReading : public QObject {
    Q_OBJECT
public:
    // A reading, not started yet: connect to it, then start() it.
    static PgnReading* create(const QString& path, PgnReader::GameHandler handler);
    void start();

    // Asks the reading to stop after the piece of the file it is reading; from any thread.
    void stop() { *stopRequested_ = true; }

    // At the program's end, before Qt goes: asks every reading still running to stop and
    // waits for them, at most `milliseconds` in all; false when one is still reading (a
    // file that blocks), which the program must not outlive Qt's objects with.
    static bool stopAll(int milliseconds);

signals:
    // Per mille of the file read.
    void progressed(int permille);
    // The reading ended: `error` is the error box's text when the file could not be read,
    // `failure` the text of an error that interrupted it (then the games are incomplete).
    void finished(const QString& error, bool truncated, bool stopped, const QString& failure);

private:
    PgnReading() = default;
    QThread* thread_ = nullptr;
    QString path_;
    PgnReader::GameHandler handler_;
    std::shared_ptr<std::atomic<bool>> stopRequested_ = std::make_shared<std::atomic<bool>>();
};

}  // namespace tavolin
