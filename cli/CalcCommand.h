#pragma once

#include "cli/CliSupport.h"

namespace mirota::cli {

// Calculates every area and prints the stored results and the totals of each tier: as one JSON object,
// as an aligned table per tier (design and measured rows of the chain list, then the totals), or as
// the same rows in CSV with a header line, as the options' format says.
int runCalc(const DocumentOptions& options);

}  // namespace mirota::cli
