#pragma once

#include "model/SurveyData.h"

namespace mirota {

// The calculated-area and deduction totals of one list of one tier and input set, accumulated in
// single precision from the stored areas of the rows that carry one (those the grid shows).
struct TierTotals {
    float calculated = 0.0f;
    float deducted = 0.0f;

    // The net area: calculated less deducted.
    float net() const { return calculated - deducted; }
};

TierTotals UpdateTotals(const SurveyData& data, ListKind list, int tier, InputSet inputSet);
// The chain list's.
inline TierTotals UpdateTotals(const SurveyData& data, int tier, InputSet inputSet) {
    return UpdateTotals(data, ListKind::Chain, tier, inputSet);
}

}  // namespace mirota
