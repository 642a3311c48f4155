#pragma once

#include "cli/CliSupport.h"

namespace mirota::cli {

struct RequestsOptions {
    DocumentOptions document;
    DrawingRuleOptions rules;
};

// Runs the whole drawing into a recording link and prints every execute request as one JSON string a line.
int runRequests(const RequestsOptions& options);

}  // namespace mirota::cli
