// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "CalcArguments.h"
#include "GameEntry.h"

namespace tavolin {

// tavolin-calc's reading of a tournament report (--trf).

// --trf without --player: the event's players in file order, a line each,
// "RANK<TAB>NAME<TAB>RATING<TAB>POINTS", the rating empty when the line has none. Returns
// the exit status: 0 listed, 1 the file refused (why on `err`).
int listTrfPlayers(const CalcOptions& options, std::ostream& out, std::ostream& err);

// The --player's rated games, as the window's import takes them, and the rating the
// calculation starts from: -r's when given, otherwise the one on his line. The rounds left
// out are told on `err`; nothing after saying why no game can be taken.
struct TrfCalculationGames {
    std::vector<GameEntry> games;
    std::string ratingText;
};
std::optional<TrfCalculationGames> trfCalculationGames(const CalcOptions& options,
                                                       std::ostream& err);

}  // namespace tavolin
