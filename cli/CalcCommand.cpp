#include "cli/CalcCommand.h"

#include <array>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>
#include <nlohmann/json.hpp>

#include "calc/AreaCalculation.h"
#include "calc/DocumentSummary.h"
#include "calc/ResultRows.h"
#include "calc/ShownValue.h"
#include "calc/SummaryTable.h"
#include "calc/Totals.h"
#include "cli/SummaryOutput.h"
#include "cli/TextTable.h"
#include "io/CsvFile.h"

namespace mirota::cli {

namespace {

using Json = nlohmann::ordered_json;

Json tierResults(const SurveyData& data, int tier, const AreaRules& rules) {
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
        const AreaSums sums = listTotalsByRule(data, ListKind::Chain, tier, set, rules).sums;
        totals.push_back({{"calc", shownValue(sums.calculated, rules)}, {"deduct", shownValue(sums.deducted, rules)}});
    }
    return {{"chain", chain}, {"exception", exception}, {"totals", totals}};
}

constexpr std::size_t kSummaryLeftColumns = 3;  // 区分, 段, 一覧

// Each tier's chain and exception list as aligned tables, the exception list under its heading;
// numbers (the columns from A辺 and 要素１ on) aligned right. The summary closes them when asked for.
void printTable(const SurveyData& data, const AreaRules& rules, const DocumentSummary* summary) {
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        const auto aligned = [](ResultSection section, std::size_t leftColumns) {
            section.rows.insert(section.rows.begin(), std::move(section.header));
            return alignedTable(section.rows, leftColumns);
        };
        std::cout << (tier > 0 ? "\n" : "") << tier + 1 << " 段目\n"
                  << aligned(chainResults(data, tier, rules), 3) << "例外処理\n"
                  << aligned(exceptionResults(data, tier, rules), 4);
    }
    if (summary) std::cout << "\n集計\n" << alignedTable(summaryRows(*summary, rules, true), kSummaryLeftColumns);
}

void printCsv(const SurveyData& data, const AreaRules& rules, const DocumentSummary* summary) {
    const std::vector<ResultRow> rows = summary ? spreadsheetWithSummary(data, rules, *summary) : resultSpreadsheet(data, rules);
    for (const ResultRow& row : rows) std::cout << csvLine(row);
}

void printJson(const SurveyData& data, const AreaRules& rules, const DocumentSummary* summary) {
    Json tiers = Json::array();
    for (int tier = 0; tier < data.tierCount(); ++tier) tiers.push_back(tierResults(data, tier, rules));
    Json results{{"tiers", tiers}};
    if (summary) results["summary"] = summaryJson(*summary, rules);
    std::cout << results.dump() << '\n';
}

}  // namespace

AreaRules CalcOptions::rules() const { return areaRulesNamed(document.digits, rounding, sum, registered); }

int runCalc(const CalcOptions& options) {
    auto data = loadDocument(options.document);
    if (!data) return kRefused;
    const auto failure = calculateAreas(*data, options.document.prefix);
    if (failure && !(options.keepGoing && failure->inError)) {
        printMessage(*failure);
        return kRefused;
    }
    const AreaRules rules = options.rules();
    std::optional<DocumentSummary> summary;
    if (options.printsSummary()) summary = summarizeDocument(*data, rules);
    const DocumentSummary* shownSummary = summary ? &*summary : nullptr;
    if (options.document.format == "table") {
        printTable(*data, rules, shownSummary);
    } else if (options.document.format == "csv") {
        printCsv(*data, rules, shownSummary);
    } else {
        printJson(*data, rules, shownSummary);
    }
    if (failure) {
        printFaults(*failure);
        return kRefused;
    }
    return kDone;
}

}  // namespace mirota::cli
