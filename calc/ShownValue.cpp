#include "calc/ShownValue.h"

namespace mirota {

std::string shownValue(std::string_view text, const AreaRules& rules) {
    const auto value = ExactDecimal::fromText(text);
    return value ? shownValue(*value, rules) : std::string(text);
}

std::string shownValue(const ExactDecimal& value, const AreaRules& rules) {
    return value.fixedText(rules.decimals, rules.rounding);
}

}  // namespace mirota
