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
    std::string digitsFormat;           // 桁数 of computed values: "0." followed by 0 to 5 zeros
    std::string sideDigitsFormat;       // 辺の桁数 of typed sides and elements; empty: as digitsFormat
    bool extWindowPos = false;          // exception pane: false under the chain pane, true to its right
    bool showPreview = true;            // the development preview beside the grids
    std::vector<std::string> recentFiles;  // the File menu's last documents, most recent first
    WindowGeometry windowGeometry;
    std::string drawingOutput = "engine";  // how drawings reach the CAD program: engine, dde or script
    // How computed values are shown and added up, by the names the calculation knows them by.
    std::string roundingRule = "half-up";  // 端数処理: half-up 四捨五入, down 切り捨て, up 切り上げ
    std::string sumRule = "stored";        // 合計の出し方: stored (as calculated) or shown (the shown parts)
    std::string registeredClass = "none";  // 登記面積: none, residential, other, floor
    bool showTsubo = false;                // the net in 坪 beside the square metres
    bool areaTableSummary = false;         // the drawing's area table with net lines and a closing block
    // Drawing options; they only add to the drawing, which with all of them off is the plain one.
    bool drawHeightLines = false;       // 三斜: every triangle's height to its base, with its value
    bool drawExceptionFigures = false;  // the exception list's rectangles and circles at their positions
    bool hatchDeductions = false;       // deduction figures hatched
    // The sheet dialog's last choice, by the command line's names: form heron or sansha, paper a4 or a3,
    // input set design or measured (none yet: the set being edited).
    std::string sheetForm = "heron";
    std::string sheetPaper = "a4";
    std::string sheetInputSet;

    // The format typed sides and elements are written with.
    const std::string& sideDigits() const { return sideDigitsFormat.empty() ? digitsFormat : sideDigitsFormat; }
};

// The drawing options by the names they are stored under.
struct DrawingOptionSetting {
    const char* name;
    bool Preferences::*value;
};
inline constexpr DrawingOptionSetting kDrawingOptionSettings[] = {
    {"DrawHeightLines", &Preferences::drawHeightLines},
    {"DrawExceptionFigures", &Preferences::drawExceptionFigures},
    {"HatchDeductions", &Preferences::hatchDeductions},
};

}  // namespace mirota
