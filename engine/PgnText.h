// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tavolin {

// The texts of PGN tags.

// A blank between PGN's tokens: space, tab, a line end, vertical tab, form feed.
bool isPgnBlank(char c);

// Whether the bytes are valid UTF-8 (shortest forms, no surrogates, nothing past U+10FFFF).
bool isUtf8(std::string_view text);

// A tag value as UTF-8 text: its bytes when they are valid UTF-8 (a value cut at PGN's
// limit loses the incomplete character at its end), Windows-1252 otherwise, the code page
// Latin-1 files are written in. Control characters become blanks.
std::string pgnTextAsUtf8(std::string_view raw);
// Whether pgnTextAsUtf8() gives `raw` back as it is: valid UTF-8 without a control character,
// as most names are. Found without making a copy.
bool isPgnTextUtf8AsItIs(std::string_view raw);

// A PGN date ("2024.03.02", parts unknown as "??") as the French write it: "02/03/2024",
// unknown parts as "??". A text that is no such date is given back as it is.
std::string frenchDate(std::string_view pgnDate);

// The same in the order of the language shown: "02/03/2024" in French, "03/02/2024" in
// English, as its dates are written ("MM/dd/yyyy").
std::string shownPgnDate(std::string_view pgnDate);

}  // namespace tavolin
