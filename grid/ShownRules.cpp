#include "grid/ShownRules.h"

#include "model/NumberText.h"

namespace mirota {

AreaRules areaRulesOf(const Preferences& prefs) {
    AreaRules rules;
    rules.decimals = number::decimalsOf(prefs.digitsFormat);
    rules.rounding = roundingRuleNamed(prefs.roundingRule).value_or(rules.rounding);
    rules.sum = sumRuleNamed(prefs.sumRule).value_or(rules.sum);
    rules.registered = registeredClassNamed(prefs.registeredClass).value_or(rules.registered);
    return rules;
}

}  // namespace mirota
