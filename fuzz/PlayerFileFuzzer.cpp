// SPDX-License-Identifier: GPL-3.0-or-later
// The player file as the program meets it at start-up and at every load: any bytes, checked
// for damage, completed when short, each of the ten players loaded, the last saved back.
#include <cstddef>
#include <cstdint>

#include "FileError.h"
#include "FuzzFile.h"
#include "PlayerFile.h"
#include "PlayerFileCheck.h"
#include "PlayerSession.h"

using namespace tavolin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path =
        fuzzing::writeInput(QStringLiteral("tavo.lin"), fuzzing::bytesOf(data, size));
    try {
        const PlayerFileDamage damage = checkPlayerFile(path);
        if (damage.tooShort) {
            completePlayerFile(path);
        }
        PlayerSession session(path);
        for (int player = 1; player <= kPlayerCount; ++player) {
            session.load(player);
            fuzzing::require(session.games().count >= 0 && session.games().count <= 50);
            (void)session.gameListText().lines();
        }
        // Saved back as the one on screen when the user leaves him (one save: each replaces
        // the whole file).
        session.saveOnLeaving();
        // Read back as the next start-up would.
        for (const PlayerRecord& record : PlayerFile(path).readAll()) {
            (void)isSoundRecord(record);
        }
    } catch (const FileError&) {
        // A file the program refuses, with its message: the expected end for some inputs.
    }
    return 0;
}
