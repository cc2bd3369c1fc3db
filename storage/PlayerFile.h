// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <functional>

#include "PlayerRecord.h"

namespace tavolin {

// The player file's bytes, whatever their number; raises FileError when it cannot be read.
QByteArray readPlayerFileBytes(const QString& path);

// The player file: ten records of 848 bytes, without header. It is opened, used and closed
// within each operation; every failure raises FileError.
class PlayerFile {
public:
    explicit PlayerFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // The ten records; fails when the file holds fewer.
    std::array<PlayerRecord, kPlayerCount> readAll() const;

    // Replaces record `number` (1 to 10). The new contents go to a temporary file that then
    // replaces the old one, so that a save cut short (the program killed, the disk full)
    // leaves the old file whole; the other records, any bytes past the tenth and the file's
    // permissions stay as they were. A record that holds what the file holds writes nothing.
    void writeRecord(int number, const PlayerRecord& record) const;

    // Called with the new contents written but not yet in place; tests use it to stop a save
    // halfway.
    void setBeforeReplace(std::function<void()> hook) { beforeReplace_ = std::move(hook); }

private:
    QByteArray readWhole() const;

    QString path_;
    std::function<void()> beforeReplace_;
};

}  // namespace tavolin
