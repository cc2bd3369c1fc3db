// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "CalcArguments.h"

namespace tavolin {

// tavolin-calc's uses of FIDE's rating list, each returning the exit status: 0 done, 1 the
// list or its file refused (the program's message on the error output).

// --fide-find: at most 20 players, a line each, "ID<TAB>NAME<TAB>FED<TAB>TITLE<TAB>STANDARD
// <TAB>K<TAB>RAPID<TAB>BLITZ<TAB>BIRTH<TAB>FLAG"; a number of 0 (unrated, unknown) is an empty
// field. No line when no player matches.
int findInFideList(const CalcOptions& options, std::ostream& out, std::ostream& err);

// --fide-list-import: "PLAYERS<TAB>MONTH" once the list is in the database; the lines left
// out are counted on the error output.
int importFideListFile(const CalcOptions& options, std::ostream& out, std::ostream& err);

// --fide-list-download [ADDRESS]: downloads the list (FIDE's address by default), asking with
// the date of the list in use, and imports it as --fide-list-import does; the megabytes
// received on the error output. A list already the latest is said, with status 0; a failure
// leaves the list in use whole, with status 1.
int downloadFideListCommand(const CalcOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tavolin
