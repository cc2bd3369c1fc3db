// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace tavolin {

// What a search of FIDE's list typed by the user asks for.

// The FIDE ID of a text of five digits or more (blanks around allowed); none otherwise. An ID
// longer than the list's nine digits is none of its players: 0.
std::optional<quint32> fideIdOfSearch(const QString& text);

// The full-text query of the words of `text`: each one a prefix ("word"*), all of them
// required, in any order. Words are runs of letters and digits, as the index cuts names (an
// accent's mark left alone after composing ends a word), so
// quotes, stars, dashes, parentheses and the index's operators (OR, NOT, NEAR) typed by the
// user are words or blanks, never syntax. Empty when the text has no word.
QString fideListMatchQuery(const QString& text);

}  // namespace tavolin
