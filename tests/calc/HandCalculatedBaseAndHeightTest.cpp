#include "calc/HandCalculatedBaseAndHeight.h"

#include <gtest/gtest.h>

#include "calc/AreaCalculation.h"
#include "calc/ShownValue.h"

namespace mirota {
namespace {

SurveyData oneTier(std::initializer_list<std::array<const char*, 4>> figures) {
    SurveyData data;
    data.setFigureCount(ListKind::Chain, 0, static_cast<int>(figures.size()));
    data.setFigureCount(ListKind::Exception, 0, 0);
    int figure = 0;
    for (const auto& [type, a, b, c] : figures) {
        const int row = tableRow(figure++, InputSet::Design);
        data.setRow(ListKind::Chain, 0, row, {type, a, b, c, "", "", "0"});
        data.setCell(ListKind::Chain, 0, row + 1, column::Type, type);
    }
    calculateAreas(data, "No.");
    return data;
}

struct Written {
    AreaRules rules;
    const char* base;
    const char* height;
    const char* doubleArea;
    const char* area;
};

std::string exact(const ExactDecimal& value, int decimals) { return value.fixedText(decimals, RoundingRule::HalfUp); }

TEST(HandCalculatedBaseAndHeight, TheShownBaseTimesTheShownHeightAsOnPaper) {
    const SurveyData right = oneTier({{"10", "3", "4", "5"}});
    const auto triangle = handCalculatedTriangle(right, 0, 0, AreaRules{});
    ASSERT_TRUE(triangle);
    EXPECT_EQ(triangle->baseSide, 2);
    EXPECT_EQ(exact(triangle->base, 2), "5.00");
    EXPECT_EQ(exact(triangle->height, 2), "2.40");
    EXPECT_EQ(exact(triangle->doubleArea, 4), "12.0000");
    EXPECT_EQ(exact(handCalculatedTotals(right, 0, InputSet::Design, AreaRules{}).areas.sums.calculated, 4), "6.0000");

    // 10-10-10: area 43.30127, height 8.660254 brought to the shown places by each rule.
    const SurveyData equal = oneTier({{"10", "10", "10", "10"}});
    const Written cases[] = {
        {{.decimals = 2}, "10.00", "8.66", "86.6000", "43.3000"},
        {{.decimals = 1, .rounding = RoundingRule::Down}, "10.0", "8.6", "86.00", "43.00"},
        {{.decimals = 1, .rounding = RoundingRule::Up}, "10.0", "8.7", "87.00", "43.50"},
        {{.decimals = 3}, "10.000", "8.660", "86.600000", "43.300000"},
    };
    for (const Written& c : cases) {
        const auto written = handCalculatedTriangle(equal, 0, 0, c.rules);
        ASSERT_TRUE(written);
        const int d = c.rules.decimals;
        EXPECT_EQ(exact(written->base, d), c.base);
        EXPECT_EQ(exact(written->height, d), c.height);
        EXPECT_EQ(exact(written->doubleArea, 2 * d), c.doubleArea);
        EXPECT_EQ(exact(handCalculatedTotals(equal, 0, InputSet::Design, c.rules).areas.sums.calculated, 2 * d), c.area);
    }
}

TEST(HandCalculatedBaseAndHeight, NoFormForAFigureWithoutItsArea) {
    const SurveyData data = oneTier({{"10", "13", "12", "30"}, {"10", "3", "4", ""}});
    EXPECT_FALSE(handCalculatedTriangle(data, 0, 0, AreaRules{}));
    EXPECT_FALSE(handCalculatedTriangle(data, 0, 2, AreaRules{}));
}

TEST(HandCalculatedBaseAndHeight, TotalsHalveTheSumOfTheDoubleAreasOnceWhateverTheSumRule) {
    // 1-1-1: height 0.87, 倍面積 0.8700 each, 倍面積合計 1.7400, area 0.87; 3-4-5 deducted: 12.0000, 6.
    const SurveyData data = oneTier({{"10", "1", "1", "1"}, {"11", "1", "1", "1"}, {"20", "3", "4", "5"}});
    const AreaRules stored{};
    const InputSetSummary byStored = summarizeInputSetByBaseAndHeight(data, InputSet::Design, stored);
    EXPECT_EQ(shownValue(byStored.tiers[0].chain.sums.calculated, stored), "0.87");  // 0.435 + 0.435
    EXPECT_EQ(shownValue(byStored.tiers[0].chain.sums.deducted, stored), "6.00");
    EXPECT_EQ(shownValue(byStored.total.net(), stored), "-5.13");

    const AreaRules shown{.sum = SumRule::Shown};
    const InputSetSummary byShown = summarizeInputSetByBaseAndHeight(data, InputSet::Design, shown);
    EXPECT_EQ(shownValue(byShown.tiers[0].chain.sums.calculated, shown), "0.87");  // not 0.44 + 0.44
    EXPECT_EQ(shownValue(byShown.total.net(), shown), "-5.13");

    // Three rows: 倍面積合計 2.6100 ÷ 2 = 1.305, rounded once 1.31; the rounded halves would add up to 1.32.
    const SurveyData three = oneTier({{"10", "1", "1", "1"}, {"11", "1", "1", "1"}, {"10", "1", "1", "1"}});
    const HandCalculatedTotals totals = handCalculatedTotals(three, 0, InputSet::Design, shown);
    EXPECT_EQ(exact(totals.doubleAreas.calculated, 4), "2.6100");
    EXPECT_EQ(exact(totals.areas.sums.calculated, 3), "1.310");
    const AreaRules residential{.registered = RegisteredClass::Residential};
    EXPECT_EQ(summarizeInputSetByBaseAndHeight(three, InputSet::Design, residential).registered->text(), "1.31");
}

}  // namespace
}  // namespace mirota
