// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QLocalServer;
class QLocalSocket;

namespace tavolin {

// A file opened from the desktop while the program already runs on the same players'
// folder goes to that program, which imports it, rather than being refused: the second
// start hands the file over through a local socket named after the folder, in the user's
// own runtime folder, and ends. Without a runtime folder of his own there is no hand-off:
// a socket elsewhere could be taken by another user.
//
// A message is one or more paths, each as its UTF-8 length in four bytes (big-endian)
// then its bytes, and a length of 0 after the last; the program answers "ok\n" once it has
// taken them all.

// The socket's name for a players' folder: one per folder and per user; empty when the
// user has no runtime folder of his own.
QString handOffSocketName(const QString& playersFolder);

// Hands `files` to the program running on `playersFolder`; true once it has taken them.
bool handFilesToRunningProgram(const QString& playersFolder, const QStringList& files);

// What the running program takes from anybody who connects, whatever he sends.
struct HandOffLimits {
    int connections = 8;      // open at once; more are closed at once
    int milliseconds = 5000;  // a connection's whole life
    int pathBytes = 4096;     // Linux's longest path
    int pathsPerMessage = 64;
};

// Takes the files handed over to the program running on `playersFolder`, each to `open`,
// from the user's own programs only. Only the program that holds the folder's lock
// listens, so a socket left by a program that died is replaced.
class FileHandOffServer : public QObject {
    Q_OBJECT
public:
    FileHandOffServer(const QString& playersFolder, std::function<void(const QString&)> open,
                      QObject* parent = nullptr, HandOffLimits limits = {});
    bool listening() const;
    int openConnections() const { return static_cast<int>(received_.size()); }

private:
    void takeConnection();
    void readMessage(QLocalSocket* socket);

    QLocalServer* server_;
    std::function<void(const QString&)> open_;
    HandOffLimits limits_;
    // The paths each open connection has sent so far.
    QHash<QLocalSocket*, QStringList> received_;
};

}  // namespace tavolin
