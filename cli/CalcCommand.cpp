#include "cli/CalcCommand.h"

#include <array>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>
#include <nlohmann/json.hpp>

#include "calc/AreaCalculation.h"
#include "calc/DocumentSummary.h"
#include "calc/ShownValue.h"
#include "calc/SummaryTable.h"
#include "calc/Totals.h"
#include "cli/SummaryOutput.h"
#include "cli/TextTable.h"

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
        const AreaSums sums = ListTotalsByRule(data, ListKind::Chain, tier, set, rules).sums;
        totals.push_back({{"calc", shownValue(sums.calculated, rules)}, {"deduct", shownValue(sums.deducted, rules)}});
    }
    return {{"chain", chain}, {"exception", exception}, {"totals", totals}};
}

constexpr std::size_t kLeftColumns = 3;  // 番号, 区分, タイプ; the values are aligned right

// The chain rows of one tier, design then measured value of each figure (S and area with the digits),
// and the totals of both input sets: the rows of the table and of the CSV.
std::vector<TextRow> tierRows(const SurveyData& data, int tier, const AreaRules& rules) {
    std::vector<TextRow> rows;
    constexpr std::array<const char*, 2> kSetNames{"設計", "実測"};
    for (int row = 0; row < 2 * data.figureCount(ListKind::Chain, tier); ++row) {
        const auto cell = [&](int col) { return data.cell(ListKind::Chain, tier, row, col); };
        rows.push_back({std::to_string(row / 2 + 1), kSetNames[static_cast<std::size_t>(row % 2)],
                        cell(column::Type), cell(column::SideA), cell(column::SideB), cell(column::SideC),
                        shownValue(cell(column::HalfPerimeter), rules), shownValue(cell(column::Area), rules)});
    }
    for (InputSet set : {InputSet::Design, InputSet::Measured}) {
        const AreaSums sums = ListTotalsByRule(data, ListKind::Chain, tier, set, rules).sums;
        const char* setName = kSetNames[static_cast<std::size_t>(set)];
        const std::pair<const char*, ExactDecimal> totals[] = {
            {"計算面積合計", sums.calculated}, {"控除面積合計", sums.deducted}, {"差引面積", sums.net()}};
        for (const auto& [name, value] : totals) {
            rows.push_back({"", setName, name, "", "", "", "", shownValue(value, rules)});
        }
    }
    return rows;
}

const TextRow kHeader{"番号", "区分", "タイプ", "A辺", "B辺", "C辺", "S", "面積"};

constexpr std::size_t kSummaryLeftColumns = 3;  // 区分, 段, 一覧

void printTable(const SurveyData& data, const AreaRules& rules, const DocumentSummary* summary) {
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        std::vector<TextRow> rows{kHeader};
        for (TextRow& row : tierRows(data, tier, rules)) rows.push_back(std::move(row));
        std::cout << (tier > 0 ? "\n" : "") << tier + 1 << " 段目\n" << alignedTable(rows, kLeftColumns);
    }
    if (summary) std::cout << "\n集計\n" << alignedTable(SummaryTable(*summary, rules, true), kSummaryLeftColumns);
}

void printCsv(const SurveyData& data, const AreaRules& rules, const DocumentSummary* summary) {
    TextRow header{"段"};
    header.insert(header.end(), kHeader.begin(), kHeader.end());
    std::cout << csvLine(header);
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        for (TextRow& row : tierRows(data, tier, rules)) {
            row.insert(row.begin(), std::to_string(tier + 1));
            std::cout << csvLine(row);
        }
    }
    if (!summary) return;
    std::cout << "\r\n";  // the summary follows as a second table with a header of its own
    for (const TextRow& row : SummaryTable(*summary, rules, true)) std::cout << csvLine(row);
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
    const auto failure = CalculateAreas(*data, options.document.prefix);
    if (failure && !(options.keepGoing && failure->inError)) {
        printMessage(*failure);
        return kRefused;
    }
    const AreaRules rules = options.rules();
    std::optional<DocumentSummary> summary;
    if (options.printsSummary()) summary = SummarizeDocument(*data, rules);
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
