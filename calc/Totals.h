#pragma once

#include <functional>
#include <vector>

#include "calc/AreaRules.h"
#include "calc/ExactDecimal.h"
#include "model/SurveyData.h"

namespace mirota {

// The calculated-area and deduction totals of one list of one tier and input set, accumulated in
// single precision from the stored areas of the rows that carry one (those the grid shows).
struct TierTotals {
    float calculated = 0.0f;
    float deducted = 0.0f;
    // The figures (from 0) whose values could not be calculated: counted in neither total.
    std::vector<int> leftOut;

    // The net area: calculated less deducted.
    float net() const { return calculated - deducted; }
};

TierTotals UpdateTotals(const SurveyData& data, ListKind list, int tier, InputSet inputSet);
// The chain list's.
inline TierTotals UpdateTotals(const SurveyData& data, int tier, InputSet inputSet) {
    return UpdateTotals(data, ListKind::Chain, tier, inputSet);
}

// Calculated and deducted areas held exactly, and what they add up to.
struct AreaSums {
    ExactDecimal calculated;
    ExactDecimal deducted;

    ExactDecimal net() const { return calculated - deducted; }
    AreaSums& operator+=(const AreaSums& other);
};

// The totals of one list of one tier and input set by the sum rule: the single-precision totals above
// for the stored values, or the exact sum of every area as the rules show it.
struct ListTotals {
    AreaSums sums;
    std::vector<int> leftOut;
};
ListTotals ListTotalsByRule(const SurveyData& data, ListKind list, int tier, InputSet inputSet, const AreaRules& rules);
// The same rows counted with areas of another form (the 三斜 form's hand-calculated ones), given row by
// row: by the stored rule their exact sum, by the shown rule the sum of the areas as the rules show them.
ListTotals ListTotalsOfAreas(const SurveyData& data, ListKind list, int tier, InputSet inputSet, const AreaRules& rules,
                             const std::function<ExactDecimal(int row)>& areaOf);

}  // namespace mirota
