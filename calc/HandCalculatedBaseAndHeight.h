#pragma once

#include <optional>

#include "calc/AreaRules.h"
#include "calc/DocumentSummary.h"
#include "calc/ExactDecimal.h"
#include "model/SurveyData.h"

namespace mirota {

// A triangle of the chain written in the 三斜 form as a hand calculation writes it: the base (the longest
// side) and the height (2 × area ÷ base) shown by the rules' digits and rounding, and 倍面積 the exact
// product of the two as shown.
struct HandCalculatedTriangle {
    int baseSide = 0;  // 0, 1, 2: side A, B, C
    ExactDecimal base;
    ExactDecimal height;
    ExactDecimal doubleArea;
};

// For a chain row with its three sides and its calculated area; nothing for any other row.
std::optional<HandCalculatedTriangle> handCalculatedTriangle(const SurveyData& data, int tier, int row,
                                                             const AreaRules& rules);

// The 三斜 form's totals of a tier's chain, as the hand calculation adds them: 倍面積合計 of the calculated
// and of the deducted figures, exactly, and the areas each 倍面積合計 ÷ 2 rounded once by the rules
// (whatever the sum rule: no row is halved or rounded on its own).
struct HandCalculatedTotals {
    AreaSums doubleAreas;
    ListTotals areas;
};
HandCalculatedTotals handCalculatedTotals(const SurveyData& data, int tier, InputSet inputSet, const AreaRules& rules);

// What an input set adds up to when its chain figures are written in the 三斜 form: each chain's areas
// from handCalculatedTotals, the exception lists, the grand total and the registered area as
// summarizeInputSet gives them.
InputSetSummary summarizeInputSetByBaseAndHeight(const SurveyData& data, InputSet inputSet, const AreaRules& rules);

}  // namespace mirota
