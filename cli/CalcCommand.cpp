#include "cli/CalcCommand.h"

#include <array>
#include <iostream>
#include <utility>
#include <vector>
#include <nlohmann/json.hpp>

#include "calc/AreaCalculation.h"
#include "calc/Totals.h"
#include "cli/TextTable.h"
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

constexpr std::size_t kLeftColumns = 3;  // 番号, 区分, タイプ; the values are aligned right

// The chain rows of one tier, design then measured value of each figure (S and area with the digits),
// and the totals of both input sets: the rows of the table and of the CSV.
std::vector<TextRow> tierRows(const SurveyData& data, int tier, const std::string& digitsFormat) {
    std::vector<TextRow> rows;
    constexpr std::array<const char*, 2> kSetNames{"設計", "実測"};
    for (int row = 0; row < 2 * data.figureCount(ListKind::Chain, tier); ++row) {
        const auto cell = [&](int col) { return data.cell(ListKind::Chain, tier, row, col); };
        rows.push_back({std::to_string(row / 2 + 1), kSetNames[static_cast<std::size_t>(row % 2)],
                        cell(column::Type), cell(column::SideA), cell(column::SideB), cell(column::SideC),
                        number::formatDigits(cell(column::HalfPerimeter), digitsFormat),
                        number::formatDigits(cell(column::Area), digitsFormat)});
    }
    for (InputSet set : {InputSet::Design, InputSet::Measured}) {
        const TierTotals sums = UpdateTotals(data, tier, set);
        const char* setName = kSetNames[static_cast<std::size_t>(set)];
        const std::pair<const char*, float> totals[] = {{"計算面積合計", sums.calculated},
                                                         {"控除面積合計", sums.deducted},
                                                         {"差引面積", sums.calculated - sums.deducted}};
        for (const auto& [name, value] : totals) {
            rows.push_back({"", setName, name, "", "", "", "", number::formatSingle(value, digitsFormat)});
        }
    }
    return rows;
}

const TextRow kHeader{"番号", "区分", "タイプ", "A辺", "B辺", "C辺", "S", "面積"};

void printTable(const SurveyData& data, const std::string& digitsFormat) {
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        std::vector<TextRow> rows{kHeader};
        for (TextRow& row : tierRows(data, tier, digitsFormat)) rows.push_back(std::move(row));
        std::cout << (tier > 0 ? "\n" : "") << tier + 1 << " 段目\n" << alignedTable(rows, kLeftColumns);
    }
}

void printCsv(const SurveyData& data, const std::string& digitsFormat) {
    TextRow header{"段"};
    header.insert(header.end(), kHeader.begin(), kHeader.end());
    std::cout << csvLine(header);
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        for (TextRow& row : tierRows(data, tier, digitsFormat)) {
            row.insert(row.begin(), std::to_string(tier + 1));
            std::cout << csvLine(row);
        }
    }
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
