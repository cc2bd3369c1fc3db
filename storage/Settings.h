#pragma once

namespace tavolin {

// The five switches of the Options window. All off until the settings file has been read,
// and off whenever the file or a key is missing.
struct Settings {
    bool effacement = false;     // empty the entry fields after use
    bool interpolation = false;  // ELO and INJES convert by the normal curve
    bool arrondi = false;        // round the new rating to the tens
    bool aide = false;           // show the tooltips of the main window
    bool autocalcul = false;     // recalculate after loading, deleting, switching
};

}  // namespace tavolin
