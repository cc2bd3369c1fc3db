// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tavolin {

// The one of a file's `names` that --player names, chosen as the window's imports choose:
// its index, or nothing after saying on `err` that none or several match (with their names).
std::optional<std::size_t> namedPlayerIndex(const std::string& wanted,
                                            const std::vector<std::string>& names,
                                            const std::string& file, std::ostream& err);

}  // namespace tavolin
