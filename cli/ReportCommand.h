#pragma once

#include <optional>
#include <string>

#include "cli/CliSupport.h"

namespace mirota::cli {

struct ReportOptions {
    DocumentOptions document;
    std::string output;
    std::string form = "heron";          // heron, sansha
    std::string paper = "a4";            // a4, a3
    std::string rounding = "half-up";    // half-up, down, up
    std::string sum = "stored";          // stored, shown
    std::string registered = "none";     // none, residential, other, floor
    // The title block's fields in place of those the document keeps.
    std::optional<std::string> location;
    std::optional<std::string> lot;
    std::optional<std::string> landUse;
    std::optional<std::string> author;
    double scale = 0.0;                  // the development's 1:scale; 0 chooses it
};

// Calculates every area and writes the area calculation sheet (求積表) as a PDF file. Figures that cannot
// be calculated are marked on the sheet and left out of its totals; they are named on standard error and
// the status is 1, the sheet written all the same.
int runReport(const ReportOptions& options);

}  // namespace mirota::cli
