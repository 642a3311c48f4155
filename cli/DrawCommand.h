#pragma once

#include <string>

#include "cli/CliSupport.h"

namespace mirota::cli {

struct DrawOptions {
    DocumentOptions document;
    DrawingRuleOptions rules;
    std::string output;  // empty for the CAD program over DDE
    std::string link;    // "engine", "script", "dde", or empty: by the output file, or DDE without one
    bool heightLines = false;
    bool exceptionFigures = false;
    bool deductionHatching = false;
    bool tableAsText = false;  // DXF only: the area table's inserts as plain lines and texts
};

// The whole drawing run into the chosen back end; the drawing is written by the output's extension:
// .dxf or .svg from the embedded engine, .scr from the script back end; .sim writes the laid-out
// development as SIMA points and lots instead. With DDE (Windows) the
// drawing goes to the running CAD program and there is no output file.
int runDraw(const DrawOptions& options);

// Writes the drawing template with the area-table blocks as DXF.
int runTemplate(const std::string& output);

}  // namespace mirota::cli
