#include "calc/ShownValue.h"

#include "model/NumberText.h"

namespace mirota {

std::string shownValue(std::string_view text, const AreaRules& rules) {
    const auto value = ExactDecimal::fromText(text);
    return value ? shownValue(*value, rules) : std::string(text);
}

std::string shownValue(const ExactDecimal& value, const AreaRules& rules) {
    return value.fixedText(rules.decimals, rules.rounding);
}

// Through the value's general text, as it is stored: 7 significant digits.
std::string shownValue(float value, const AreaRules& rules) { return shownValue(number::singleText(value), rules); }

}  // namespace mirota
