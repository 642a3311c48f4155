#include "calc/DocumentSummary.h"

#include <algorithm>
#include <utility>

namespace mirota {

bool InputSetSummary::complete() const {
    return std::ranges::all_of(tiers, [](const TierSummary& tier) { return tier.complete(); });
}

InputSetSummary summarizeTiers(std::vector<TierSummary> tiers, DisplayUnit unit, const AreaRules& rules) {
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
    summary.registered = registeredAreaOf(rules.registered, net, floors);
    summary.tsubo = tsubo(net);
    return summary;
}

InputSetSummary summarizeInputSet(const SurveyData& data, InputSet inputSet, const AreaRules& rules) {
    std::vector<TierSummary> tiers;
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        tiers.push_back({listTotalsByRule(data, ListKind::Chain, tier, inputSet, rules),
                         listTotalsByRule(data, ListKind::Exception, tier, inputSet, rules)});
    }
    return summarizeTiers(std::move(tiers), data.conditions.displayUnit, rules);
}

DocumentSummary summarizeDocument(const SurveyData& data, const AreaRules& rules) {
    return {{summarizeInputSet(data, InputSet::Design, rules), summarizeInputSet(data, InputSet::Measured, rules)}};
}

}  // namespace mirota
