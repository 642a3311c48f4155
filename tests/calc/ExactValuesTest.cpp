// Hand-checked values: every area the exact value of the typed texts, rounded once by the rule.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "calc/AreaCalculation.h"
#include "calc/DocumentSummary.h"
#include "calc/ExactArea.h"
#include "calc/ShownValue.h"
#include "calc/SummaryTable.h"

namespace mirota {
namespace {

// One figure in tier 1, design values: a triangle of three sides, or an exception rectangle of two elements.
SurveyData oneFigure(ListKind list, const char* type, const char* a, const char* b, const char* c) {
    SurveyData data;
    data.setRow(list, 0, 0, {type, a, b, c, "", "", "0"});
    EXPECT_EQ(calculateAreas(data, "No."), std::nullopt);
    return data;
}

TEST(ExactValues, AreasRoundedOnceByEachRule) {
    struct Case {
        ListKind list;
        const char* type;
        const char* a;
        const char* b;
        const char* c;
        int decimals;
        const char* halfUp;
        const char* down;
        const char* up;
    };
    const Case cases[] = {
        // 34.42649996732…: single precision gave 34.427 for 四捨五入 and 切り捨て.
        {ListKind::Chain, "10", "7", "10", "13.2", 3, "34.426", "34.426", "34.427"},
        // Exactly 0.015.
        {ListKind::Chain, "10", "0.15", "0.2", "0.25", 2, "0.02", "0.01", "0.02"},
        {ListKind::Chain, "10", "38.58", "32.90", "30.25", 3, "481.063", "481.063", "481.064"},  // 481.06347616…
        {ListKind::Chain, "10", "50", "70", "60.023", 2, "1470.14", "1470.13", "1470.14"},       // 1470.13971274…
        {ListKind::Exception, "12", "", "1", "1234.5496", 2, "1234.55", "1234.54", "1234.55"},
        {ListKind::Exception, "13", "", "2", "", 5, "3.14159", "3.14159", "3.14160"},  // 3.1415926538
        {ListKind::Chain, "10", "3", "4", "5", 0, "6.", "6.", "6."},
    };
    for (const Case& c : cases) {
        const SurveyData data = oneFigure(c.list, c.type, c.a, c.b, c.c);
        const std::string& area = data.cell(c.list, 0, 0, column::Area);
        for (const auto& [rule, expected] : {std::pair{RoundingRule::HalfUp, c.halfUp}, std::pair{RoundingRule::Down, c.down},
                                             std::pair{RoundingRule::Up, c.up}}) {
            EXPECT_EQ(shownValue(area, AreaRules{.decimals = c.decimals, .rounding = rule}), expected)
                << c.a << " " << c.b << " " << c.c << " " << nameOf(rule);
        }
    }
}

TEST(ExactValues, RegisteredAreaCutsTheExactValue) {
    const AreaRules residential{.registered = RegisteredClass::Residential};
    const SurveyData triangle = oneFigure(ListKind::Chain, "10", "50", "70", "60.023");
    EXPECT_EQ(summarizeInputSet(triangle, InputSet::Design, residential).registered->text(), "1470.13");
    const SurveyData rectangle = oneFigure(ListKind::Exception, "12", "", "1", "1234.5496");
    EXPECT_EQ(summarizeInputSet(rectangle, InputSet::Design, residential).registered->text(), "1234.54");
}

TEST(ExactValues, TotalsAreExactSums) {
    SurveyData data;
    data.setFigureCount(ListKind::Exception, 0, 2);
    data.setRow(ListKind::Exception, 0, 0, {"12", "", "100", "150", "", "", "0"});
    data.setRow(ListKind::Exception, 0, 2, {"12", "", "0.1", "0.15", "", "", "0"});
    ASSERT_EQ(calculateAreas(data, "No."), std::nullopt);
    const AreaRules three{.decimals = 3};
    EXPECT_EQ(shownValue(summarizeInputSet(data, InputSet::Design, three).total.net(), three), "15000.015");

    const SurveyData large = oneFigure(ListKind::Exception, "12", "", "1", "100006.05");
    const AreaRules residential{.registered = RegisteredClass::Residential};
    const InputSetSummary summary = summarizeInputSet(large, InputSet::Design, residential);
    EXPECT_EQ(summary.registered->text(), "100006.05");
    EXPECT_EQ(shownValue(summary.tsubo, residential), "30251.83");  // 30251.830125
}

TEST(ExactValues, SumsOfCellTextsTheQuickWayAndTheSlowWay) {
    ExactSum sum;
    for (const char* text : {"0.1", "0.2", "34.4264999673216851", "1e3", " 2 ", "abc", "", "-0.5",
                             "123456789012345678901234567890.5", "0.00000000000000001"}) {
        sum.add(text);
    }
    EXPECT_EQ(sum.value().text(), "123456789012345678901234568926.72649996732168511");
    EXPECT_EQ(sum.value().text(), (*ExactDecimal::fromText("0.3") + *ExactDecimal::fromText("34.4264999673216851") +
                                   *ExactDecimal::fromText("1002") - *ExactDecimal::fromText("0.5") +
                                   *ExactDecimal::fromText("123456789012345678901234567890.5") +
                                   *ExactDecimal::fromText("0.00000000000000001"))
                                      .text());
}

TEST(ExactValues, TheSummaryOfACentimetreDocumentIsInSquareMetres) {
    SurveyData data;
    data.conditions.displayUnit = DisplayUnit::Centimetre;
    data.setRow(ListKind::Exception, 0, 0, {"12", "", "100", "250.5", "", "", "0"});  // 25050 cm²
    ASSERT_EQ(calculateAreas(data, "No."), std::nullopt);
    const AreaRules rules{.decimals = 3, .registered = RegisteredClass::Residential};
    const auto table = summaryRows(summarizeDocument(data, rules), rules, true);
    const auto row = [&](const char* tier, const char* list) {
        for (const SummaryRow& each : table) {
            if (each[0] == "設計" && each[1] == tier && each[2] == list) return each[5];
        }
        return std::string("none");
    };
    EXPECT_EQ(row("1", "例外処理"), "2.505");
    EXPECT_EQ(row("1", "段の計"), "2.505");
    EXPECT_EQ(row("全体", "合計"), "2.505");
    EXPECT_EQ(row("全体", "坪"), "0.758");  // 2.505 × 121 ÷ 400 = 0.7577625
    EXPECT_EQ(row("全体", "地積（宅地・鉱泉地）"), "2.50");
}

// Texts the quick 128-bit way cannot take ("e0", blanks, many decimals) go the digit-by-digit way: both
// must write the same values.
TEST(ExactValues, BothWaysOfCalculatingAgree) {
    std::mt19937 random(21);
    std::uniform_int_distribution<int> centimetres(1, 2000000);
    int compared = 0;
    while (compared < 200) {
        const std::string sides[] = {std::to_string(centimetres(random)), std::to_string(centimetres(random)),
                                     std::to_string(centimetres(random))};
        const auto metres = [](const std::string& cm) {
            const std::string padded = std::string(cm.size() < 3 ? 3 - cm.size() : 0, '0') + cm;
            return padded.substr(0, padded.size() - 2) + "." + padded.substr(padded.size() - 2);
        };
        const auto quick = triangleValues(metres(sides[0]), metres(sides[1]), metres(sides[2]));
        const auto slow = triangleValues(sides[0] + "e-2 ", sides[1] + "e-2", sides[2] + "e-2");
        const auto scaled = [](const std::string& digits) { return digits + "0000000e-9"; };  // 9 decimals
        const auto slowToo = triangleValues(scaled(sides[0]), scaled(sides[1]), scaled(sides[2]));
        ASSERT_EQ(quick.has_value(), slow.has_value());
        if (!quick) continue;
        EXPECT_EQ(quick->area, slow->area) << sides[0] << " " << sides[1] << " " << sides[2];
        EXPECT_EQ(quick->halfPerimeter, slow->halfPerimeter);
        EXPECT_EQ(quick->area, slowToo->area);
        ++compared;
    }
    const auto exact = triangleValues("3.000000000", "4", "5.0000000001");  // 10 decimals: the slow way
    ASSERT_TRUE(exact);
    EXPECT_EQ(exact->halfPerimeter, "6.00000000005");
}

}  // namespace
}  // namespace mirota
