#include "cli/CalcCommand.h"

#include <array>
#include <iostream>
#include <utility>
#include <vector>
#include <nlohmann/json.hpp>

#include "calc/AreaCalculation.h"
#include "calc/ResultRows.h"
#include "calc/Totals.h"
#include "cli/TextTable.h"
#include "io/CsvFile.h"
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

// Each tier's chain and exception list as aligned tables, the exception list under its heading;
// numbers (the columns from A辺 and 要素１ on) aligned right.
void printTable(const SurveyData& data, const std::string& digitsFormat) {
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        const auto aligned = [](ResultSection section, std::size_t leftColumns) {
            section.rows.insert(section.rows.begin(), std::move(section.header));
            return alignedTable(section.rows, leftColumns);
        };
        std::cout << (tier > 0 ? "\n" : "") << tier + 1 << " 段目\n"
                  << aligned(chainResults(data, tier, digitsFormat), 3) << "例外処理\n"
                  << aligned(exceptionResults(data, tier, digitsFormat), 4);
    }
}

void printCsv(const SurveyData& data, const std::string& digitsFormat) {
    for (const ResultRow& row : resultSpreadsheet(data, digitsFormat)) std::cout << csvLine(row);
}

void printJson(const SurveyData& data, const std::string& digitsFormat) {
    Json tiers = Json::array();
    for (int tier = 0; tier < data.tierCount(); ++tier) tiers.push_back(tierResults(data, tier, digitsFormat));
    std::cout << Json{{"tiers", tiers}}.dump() << '\n';
}

}  // namespace

int runCalc(const DocumentOptions& options) {
    auto data = loadDocument(options);
    if (!data) return kRefused;
    if (const auto failure = CalculateAreas(*data, options.prefix)) {
        printMessage(*failure);
        return kRefused;
    }
    if (options.format == "table") {
        printTable(*data, options.digitsFormat());
    } else if (options.format == "csv") {
        printCsv(*data, options.digitsFormat());
    } else {
        printJson(*data, options.digitsFormat());
    }
    return kDone;
}

}  // namespace mirota::cli
