#pragma once

#include <string>
#include <string_view>

#include "calc/AreaRules.h"
#include "calc/ExactDecimal.h"

namespace mirota {

// A computed value as shown: brought to the rules' decimals by their rounding rule. A text that is no
// number (empty, a name) is shown as it is.
std::string shownValue(std::string_view text, const AreaRules& rules);
std::string shownValue(const ExactDecimal& value, const AreaRules& rules);

}  // namespace mirota
