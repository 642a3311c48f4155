#include "calc/SummaryTable.h"

#include <array>
#include <utility>

#include "calc/ShownValue.h"

namespace mirota {

namespace {

constexpr std::array<const char*, 2> kSetNames{"設計", "実測"};

const char* registeredName(RegisteredClass registered) {
    switch (registered) {
    case RegisteredClass::Residential: return "地積（宅地・鉱泉地）";
    case RegisteredClass::Other: return "地積（その他の地目）";
    case RegisteredClass::Floor: return "床面積";
    case RegisteredClass::None: break;
    }
    return "";
}

}  // namespace

std::string leftOutFigures(const ListTotals& totals) {
    std::string text;
    for (int figure : totals.leftOut) text += (text.empty() ? "" : " ") + std::to_string(figure + 1);
    return text;
}

std::vector<SummaryRow> SummaryTable(const DocumentSummary& summary, const AreaRules& rules, bool withTsubo) {
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
            rows.push_back({name, "全体", registeredName(rules.registered), "", "", sums.registered->text(), ""});
        }
    }
    return rows;
}

}  // namespace mirota
