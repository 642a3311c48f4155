#include "calc/DocumentSummary.h"

#include <algorithm>
#include <utility>

namespace mirota {

bool InputSetSummary::complete() const {
    return std::ranges::all_of(tiers, [](const TierSummary& tier) { return tier.complete(); });
}

InputSetSummary SummarizeTiers(std::vector<TierSummary> tiers, DisplayUnit unit, const AreaRules& rules) {
    InputSetSummary summary;
    summary.tiers = std::move(tiers);
    summary.unit = unit;
    std::vector<ExactDecimal> floors;
    for (const TierSummary& tier : summary.tiers) {
        summary.total += tier.chain.sums;
        summary.total += tier.exception.sums;
        floors.push_back(squareMetres(tier.net(), unit));
    }
    const ExactDecimal net = squareMetres(summary.total.net(), unit);
    summary.registered = RegisteredAreaOf(rules.registered, net, floors);
    summary.tsubo = tsubo(net);
    return summary;
}

InputSetSummary SummarizeInputSet(const SurveyData& data, InputSet inputSet, const AreaRules& rules) {
    std::vector<TierSummary> tiers;
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        tiers.push_back({ListTotalsByRule(data, ListKind::Chain, tier, inputSet, rules),
                         ListTotalsByRule(data, ListKind::Exception, tier, inputSet, rules)});
    }
    return SummarizeTiers(std::move(tiers), data.conditions.displayUnit, rules);
}

DocumentSummary SummarizeDocument(const SurveyData& data, const AreaRules& rules) {
    return {{SummarizeInputSet(data, InputSet::Design, rules), SummarizeInputSet(data, InputSet::Measured, rules)}};
}

}  // namespace mirota
