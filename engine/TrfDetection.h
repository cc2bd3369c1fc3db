// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tavolin {

// Whether a file's first bytes are a tournament report's: its first line that holds
// anything but a comment ("###") starts with a record code ("012", "001", "013", "042"...)
// and a blank. A report
// saved as ".txt" is known by this, and a text that merely starts with a number is not.
bool looksLikeTrf(std::string_view firstBytes);

}  // namespace tavolin
