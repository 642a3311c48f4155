#include "draw/sheet/SheetTables.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

#include "calc/ComputedRows.h"
#include "calc/HandCalculatedBaseAndHeight.h"
#include "calc/ShownValue.h"
#include "calc/SummaryTable.h"
#include "model/FigureType.h"
#include "model/NumberText.h"

namespace mirota::sheet {

namespace {

constexpr const char* kDeducted = "控除";
constexpr const char* kLeftOut = "計算不可";

// What the 適用 column says of a figure: a deduction that could not be calculated stays marked as one.
std::string remark(const SurveyData& data, ListKind list, int tier, int row) {
    const bool deducted = isDeductionCode(data.cell(list, tier, row, column::Type));
    if (isLeftOut(data, list, tier, row)) return deducted ? std::string(kDeducted) + " " + kLeftOut : kLeftOut;
    return deducted ? kDeducted : "";
}

// Whether a row holds anything typed: a chain row a side; an exception row an element or a name of its own.
bool hasData(const SurveyData& data, ListKind list, int tier, int row) {
    const auto typed = [&](int col) { return !data.cell(list, tier, row, col).empty(); };
    if (typed(column::SideB) || typed(column::SideC)) return true;
    if (list == ListKind::Chain) return typed(column::SideA);
    const std::string& name = data.cell(list, tier, row, column::SideA);
    return !name.empty() && name != defaultExceptionName(figureOfRow(row));
}

// The three totals under a list, their values in the column before the last (面積), the label over the rest;
// in the 三斜 form the 倍面積合計 in the column before that.
void addTotals(Table& table, const ListTotals& totals, const AreaRules& rules,
               const std::optional<AreaSums>& doubleAreas = std::nullopt) {
    const int valueColumn = static_cast<int>(table.columns.size()) - 2;
    const int doubleAreaColumn = valueColumn - 1;
    const std::pair<const char*, ExactDecimal> lines[] = {{"計算面積合計", totals.sums.calculated},
                                                          {"控除面積合計", totals.sums.deducted},
                                                          {"差引面積", totals.sums.net()}};
    const ExactDecimal doubleAreaLines[] = {doubleAreas ? doubleAreas->calculated : ExactDecimal(),
                                            doubleAreas ? doubleAreas->deducted : ExactDecimal(),
                                            doubleAreas ? doubleAreas->net() : ExactDecimal()};
    for (std::size_t line = 0; line < std::size(lines); ++line) {
        Row row{std::vector<std::string>(table.columns.size()), doubleAreas ? doubleAreaColumn : valueColumn};
        row.cells[0] = lines[line].first;
        row.cells[static_cast<std::size_t>(valueColumn)] = shownValue(lines[line].second, rules);
        if (doubleAreas) {
            row.cells[static_cast<std::size_t>(doubleAreaColumn)] =
                doubleAreaLines[line].fixedText(2 * rules.decimals, rules.rounding);
        }
        table.rows.push_back(std::move(row));
    }
    // The figures that could not be calculated count in none of the totals: the net line says so.
    if (!totals.leftOut.empty()) table.rows.back().cells.back() = "計算不可を除く";
}

Table heronTable(const SurveyData& data, int tier, const Options& options) {
    Table table{std::to_string(tier + 1) + " 段目　展開図形（ヘロン式）",
                {{"番号", 14, Align::Center}, {"A辺", 26}, {"B辺", 26}, {"C辺", 26}, {"S", 28}, {"面積", 32},
                 {"適用", 28, Align::Center}},
                {}};
    const std::string digits = sideDigitsFormat(options);
    for (int figure = 0; figure < data.figureCount(ListKind::Chain, tier); ++figure) {
        const int row = tableRow(figure, options.inputSet);
        if (!hasData(data, ListKind::Chain, tier, row)) continue;
        const auto cell = [&](int col) { return data.cell(ListKind::Chain, tier, row, col); };
        table.rows.push_back({{std::to_string(figure + 1), number::formatDigits(cell(column::SideA), digits),
                               number::formatDigits(cell(column::SideB), digits),
                               number::formatDigits(cell(column::SideC), digits),
                               shownValue(cell(column::HalfPerimeter), options.rules),
                               shownValue(cell(column::Area), options.rules),
                               remark(data, ListKind::Chain, tier, row)}});
    }
    return table;
}

Table baseAndHeightTable(const SurveyData& data, int tier, const Options& options) {
    Table table{std::to_string(tier + 1) + " 段目　展開図形（三斜式）",
                {{"番号", 14, Align::Center}, {"底辺", 30}, {"高さ", 30}, {"倍面積", 40}, {"面積", 36},
                 {"適用", 30, Align::Center}},
                {}};
    const AreaRules& rules = options.rules;
    for (int figure = 0; figure < data.figureCount(ListKind::Chain, tier); ++figure) {
        const int row = tableRow(figure, options.inputSet);
        if (!hasData(data, ListKind::Chain, tier, row)) continue;
        Row written{{std::to_string(figure + 1), "", "", "", "", remark(data, ListKind::Chain, tier, row)}};
        if (const auto triangle = handCalculatedTriangle(data, tier, row, rules)) {
            written.cells[1] = triangle->base.fixedText(rules.decimals, rules.rounding);
            written.cells[2] = triangle->height.fixedText(rules.decimals, rules.rounding);
            written.cells[3] = triangle->doubleArea.fixedText(2 * rules.decimals, rules.rounding);
        }
        table.rows.push_back(std::move(written));
    }
    return table;
}

const char* exceptionKind(std::string_view code) {
    const auto type = figureTypeFromCode(code);
    if (type == FigureType::Circle || type == FigureType::DeductCircle) return "円";
    if (type == FigureType::Square || type == FigureType::DeductSquare) return "長方形";
    return "";
}

Table exceptionTable(const SurveyData& data, int tier, const Options& options) {
    Table table{std::to_string(tier + 1) + " 段目　例外処理",
                {{"番号", 14, Align::Center}, {"名称", 40, Align::Left}, {"種類", 18, Align::Center}, {"要素1", 24},
                 {"要素2", 24}, {"面積", 32}, {"適用", 28, Align::Center}},
                {}};
    const std::string digits = sideDigitsFormat(options);
    for (int figure = 0; figure < data.figureCount(ListKind::Exception, tier); ++figure) {
        const int row = tableRow(figure, options.inputSet);
        if (!hasData(data, ListKind::Exception, tier, row)) continue;
        const auto cell = [&](int col) { return data.cell(ListKind::Exception, tier, row, col); };
        table.rows.push_back({{std::to_string(figure + 1), cell(column::SideA), exceptionKind(cell(column::Type)),
                               number::formatDigits(cell(column::SideB), digits),
                               number::formatDigits(cell(column::SideC), digits),
                               shownValue(cell(column::Area), options.rules),
                               remark(data, ListKind::Exception, tier, row)}});
    }
    return table;
}

// The summary's rows of the one input set, without the input-set column.
Table summaryTable(const InputSetSummary& summary, const Options& options) {
    Table table{"集計",
                {{"段", 20, Align::Center}, {"一覧", 46, Align::Left}, {"計算面積", 30}, {"控除面積", 30},
                 {"差引面積", 30}, {"除外した図形", 24, Align::Left}},
                {}};
    DocumentSummary document;
    document.inputSets[static_cast<std::size_t>(options.inputSet)] = summary;
    const std::string setName = options.inputSet == InputSet::Design ? "設計" : "実測";
    for (const SummaryRow& row : summaryRows(document, options.rules, true)) {
        if (row.front() != setName) continue;
        table.rows.push_back({{row.begin() + 1, row.end()}});
    }
    return table;
}

}  // namespace

InputSetSummary sheetSummary(const SurveyData& data, const Options& options) {
    return options.form == Form::BaseAndHeight ? summarizeInputSetByBaseAndHeight(data, options.inputSet, options.rules)
                                               : summarizeInputSet(data, options.inputSet, options.rules);
}

std::vector<Table> sheetTables(const SurveyData& data, const Options& options, const InputSetSummary& summary) {
    std::vector<Table> tables;
    // A list without a figure that holds data has no table.
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        const TierSummary& totals = summary.tiers.at(static_cast<std::size_t>(tier));
        Table chain;
        if (options.form == Form::BaseAndHeight) {
            // The areas are the summary's; the 倍面積合計 they come from are written above them.
            chain = baseAndHeightTable(data, tier, options);
            if (!chain.rows.empty()) {
                addTotals(chain, totals.chain, options.rules,
                          handCalculatedTotals(data, tier, options.inputSet, options.rules).doubleAreas);
            }
        } else {
            chain = heronTable(data, tier, options);
            if (!chain.rows.empty()) addTotals(chain, totals.chain, options.rules);
        }
        if (!chain.rows.empty()) tables.push_back(std::move(chain));
        Table exception = exceptionTable(data, tier, options);
        if (exception.rows.empty()) continue;
        addTotals(exception, totals.exception, options.rules);
        tables.push_back(std::move(exception));
    }
    tables.push_back(summaryTable(summary, options));
    return tables;
}

}  // namespace mirota::sheet
