#include "cli/SummaryOutput.h"

#include "calc/ShownValue.h"

namespace mirota::cli {

namespace {

using Json = nlohmann::ordered_json;

Json sumsJson(const AreaSums& sums, const AreaRules& rules) {
    return {{"calc", shownValue(sums.calculated, rules)},
            {"deduct", shownValue(sums.deducted, rules)},
            {"net", shownValue(sums.net(), rules)}};
}

Json listJson(const ListTotals& totals, const AreaRules& rules) {
    Json list = sumsJson(totals.sums, rules);
    Json leftOut = Json::array();
    for (int figure : totals.leftOut) leftOut.push_back(figure + 1);
    list["left_out"] = leftOut;
    return list;
}

}  // namespace

Json summaryJson(const DocumentSummary& summary, const AreaRules& rules) {
    Json sets = Json::array();
    for (const InputSetSummary& set : summary.inputSets) {
        Json tiers = Json::array();
        for (const TierSummary& tier : set.tiers) {
            tiers.push_back({{"chain", listJson(tier.chain, rules)},
                             {"exception", listJson(tier.exception, rules)},
                             {"net", shownValue(tier.net(), rules)}});
        }
        sets.push_back({{"tiers", tiers},
                        {"total", sumsJson(set.total, rules)},
                        {"registered", set.registered ? Json(set.registered->text()) : Json(nullptr)},
                        {"tsubo", shownValue(set.tsubo, rules)}});
    }
    return sets;
}

}  // namespace mirota::cli
