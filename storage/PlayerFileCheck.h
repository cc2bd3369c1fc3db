// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "PlayerRecord.h"

namespace tavolin {

// The look at the player file before the program works with it: a file damaged (by another
// program, a disk, a copy cut short) is told once, and kept as it was before the program
// writes over it.

// Whether a record holds what the program itself writes: a rating system 1 to 5 with a
// coefficient it knows, 0 to 50 games, each slot empty or a whole opponent's rating from
// 700 to 3000 with a score of 1, 0.5 or 0, a rating of at most four characters, a young
// flag of 0 or 1, a name of at most 20 characters without control characters.
bool isSoundRecord(const PlayerRecord& record);

struct PlayerFileDamage {
    qsizetype size = 0;               // the file's size in bytes
    bool tooShort = false;            // fewer than ten records
    std::vector<int> damagedPlayers;  // 1 to 10, among the records the file holds
    bool damaged() const { return tooShort || !damagedPlayers.empty(); }
};

// What is damaged in the player file; raises FileError when it cannot be read.
PlayerFileDamage checkPlayerFile(const QString& path);

// Copies the file as it is beside it, as "tavo.lin.abime-AAAAMMJJ-HHMMSS" (`now`, local
// time); returns the copy's path. Raises FileError when it cannot.
QString keepDamagedCopy(const QString& path, const QDateTime& now);

// Completes a file that holds fewer than ten records with blank ones; the bytes it holds
// stay as they are. Raises FileError when it cannot.
void completePlayerFile(const QString& path);

}  // namespace tavolin
