#pragma once

#include <nlohmann/json.hpp>

#include "calc/AreaRules.h"
#include "calc/DocumentSummary.h"

namespace mirota::cli {

// The document summary as calc prints it in JSON, every value a text in square metres with the rules' digits and rounding:
// [design, measured], each {"tiers": [{"chain": {...}, "exception": {...}, "net"}, ...], "total": {"calc", "deduct", "net"}, "registered": text or null, "tsubo": text}; a list's object also
// names the figures (from 1) left out of it in "left_out".
nlohmann::ordered_json summaryJson(const DocumentSummary& summary, const AreaRules& rules);

}  // namespace mirota::cli
