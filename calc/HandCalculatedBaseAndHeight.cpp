#include "calc/HandCalculatedBaseAndHeight.h"

#include <array>
#include <cstdio>
#include <utility>
#include <vector>

#include "calc/BaseAndHeight.h"

namespace mirota {

namespace {

// A double as the decimal it stands for (15 significant digits), brought to the rules' places.
ExactDecimal shownDecimal(double value, const AreaRules& rules) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    return ExactDecimal::fromTextOrZero(text).rounded(rules.decimals, rules.rounding);
}

}  // namespace

std::optional<HandCalculatedTriangle> handCalculatedTriangle(const SurveyData& data, int tier, int row,
                                                             const AreaRules& rules) {
    const auto form = baseAndHeightOfRow(data, tier, row);
    if (!form) return std::nullopt;
    HandCalculatedTriangle triangle;
    triangle.baseSide = form->baseSide;
    triangle.base = shownDecimal(form->base, rules);
    triangle.height = shownDecimal(form->height, rules);
    triangle.doubleArea = triangle.base * triangle.height;
    return triangle;
}

HandCalculatedTotals handCalculatedTotals(const SurveyData& data, int tier, InputSet inputSet, const AreaRules& rules) {
    const auto doubleAreaOf = [&](int row) {
        const auto triangle = handCalculatedTriangle(data, tier, row, rules);
        return triangle ? triangle->doubleArea : ExactDecimal();
    };
    const ListTotals doubleAreas = listTotalsOfAreas(data, ListKind::Chain, tier, inputSet, AreaRules{}, doubleAreaOf);
    const auto area = [&](const ExactDecimal& doubleArea) {
        return doubleArea.times(5).timesPowerOfTen(-1).rounded(rules.decimals, rules.rounding);
    };
    return {doubleAreas.sums,
            {{area(doubleAreas.sums.calculated), area(doubleAreas.sums.deducted)}, doubleAreas.leftOut}};
}

InputSetSummary summarizeInputSetByBaseAndHeight(const SurveyData& data, InputSet inputSet, const AreaRules& rules) {
    std::vector<TierSummary> tiers;
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        tiers.push_back({handCalculatedTotals(data, tier, inputSet, rules).areas,
                         listTotalsByRule(data, ListKind::Exception, tier, inputSet, rules)});
    }
    return summarizeTiers(std::move(tiers), data.conditions.displayUnit, rules);
}

}  // namespace mirota
