#include "calc/HandCalculatedBaseAndHeight.h"

#include <array>
#include <cstdio>
#include <string>
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

// The digits of a value of `decimals` places, the point left out: "12.34" -> "1234".
std::string scaledDigits(const ExactDecimal& value, int decimals) {
    std::string digits;
    for (char c : value.fixedText(decimals, RoundingRule::Down)) {
        if (c >= '0' && c <= '9') digits += c;
    }
    return digits;
}

// The exact product of two values of `decimals` places each, digit by digit as on paper. Both are ≥ 0.
ExactDecimal product(const ExactDecimal& a, const ExactDecimal& b, int decimals) {
    const std::string x = scaledDigits(a, decimals);
    const std::string y = scaledDigits(b, decimals);
    std::vector<int> sum(x.size() + y.size(), 0);
    for (std::size_t i = x.size(); i-- > 0;) {
        for (std::size_t j = y.size(); j-- > 0;) sum[i + j + 1] += (x[i] - '0') * (y[j] - '0');
    }
    for (std::size_t k = sum.size(); k-- > 1;) {
        sum[k - 1] += sum[k] / 10;
        sum[k] %= 10;
    }
    std::string text;
    for (int digit : sum) text += static_cast<char>('0' + digit);
    return ExactDecimal::fromTextOrZero(text + "e-" + std::to_string(2 * decimals));
}

}  // namespace

ExactDecimal HandCalculatedTriangle::area() const { return doubleArea.times(5).timesPowerOfTen(-1); }

std::optional<HandCalculatedTriangle> handCalculatedTriangle(const SurveyData& data, int tier, int row,
                                                             const AreaRules& rules) {
    const auto form = baseAndHeightOfRow(data, tier, row);
    if (!form) return std::nullopt;
    HandCalculatedTriangle triangle;
    triangle.baseSide = form->baseSide;
    triangle.base = shownDecimal(form->base, rules);
    triangle.height = shownDecimal(form->height, rules);
    triangle.doubleArea = product(triangle.base, triangle.height, rules.decimals);
    return triangle;
}

InputSetSummary SummarizeInputSetByBaseAndHeight(const SurveyData& data, InputSet inputSet, const AreaRules& rules) {
    std::vector<TierSummary> tiers;
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        const auto areaOf = [&](int row) {
            const auto triangle = handCalculatedTriangle(data, tier, row, rules);
            return triangle ? triangle->area() : ExactDecimal();
        };
        tiers.push_back({ListTotalsOfAreas(data, ListKind::Chain, tier, inputSet, rules, areaOf),
                         ListTotalsByRule(data, ListKind::Exception, tier, inputSet, rules)});
    }
    return SummarizeTiers(std::move(tiers), data.conditions.displayUnit, rules);
}

}  // namespace mirota
