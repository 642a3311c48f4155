#pragma once

#include "cli/CliSupport.h"

namespace mirota::cli {

// Runs the whole drawing into a recording link and prints every execute request as one JSON string a line.
int runRequests(const DocumentOptions& options);

}  // namespace mirota::cli
