// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerFileCheck.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "FileError.h"
#include "FileFailure.h"
#include "PlayerFile.h"
#include "RatingSystem.h"
#include "UserFolders.h"
#include "WholeFile.h"

namespace tavolin {

namespace {

constexpr qsizetype kFileSize = qsizetype{kPlayerCount} * kRecordSize;

bool isSoundGame(const GameEntry& game) {
    if (game.opponentRating == 0 && game.score == 0) {
        return true;  // an empty slot
    }
    return game.opponentRating >= 700 && game.opponentRating <= 3000 &&
           game.opponentRating == std::floor(game.opponentRating) &&
           (game.score == kWinScore || game.score == kDrawScore || game.score == kLossScore);
}

bool isSoundName(const PlayerRecord::Bytes& bytes) {
    const int length = bytes[0];
    if (length > kNameLength) {
        return false;
    }
    // Control characters, and the five bytes Windows-1252 leaves undefined.
    return std::none_of(bytes.begin() + 1, bytes.begin() + 1 + length, [](std::uint8_t byte) {
        return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
               byte == 0x90 || byte == 0x9D;
    });
}

bool isKnownCoefficient(std::int32_t system, std::int32_t coefficient) {
    if (system == static_cast<std::int32_t>(RatingSystem::Fide2024)) {
        return coefficient == 40 || coefficient == 20 || coefficient == 10;
    }
    return coefficient == 10 || coefficient == 15 || coefficient == 25;
}

}  // namespace

bool isSoundRecord(const PlayerRecord& record) {
    const std::int32_t system = record.system();
    const auto games = record.games();
    return isRatingSystem(system) && isKnownCoefficient(system, record.coefficient()) &&
           record.gameCount() >= 0 && record.gameCount() <= kMaxGames && record.rating() >= -999 &&
           record.rating() <= 9999 && record.bytes()[32] <= 1 && isSoundName(record.bytes()) &&
           std::all_of(games.begin(), games.end(), isSoundGame);
}

PlayerFileDamage checkPlayerFile(const QString& path) {
    const QByteArray contents = readPlayerFileBytes(path);
    PlayerFileDamage damage;
    damage.size = contents.size();
    damage.tooShort = contents.size() < kFileSize;
    for (int player = 1; player <= kPlayerCount; ++player) {
        const qsizetype offset = qsizetype{player - 1} * kRecordSize;
        if (offset + kRecordSize > contents.size()) {
            break;
        }
        PlayerRecord::Bytes bytes;
        std::copy_n(contents.constData() + offset, kRecordSize, bytes.begin());
        if (!isSoundRecord(PlayerRecord(bytes))) {
            damage.damagedPlayers.push_back(player);
        }
    }
    return damage;
}

QString keepDamagedCopy(const QString& path, const QDateTime& now) {
    const QString copy =
        path + QStringLiteral(".abime-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QFile::remove(copy);  // a copy of the same second is of the same file
    if (!QFile::copy(path, copy)) {
        throw cannotWriteError(copy, QFileInfo(path).size());
    }
    return QFileInfo(copy).absoluteFilePath();
}

void completePlayerFile(const QString& path) {
    QByteArray contents = readPlayerFileBytes(path);
    if (contents.size() >= kFileSize) {
        return;
    }
    // A record cut short keeps its bytes; the blank record's bytes complete it.
    contents.append(blankPlayerFileContents().mid(contents.size(), kFileSize - contents.size()));
    writeWholeFile(path, contents);
}

}  // namespace tavolin
