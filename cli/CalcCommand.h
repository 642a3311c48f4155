#pragma once

#include "cli/CliSupport.h"

namespace mirota::cli {

// Calculates every area and prints the stored results and the totals of each tier as one JSON object.
int runCalc(const DocumentOptions& options);

}  // namespace mirota::cli
