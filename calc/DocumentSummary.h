#pragma once

#include <array>
#include <optional>
#include <vector>

#include "calc/AreaRules.h"
#include "calc/RegisteredArea.h"
#include "calc/Totals.h"
#include "model/SurveyData.h"

namespace mirota {

// The totals of one tier and input set: the chain's and the exception list's.
struct TierSummary {
    ListTotals chain;
    ListTotals exception;

    ExactDecimal net() const { return chain.sums.net() + exception.sums.net(); }
    bool complete() const { return chain.leftOut.empty() && exception.leftOut.empty(); }
};

// What one input set of the whole document adds up to, by the rules: every tier, the grand total over
// all tiers and both lists (in the document's area unit), the registered area asked for and the net in
// 坪 (both from square metres).
struct InputSetSummary {
    std::vector<TierSummary> tiers;
    AreaSums total;
    std::optional<RegisteredArea> registered;
    ExactDecimal tsubo;
    DisplayUnit unit = DisplayUnit::Metre;

    bool complete() const;
    // An area of the document's unit in square metres, as the summary shows every value.
    ExactDecimal squareMetres(const ExactDecimal& area) const { return mirota::squareMetres(area, unit); }
};

struct DocumentSummary {
    std::array<InputSetSummary, 2> inputSets;  // design, measured

    const InputSetSummary& of(InputSet set) const { return inputSets[static_cast<std::size_t>(set)]; }
};

// What the tiers' totals add up to in the document's area unit: the grand total, 坪 and the registered area.
InputSetSummary summarizeTiers(std::vector<TierSummary> tiers, DisplayUnit unit, const AreaRules& rules);
InputSetSummary summarizeInputSet(const SurveyData& data, InputSet inputSet, const AreaRules& rules);
DocumentSummary summarizeDocument(const SurveyData& data, const AreaRules& rules);

}  // namespace mirota
