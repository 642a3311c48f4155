#include "calc/DocumentSummary.h"

#include <gtest/gtest.h>

#include "calc/AreaCalculation.h"
#include "calc/ShownValue.h"

namespace mirota {
namespace {

void setRow(SurveyData& data, ListKind list, int tier, int figure, const char* type, const char* a, const char* b,
            const char* c) {
    const int row = tableRow(figure, InputSet::Design);
    data.setRow(list, tier, row, {type, a, b, c, "", "", "0"});
    data.setCell(list, tier, row + 1, column::Type, type);
}

// Two tiers with deductions in both lists, one figure that forms no triangle; design values only.
SurveyData surveyedSite() {
    SurveyData data;
    data.changeTierCount(2);
    data.setFigureCount(ListKind::Chain, 0, 3);
    data.setFigureCount(ListKind::Exception, 0, 2);
    setRow(data, ListKind::Chain, 0, 0, "10", "6", "8", "10");     // 24
    setRow(data, ListKind::Chain, 0, 1, "20", "3", "4", "5");      // ▲ 6
    setRow(data, ListKind::Chain, 0, 2, "11", "13", "12", "30");   // no triangle
    setRow(data, ListKind::Exception, 0, 0, "12", "庭", "1.004", "1");  // 1.004
    setRow(data, ListKind::Exception, 0, 1, "22", "池", "0.5", "1");    // ■ 0.5
    setRow(data, ListKind::Chain, 1, 0, "0", "3", "4", "5");       // base 6
    setRow(data, ListKind::Chain, 1, 1, "21", "1", "1", "1");      // ▼ 0.4330127
    setRow(data, ListKind::Exception, 1, 0, "12", "物置", "1.004", "1");  // 1.004
    EXPECT_TRUE(calculateAreas(data, "No.").has_value());
    return data;
}

TEST(DocumentSummary, EveryTierBothListsAndTheGrandTotalOfTheStoredValues) {
    const SurveyData data = surveyedSite();
    const AreaRules rules{.registered = RegisteredClass::Residential};
    const InputSetSummary design = summarizeInputSet(data, InputSet::Design, rules);
    ASSERT_EQ(design.tiers.size(), 2u);
    EXPECT_EQ(shownValue(design.tiers[0].chain.sums.net(), rules), "18.00");
    EXPECT_EQ(design.tiers[0].chain.leftOut, std::vector<int>{2});
    EXPECT_EQ(shownValue(design.tiers[0].exception.sums.net(), rules), "0.50");  // 0.504
    EXPECT_EQ(shownValue(design.tiers[0].net(), rules), "18.50");
    EXPECT_EQ(shownValue(design.tiers[1].net(), rules), "6.57");              // 6 − 0.4330127 + 1.004
    EXPECT_EQ(shownValue(design.total.calculated, rules), "32.01");           // 32.008
    EXPECT_EQ(shownValue(design.total.deducted, rules), "6.93");              // 6.9330127
    EXPECT_EQ(shownValue(design.total.net(), rules), "25.07");                // 25.0749873
    EXPECT_EQ(design.registered->text(), "25.07");
    EXPECT_EQ(shownValue(design.tsubo, rules), "7.59");                       // 7.585183…
    EXPECT_FALSE(design.complete());

    const InputSetSummary measured = summarizeInputSet(data, InputSet::Measured, rules);
    EXPECT_TRUE(measured.complete());
    EXPECT_TRUE(measured.total.net().isZero());
}

TEST(DocumentSummary, TheSumOfTheShownPartsIsWhatAReviewerAddsUp) {
    const SurveyData data = surveyedSite();
    const AreaRules shown{.sum = SumRule::Shown, .registered = RegisteredClass::Other};
    const InputSetSummary design = summarizeInputSet(data, InputSet::Design, shown);
    // 24.00 + 1.00 + 6.00 + 1.00, where the stored values add up to 32.008.
    EXPECT_EQ(shownValue(design.total.calculated, shown), "32.00");
    EXPECT_EQ(shownValue(design.total.net(), shown), "25.07");
    EXPECT_EQ(design.registered->text(), "25");

    const AreaRules down{.rounding = RoundingRule::Down, .sum = SumRule::Shown};
    EXPECT_EQ(shownValue(summarizeInputSet(data, InputSet::Design, down).total.deducted, down), "6.93");  // 6 + 0.50 + 0.43
}

TEST(DocumentSummary, FloorsAndTheDocumentUnit) {
    SurveyData data = surveyedSite();
    data.conditions.displayUnit = DisplayUnit::Centimetre;
    const AreaRules floors{.registered = RegisteredClass::Floor};
    const InputSetSummary design = summarizeInputSet(data, InputSet::Design, floors);
    EXPECT_EQ(shownValue(design.total.net(), floors), "25.07");  // shown in the document's unit
    EXPECT_EQ(design.registered->text(), "0.00");               // 0.0018504 m² + 0.00065709873 m², each cut
    EXPECT_EQ(shownValue(design.tsubo, AreaRules{.decimals = 5}), "0.00076");  // 0.00250749873 m² × 121/400
}

}  // namespace
}  // namespace mirota
