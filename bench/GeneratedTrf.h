// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavolin::bench {

// Tournament reports of about `megabytes` MB in all, one after the other in one file in /tmp,
// made on the first call and kept for the next runs: Swiss events of 2,000 players and 11
// rounds, with the records arbiters' programs write, a third of the names in UTF-8 with
// accents, unrated players, byes, forfeits and withdrawals.
std::string generatedTrfFile(long megabytes);

// Where each event of the file starts: at each of its "012" records.
std::vector<std::string_view> trfEventsOf(std::string_view file);

}  // namespace tavolin::bench
