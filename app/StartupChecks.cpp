// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupChecks.h"

#include <QFile>
#include <QStringList>

#include "FileError.h"
#include "FileFailure.h"
#include "MessageBoxes.h"
#include "PlayerFileCheck.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

void tellDamagedPlayerFile(MessageBoxes& boxes, const QString& path, const QDateTime& now) {
    PlayerFileDamage damage;
    try {
        damage = checkPlayerFile(path);
    } catch (const FileError& error) {
        boxes.error(nullptr, QString::fromUtf8(error.what()));
        return;
    }
    if (!damage.damaged()) {
        return;
    }
    QStringList said;
    if (!damage.damagedPlayers.empty()) {
        QStringList players;
        for (const int player : damage.damagedPlayers) {
            players.append(QString::number(player));
        }
        said.append(fromUtf8(messages::kPlayerFileDamaged)
                        .arg(fullPath(path), players.join(QStringLiteral(", "))));
    }
    if (damage.tooShort) {
        said.append(fromUtf8(messages::kPlayerFileCut)
                        .arg(fullPath(path), QString::number(damage.size),
                             QString::number(qsizetype{kPlayerCount} * kRecordSize)));
    }
    try {
        said.append(fromUtf8(messages::kDamagedCopyKept).arg(keepDamagedCopy(path, now)));
        if (damage.tooShort) {
            completePlayerFile(path);
        }
    } catch (const FileError& error) {
        said.append(fromUtf8(messages::kDamagedCopyFailed).arg(QString::fromUtf8(error.what())));
    }
    boxes.warning(nullptr, said.join(QLatin1Char('\n')));
}

void tellUnreadableSettings(MessageBoxes& boxes, const QString& path) {
    QFile file(path);
    if (!file.exists() || file.open(QIODevice::ReadOnly)) {
        return;
    }
    boxes.warning(nullptr, fromUtf8(messages::kSettingsUnreadable).arg(cannotReadText(path)));
}

}  // namespace tavolin
