#include "calc/DocumentSummary.h"

#include <algorithm>

namespace mirota {

bool InputSetSummary::complete() const {
    return std::ranges::all_of(tiers, [](const TierSummary& tier) { return tier.complete(); });
}

InputSetSummary SummarizeInputSet(const SurveyData& data, InputSet inputSet, const AreaRules& rules) {
    InputSetSummary summary;
    std::vector<ExactDecimal> floors;
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        TierSummary& added = summary.tiers.emplace_back(
            TierSummary{ListTotalsByRule(data, ListKind::Chain, tier, inputSet, rules),
                        ListTotalsByRule(data, ListKind::Exception, tier, inputSet, rules)});
        summary.total += added.chain.sums;
        summary.total += added.exception.sums;
        floors.push_back(squareMetres(added.net(), data.conditions.displayUnit));
    }
    const ExactDecimal net = squareMetres(summary.total.net(), data.conditions.displayUnit);
    summary.registered = RegisteredAreaOf(rules.registered, net, floors);
    summary.tsubo = tsubo(net);
    return summary;
}

DocumentSummary SummarizeDocument(const SurveyData& data, const AreaRules& rules) {
    return {{SummarizeInputSet(data, InputSet::Design, rules), SummarizeInputSet(data, InputSet::Measured, rules)}};
}

}  // namespace mirota
