// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tavolin {

// The texts of PGN tags.

// A blank between PGN's tokens: space, tab, a line end, vertical tab, form feed.
bool isPgnBlank(char c);

// A tag value as text: UTF-8 when its bytes are valid UTF-8, Latin-1 otherwise.
std::string pgnTextAsUtf8(std::string_view raw);

// The form of a name that comparisons use: letters in lower case (ASCII and Latin-1), runs
// of blanks as one, no blank after a comma, none at either end: "Dupont,  Jean" and
// "dupont, jean" give the same.
std::string comparableName(std::string_view utf8Name);

}  // namespace tavolin
