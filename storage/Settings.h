// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavolin {

// The five switches of the Options window. All off until the settings file has been read,
// and off whenever the file or a key is missing.
struct Settings {
    bool clearEntryFields = false;  // "effacement": empty the entry fields after use
    bool interpolation = false;     // "interpolation": ELO and INJES by the normal curve
    bool roundToTens = false;       // "arrondi": round the new rating to the tens
    bool showHelp = false;          // "aide": show the tooltips of the main window
    bool autoCalculate = false;     // "autocalcul": recalculate after loading, deleting, switching
};

}  // namespace tavolin
