// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminationSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace tavolin {

namespace {

constexpr std::array kWatchedSignals{SIGTERM, SIGHUP, SIGINT};

// [0] is written by the handler, [1] read in the event loop.
int socketPair[2] = {-1, -1};
struct sigaction previousActions[kWatchedSignals.size()];

void writeSignalNumber(int signalNumber) {
    const int savedErrno = errno;  // the interrupted code may be looking at errno
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(socketPair[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, socketPair) != 0) {
        throw std::runtime_error("socketpair failed");
    }
    notifier_ = std::make_unique<QSocketNotifier>(socketPair[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::readSignal);

    struct sigaction action = {};
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t k = 0; k < kWatchedSignals.size(); ++k) {
        ::sigaction(kWatchedSignals[k], &action, &previousActions[k]);
    }
}

TerminationSignals::~TerminationSignals() {
    for (std::size_t k = 0; k < kWatchedSignals.size(); ++k) {
        ::sigaction(kWatchedSignals[k], &previousActions[k], nullptr);
    }
    notifier_.reset();
    ::close(socketPair[0]);
    ::close(socketPair[1]);
    socketPair[0] = socketPair[1] = -1;
}

void TerminationSignals::readSignal() {
    unsigned char byte = 0;
    while (::read(socketPair[1], &byte, 1) == 1) {
        emit received(byte);
    }
}

}  // namespace tavolin
