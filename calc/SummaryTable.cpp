#include "calc/SummaryTable.h"

#include <array>
#include <utility>

#include "calc/ResultRows.h"
#include "calc/ShownValue.h"

namespace mirota {

namespace {

constexpr std::array<const char*, 2> kSetNames{"設計", "実測"};

}  // namespace

std::string leftOutFigures(const ListTotals& totals) {
    std::string text;
    for (int figure : totals.leftOut) text += (text.empty() ? "" : " ") + std::to_string(figure + 1);
    return text;
}

SummaryRow rulesRow(const AreaRules& rules) {
    return {"計算の規則", "端数処理", std::string(captionOf(rules.rounding)), "桁数", std::to_string(rules.decimals),
            "合計の出し方", std::string(captionOf(rules.sum)), "登記面積", std::string(captionOf(rules.registered))};
}

std::vector<SummaryRow> summaryRows(const DocumentSummary& summary, const AreaRules& rules, bool withTsubo) {
    std::vector<SummaryRow> rows{{"区分", "段", "一覧", "計算面積", "控除面積", "差引面積", "除外した図形"}};
    for (std::size_t set = 0; set < summary.inputSets.size(); ++set) {
        const InputSetSummary& sums = summary.inputSets[set];
        const std::string name = kSetNames[set];
        const auto shown = [&](const ExactDecimal& area) { return shownValue(sums.squareMetres(area), rules); };
        for (std::size_t tier = 0; tier < sums.tiers.size(); ++tier) {
            const std::string tierName = std::to_string(tier + 1);
            for (const auto& [listName, list] : {std::pair{"展開図形", &sums.tiers[tier].chain},
                                                 std::pair{"例外処理", &sums.tiers[tier].exception}}) {
                rows.push_back({name, tierName, listName, shown(list->sums.calculated), shown(list->sums.deducted),
                                shown(list->sums.net()), leftOutFigures(*list)});
            }
            rows.push_back({name, tierName, "段の計", "", "", shown(sums.tiers[tier].net()), ""});
        }
        rows.push_back({name, "全体", "合計", shown(sums.total.calculated), shown(sums.total.deducted),
                        shown(sums.total.net()), sums.complete() ? "" : "あり"});
        if (withTsubo) rows.push_back({name, "全体", "坪", "", "", shownValue(sums.tsubo, rules), ""});
        if (sums.registered) {
            rows.push_back({name, "全体", std::string(captionOf(rules.registered)), "", "", sums.registered->text(), ""});
        }
    }
    return rows;
}

std::vector<SummaryRow> spreadsheetWithSummary(const SurveyData& data, const AreaRules& rules,
                                               const DocumentSummary& summary) {
    std::vector<SummaryRow> rows = resultSpreadsheet(data, rules);
    rows.emplace_back();  // the summary follows as a second table with a header of its own
    for (SummaryRow& row : summaryRows(summary, rules, true)) rows.push_back(std::move(row));
    rows.emplace_back();
    rows.push_back(rulesRow(rules));
    return rows;
}

}  // namespace mirota
