#include "cli/CalcCommand.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "calc/AreaCalculation.h"
#include "calc/Totals.h"
#include "model/NumberText.h"

namespace mirota::cli {

namespace {

using Json = nlohmann::ordered_json;

Json tierResults(const SurveyData& data, int tier, const std::string& digitsFormat) {
    Json chain = Json::array();
    for (int row = 0; row < 2 * data.figureCount(ListKind::Chain, tier); ++row) {
        chain.push_back({{"s", data.cell(ListKind::Chain, tier, row, column::HalfPerimeter)},
                         {"area", data.cell(ListKind::Chain, tier, row, column::Area)}});
    }
    Json exception = Json::array();
    for (int row = 0; row < 2 * data.figureCount(ListKind::Exception, tier); ++row) {
        exception.push_back({{"area", data.cell(ListKind::Exception, tier, row, column::Area)}});
    }
    Json totals = Json::array();
    for (InputSet set : {InputSet::Design, InputSet::Measured}) {
        const TierTotals sums = UpdateTotals(data, tier, set);
        totals.push_back({{"calc", number::formatSingle(sums.calculated, digitsFormat)},
                          {"deduct", number::formatSingle(sums.deducted, digitsFormat)}});
    }
    return {{"chain", chain}, {"exception", exception}, {"totals", totals}};
}

}  // namespace

int runCalc(const DocumentOptions& options) {
    auto data = loadDocument(options);
    if (!data) return kRefused;
    if (const auto failure = CalculateAreas(*data, options.prefix)) {
        printMessage(*failure);
        return kRefused;
    }
    Json tiers = Json::array();
    for (int tier = 0; tier < data->tierCount(); ++tier) tiers.push_back(tierResults(*data, tier, options.digitsFormat()));
    std::cout << Json{{"tiers", tiers}}.dump() << '\n';
    return kDone;
}

}  // namespace mirota::cli
