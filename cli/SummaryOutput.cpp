#include "cli/SummaryOutput.h"

#include "calc/ShownValue.h"

namespace mirota::cli {

namespace {

using Json = nlohmann::ordered_json;

// Every value in square metres.
Json sumsJson(const AreaSums& sums, const InputSetSummary& set, const AreaRules& rules) {
    return {{"calc", shownValue(set.squareMetres(sums.calculated), rules)},
            {"deduct", shownValue(set.squareMetres(sums.deducted), rules)},
            {"net", shownValue(set.squareMetres(sums.net()), rules)}};
}

Json listJson(const ListTotals& totals, const InputSetSummary& set, const AreaRules& rules) {
    Json list = sumsJson(totals.sums, set, rules);
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
            tiers.push_back({{"chain", listJson(tier.chain, set, rules)},
                             {"exception", listJson(tier.exception, set, rules)},
                             {"net", shownValue(set.squareMetres(tier.net()), rules)}});
        }
        sets.push_back({{"tiers", tiers},
                        {"total", sumsJson(set.total, set, rules)},
                        {"registered", set.registered ? Json(set.registered->text()) : Json(nullptr)},
                        {"tsubo", shownValue(set.tsubo, rules)}});
    }
    return sets;
}

}  // namespace mirota::cli
