// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace tavolin {

// A file opened from the desktop while the program already runs on the same players'
// folder goes to that program, which imports it, rather than being refused: the second
// start hands the file over through a local socket named after the folder, in the user's
// own runtime folder, and ends.

// The socket's name for a players' folder: one per folder and per user.
QString handOffSocketName(const QString& playersFolder);

// Hands `file` to the program running on `playersFolder`; true once it has taken it.
bool handFileToRunningProgram(const QString& playersFolder, const QString& file);

// Takes the files handed over to the program running on `playersFolder`, each to `open`.
// Only the program that holds the folder's lock listens, so a socket left by a program
// that died is replaced.
class FileHandOffServer : public QObject {
    Q_OBJECT
public:
    FileHandOffServer(const QString& playersFolder, std::function<void(const QString&)> open,
                      QObject* parent = nullptr);
    bool listening() const;

private:
    void takeConnection();

    QLocalServer* server_;
    std::function<void(const QString&)> open_;
};

}  // namespace tavolin
