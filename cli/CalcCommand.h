#pragma once

#include <string>

#include "calc/AreaRules.h"
#include "cli/CliSupport.h"

namespace mirota::cli {

// calc's own options besides the document's.
struct CalcOptions {
    DocumentOptions document;
    bool keepGoing = false;              // calculate past faulty figures and name them all
    std::string rounding = "half-up";    // half-up, down, up
    std::string sum = "stored";          // stored, shown
    std::string registered;              // none, residential, other, floor; empty when not asked
    bool summary = false;                // print the document summary (also when a registered class is asked)

    AreaRules rules() const;
    bool printsSummary() const { return summary || !registered.empty(); }
};

// Calculates every area and prints the stored results and the totals of each tier: as one JSON object,
// as an aligned table per tier (design and measured rows of the chain list, then the totals), or as
// the same rows in CSV with a header line, as the options' format says; the computed values shown and
// the totals by the rounding and sum rules, and the document summary when asked.
// A faulty figure ends the command with its message, unless keepGoing: then every valid figure is
// printed, every fault named on standard error, and the status is 1.
int runCalc(const CalcOptions& options);

}  // namespace mirota::cli
