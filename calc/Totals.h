#pragma once

#include <functional>
#include <vector>

#include "calc/AreaRules.h"
#include "calc/ExactDecimal.h"
#include "model/SurveyData.h"

namespace mirota {

// Calculated and deducted areas held exactly, and what they add up to.
struct AreaSums {
    ExactDecimal calculated;
    ExactDecimal deducted;

    ExactDecimal net() const { return calculated - deducted; }
    AreaSums& operator+=(const AreaSums& other);
};

// The totals of one list of one tier and input set by the sum rule: the exact sum of the stored areas,
// or of every area as the rules show it. The figures (from 0) whose values could not be calculated are
// counted in neither total.
struct ListTotals {
    AreaSums sums;
    std::vector<int> leftOut;
};
ListTotals listTotalsByRule(const SurveyData& data, ListKind list, int tier, InputSet inputSet, const AreaRules& rules);
// The exact sums of the stored areas (the two total boxes of a list).
ListTotals updateTotals(const SurveyData& data, ListKind list, int tier, InputSet inputSet);
// The chain list's.
inline ListTotals updateTotals(const SurveyData& data, int tier, InputSet inputSet) {
    return updateTotals(data, ListKind::Chain, tier, inputSet);
}
// The same rows counted with areas of another form (the 三斜 form's hand-calculated ones), given row by
// row: by the stored rule their exact sum, by the shown rule the sum of the areas as the rules show them.
ListTotals listTotalsOfAreas(const SurveyData& data, ListKind list, int tier, InputSet inputSet, const AreaRules& rules,
                             const std::function<ExactDecimal(int row)>& areaOf);

}  // namespace mirota
