#pragma once

#include "model/SurveyData.h"

namespace mirota {

// The calculated-area and deduction totals of the chain list of one tier and input set,
// accumulated in single precision from the stored areas.
struct TierTotals {
    float calculated = 0.0f;
    float deducted = 0.0f;
};

TierTotals UpdateTotals(const SurveyData& data, int tier, InputSet inputSet);

}  // namespace mirota
