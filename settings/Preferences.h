#pragma once

#include <string>
#include <vector>

#include "model/OptionFlags.h"

namespace mirota {

// Window size in twips and state (0 normal, 1 minimised, 2 maximised), kept across runs.
struct WindowGeometry {
    int width = 0;
    int height = 0;
    int state = 0;
};

// The user's persistent preferences. The initial values are the process's own starting state; a value
// missing from an existing settings key leaves them as they are.
struct Preferences {
    OptionFlags optionFlags;
    std::string stationPrefix;          // shown before the figure number
    std::string digitsFormat;           // "0." followed by 0 to 5 zeros
    bool extWindowPos = false;          // exception pane: false under the chain pane, true to its right
    bool showPreview = true;            // the development preview beside the grids
    std::vector<std::string> recentFiles;  // the File menu's last documents, most recent first
    WindowGeometry windowGeometry;
    std::string drawingOutput = "engine";  // how drawings reach the CAD program: engine, dde or script
};

}  // namespace mirota
