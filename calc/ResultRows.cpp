#include "calc/ResultRows.h"

#include <array>

#include "calc/ShownValue.h"
#include "calc/Totals.h"
#include "model/FigureType.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

constexpr std::array<const char*, 2> kSetNames{"設計", "実測"};
constexpr InputSet kInputSets[] = {InputSet::Design, InputSet::Measured};

// The grid's symbol on one line; a text that is no code is shown as it is.
std::string symbolOf(const std::string& code) {
    const auto type = figureTypeFromCode(code);
    if (!type) return code;
    std::string symbol(typeSymbol(*type));
    std::erase_if(symbol, [](char c) { return c == '\r' || c == '\n'; });
    return symbol;
}

// The three totals of both input sets: the name in the third column, the value in the last (both
// lists' rows have eight columns).
void appendTotals(std::vector<ResultRow>& rows, const SurveyData& data, ListKind list, int tier,
                  const AreaRules& rules) {
    for (InputSet set : kInputSets) {
        const AreaSums sums = listTotalsByRule(data, list, tier, set, rules).sums;
        const std::pair<const char*, ExactDecimal> totals[] = {
            {"計算面積合計", sums.calculated}, {"控除面積合計", sums.deducted}, {"差引面積", sums.net()}};
        for (const auto& [name, value] : totals) {
            rows.push_back({"", kSetNames[static_cast<std::size_t>(set)], name, "", "", "", "",
                            shownValue(value, rules)});
        }
    }
}

}  // namespace

ResultSection chainResults(const SurveyData& data, int tier, const AreaRules& rules) {
    constexpr ListKind list = ListKind::Chain;
    ResultSection section{{"番号", "区分", "タイプ", "A辺", "B辺", "C辺", "S", "面積"}, {}};
    for (int row = 0; row < 2 * data.figureCount(list, tier); ++row) {
        const auto cell = [&](int col) { return data.cell(list, tier, row, col); };
        section.rows.push_back({std::to_string(figureOfRow(row) + 1), kSetNames[static_cast<std::size_t>(row % 2)],
                                symbolOf(cell(column::Type)), cell(column::SideA), cell(column::SideB),
                                cell(column::SideC), shownValue(cell(column::HalfPerimeter), rules),
                                shownValue(cell(column::Area), rules)});
    }
    appendTotals(section.rows, data, list, tier, rules);
    return section;
}

ResultSection exceptionResults(const SurveyData& data, int tier, const AreaRules& rules) {
    constexpr ListKind list = ListKind::Exception;
    ResultSection section{{"番号", "区分", "名称", "タイプ", "要素１", "要素２", "位置", "面積"}, {}};
    for (int row = 0; row < 2 * data.figureCount(list, tier); ++row) {
        const auto cell = [&](int col) { return data.cell(list, tier, row, col); };
        section.rows.push_back({std::to_string(figureOfRow(row) + 1), kSetNames[static_cast<std::size_t>(row % 2)],
                                cell(column::SideA), symbolOf(cell(column::Type)), cell(column::SideB),
                                cell(column::SideC), cell(column::HalfPerimeter),
                                shownValue(cell(column::Area), rules)});
    }
    appendTotals(section.rows, data, list, tier, rules);
    return section;
}

std::vector<ResultRow> resultSpreadsheet(const SurveyData& data, const AreaRules& rules) {
    std::vector<ResultRow> rows{{"段", "一覧", "番号", "区分", "名称", "タイプ", "A辺", "B辺", "C辺", "S", "要素１",
                                 "要素２", "位置", "面積"}};
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        const std::string tierNumber = std::to_string(tier + 1);
        // A chain row: 番号 区分 タイプ A B C S 面積; a total has its name in タイプ.
        for (ResultRow& r : chainResults(data, tier, rules).rows) {
            const bool total = r[0].empty();
            rows.push_back({tierNumber, "展開図形", r[0], r[1], total ? r[2] : "", total ? "" : r[2], r[3], r[4], r[5],
                            r[6], "", "", "", r[7]});
        }
        // An exception row: 番号 区分 名称 タイプ 要素１ 要素２ 位置 面積.
        for (ResultRow& r : exceptionResults(data, tier, rules).rows) {
            rows.push_back({tierNumber, "例外処理", r[0], r[1], r[2], r[3], "", "", "", "", r[4], r[5], r[6], r[7]});
        }
    }
    return rows;
}

}  // namespace mirota
