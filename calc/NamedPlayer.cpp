// SPDX-License-Identifier: GPL-3.0-or-later
#include "NamedPlayer.h"

#include <QStringList>

#include "FilledMessage.h"
#include "PlayerNames.h"
#include "UserMessages.h"

namespace tavolin {

std::optional<std::size_t> namedPlayerIndex(const std::string& wanted,
                                            const std::vector<std::string>& names,
                                            const std::string& file, std::ostream& err) {
    QStringList candidates;
    candidates.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names) {
        candidates.append(QString::fromStdString(name));
    }
    const PlayerChoice choice = choosePlayer(QString::fromStdString(wanted), candidates);
    if (choice.chosen >= 0) {
        return static_cast<std::size_t>(choice.chosen);
    }
    if (choice.tied.empty()) {
        err << filledMessage(messages::kPgnNoPlayerNamed, wanted, file) << '\n';
        return std::nullopt;
    }
    std::string tied;
    for (const int index : choice.tied) {
        tied += (tied.empty() ? "" : " ; ") + names.at(static_cast<std::size_t>(index));
    }
    err << filledMessage(messages::kPgnSeveralPlayersNamed, wanted, file, tied) << '\n';
    return std::nullopt;
}

}  // namespace tavolin
