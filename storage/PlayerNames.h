// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin {

// Player names matched as a person matches them: case folded by Unicode's rules, accents
// ignored, runs of blanks as one, no blank around a comma, and either order around the
// comma ("Hélène Lefèvre" is "Lefèvre, Hélène").

// The form in which the spellings of one name are the same: "lefevre,helene".
QString nameKey(const QString& name);
std::string utf8NameKey(std::string_view utf8Name);

enum class NameMatch {
    None,
    Prefix,  // `wanted` is a name cut at the player file's 20 characters, `candidate` goes on
    Exact,
};

// How `candidate` (a name of a PGN file) matches `wanted` (the name the player is known by).
NameMatch matchName(const QString& wanted, const QString& candidate);

// Which of `candidates` is the player `wanted`: the one that matches best. None when none
// matches, or when several match equally well; `tied` then lists them (indexes).
struct PlayerChoice {
    int chosen = -1;
    std::vector<int> tied;
};
PlayerChoice choosePlayer(const QString& wanted, const QStringList& candidates);

// How a message names player `slot` (1 to 10): his name, or "joueur 3" when he has none.
QString playerCalled(int slot, const QString& name);

}  // namespace tavolin
