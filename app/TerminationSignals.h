// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace tavolin {

// SIGTERM, SIGHUP and SIGINT, delivered as a Qt signal in the event loop. A signal handler
// may call nothing of Qt: it writes the signal's number into a socket pair, whose other end
// a QSocketNotifier watches. One instance at a time; the handlers are put back as they
// were when it is destroyed.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    void readSignal();

    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tavolin
