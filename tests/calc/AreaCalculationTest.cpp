#include "calc/AreaCalculation.h"

#include <gtest/gtest.h>

#include <string>

namespace mirota {
namespace {

void setSides(SurveyData& data, int tier, int row, const char* a, const char* b, const char* c) {
    data.setCell(ListKind::Chain, tier, row, column::SideA, a);
    data.setCell(ListKind::Chain, tier, row, column::SideB, b);
    data.setCell(ListKind::Chain, tier, row, column::SideC, c);
}

std::string s(const SurveyData& data, int tier, int row) {
    return data.cell(ListKind::Chain, tier, row, column::HalfPerimeter);
}
std::string area(const SurveyData& data, ListKind list, int tier, int row) {
    return data.cell(list, tier, row, column::Area);
}

struct TriangleCase {
    const char* a;
    const char* b;
    const char* c;
    const char* s;
    const char* area;
};

TEST(AreaCalculation, ComputesHalfPerimeterAndHeronAreaExactly) {
    const TriangleCase cases[] = {
        {"3", "4", "5", "6", "6"},
        {"3.00", "4.00", "5.00", "6", "6"},
        {"10", "10", "10", "15", "43.3012701892219321"},  // 25·√3 = 43.30127018922193233…: 15 decimals and a 1
        {"1", "1", "1", "1.5", "0.4330127018922191"},
        {"12.5m", "12.5", "12.5", "18.75", "67.6582346706592691"},  // leading-number rule: 12.5m reads 12.5
        {"1", "1", "2", "2", "0"},                   // degenerate: area 0, no message
        {"0.1", "0.1", "0.1", "0.15", "0.0043301270189221"},
        {"1e-3", "1e-3", "1e-3", "0.0015", "0.0000004330127011"},
        {"0.15", "0.2", "0.25", "0.3", "0.015"},    // exactly, not 0.01499999…
    };
    for (const auto& c : cases) {
        SurveyData data;
        setSides(data, 0, 0, c.a, c.b, c.c);
        EXPECT_EQ(calculateAreas(data, "No."), std::nullopt) << c.a << "," << c.b << "," << c.c;
        EXPECT_EQ(s(data, 0, 0), c.s) << c.a << "," << c.b << "," << c.c;
        EXPECT_EQ(area(data, ListKind::Chain, 0, 0), c.area) << c.a << "," << c.b << "," << c.c;
        EXPECT_TRUE(data.view.calculationDone);
    }
}

TEST(AreaCalculation, EveryRowOfEveryTierAndBothInputSets) {
    SurveyData data;
    data.changeTierCount(2);
    setSides(data, 0, 1, "3", "4", "5");  // measured row of figure 1
    setSides(data, 1, 3, "6", "8", "10");
    ASSERT_EQ(calculateAreas(data, "No."), std::nullopt);
    EXPECT_EQ(area(data, ListKind::Chain, 0, 1), "6");
    EXPECT_EQ(area(data, ListKind::Chain, 1, 3), "24");
    EXPECT_EQ(s(data, 1, 3), "12");
}

TEST(AreaCalculation, RowWithAnEmptySideHasNoResults) {
    SurveyData data;
    setSides(data, 0, 0, "3", "", "5");
    data.setCell(ListKind::Chain, 0, 0, column::HalfPerimeter, "old S");
    data.setCell(ListKind::Chain, 0, 0, column::Area, "old area");
    ASSERT_EQ(calculateAreas(data, "No."), std::nullopt);
    EXPECT_EQ(s(data, 0, 0), "");
    EXPECT_EQ(area(data, ListKind::Chain, 0, 0), "");
}

TEST(AreaCalculation, ASideOrElementNotGreaterThanZeroIsAnInputErrorOfItsFigure) {
    struct Case {
        ListKind list;
        const char* type;
        const char* values[3];  // sides A, B, C; or name, element 1, element 2
        const char* named;
    };
    const Case cases[] = {
        {ListKind::Chain, "10", {"3", "4", "-3"}, ""},   // would give 4.472 by Heron
        {ListKind::Chain, "10", {"0", "4", "4"}, ""},
        {ListKind::Chain, "10", {"abc", "3", "3"}, ""},  // letters read as 0
        {ListKind::Exception, "12", {"a", "-3", "4"}, "例外処理 "},
        {ListKind::Exception, "22", {"a", "3", "x"}, "例外処理 "},
        {ListKind::Exception, "13", {"a", "-2", ""}, "例外処理 "},
    };
    for (const auto& c : cases) {
        SurveyData data;
        data.setFigureCount(c.list, 0, 3);
        const int row = tableRow(2, InputSet::Measured);
        data.setCell(c.list, 0, row, column::Type, c.type);
        for (int side = 0; side < 3; ++side) data.setCell(c.list, 0, row, column::SideA + side, c.values[side]);
        data.setCell(c.list, 0, row, column::Area, "old");
        const auto failure = calculateAreas(data, "No.");
        ASSERT_TRUE(failure.has_value()) << c.values[0] << "," << c.values[1] << "," << c.values[2];
        EXPECT_EQ(failure->text, std::string("数値入力に誤りがあります。（") + c.named + "1段目 No.3）\r\n\r\n計算を中止します！");
        EXPECT_EQ(failure->inError, (FigureInError{c.list, 0, 2}));
        EXPECT_EQ(area(data, c.list, 0, row), "");  // what it held no longer belongs to its values
    }
}

TEST(AreaCalculation, AFaultyFigureIsNamedAndEveryOtherFigureIsStillCalculated) {
    SurveyData data;
    data.changeTierCount(3);
    data.setFigureCount(ListKind::Chain, 1, 4);
    setSides(data, 0, 0, "3", "4", "5");
    setSides(data, 0, 1, "13", "12", "30");  // figure 1 of tier 1, measured: no triangle
    data.setCell(ListKind::Chain, 0, 1, column::Area, "old");
    setSides(data, 1, 6, "3", "4", "5");  // figure 4 of tier 2, design: fine
    setSides(data, 1, 7, "1", "1", "3");  // figure 4 of tier 2, measured: no triangle
    setSides(data, 2, 0, "6", "8", "10");  // a later tier
    data.setCell(ListKind::Exception, 0, 0, column::Type, "13");
    data.setCell(ListKind::Exception, 0, 0, column::SideB, "2");

    const auto message = calculateAreas(data, "No.");
    ASSERT_TRUE(message.has_value());
    // The message names the first faulty figure, as before.
    EXPECT_EQ(message->text, "数値入力に誤りがあります。（1段目 No.1）\r\n\r\n計算を中止します！");
    EXPECT_EQ(message->title, "データ入力エラー");
    EXPECT_EQ(message->icon, Message::Icon::Warning);
    EXPECT_EQ(message->inError, (FigureInError{ListKind::Chain, 0, 0}));
    ASSERT_EQ(message->faults.size(), 2u);
    EXPECT_EQ(message->faults[1].figure, (FigureInError{ListKind::Chain, 1, 3}));
    EXPECT_EQ(message->faults[1].inputSet, InputSet::Measured);
    EXPECT_EQ(message->faults[1].message.text, "数値入力に誤りがあります。（2段目 No.4）\r\n\r\n計算を中止します！");
    // Faulty rows show nothing; every other row of every tier and both lists is calculated.
    EXPECT_EQ(s(data, 0, 1), "");
    EXPECT_EQ(area(data, ListKind::Chain, 0, 1), "");
    EXPECT_EQ(area(data, ListKind::Chain, 1, 7), "");
    EXPECT_EQ(area(data, ListKind::Chain, 0, 0), "6");
    EXPECT_EQ(area(data, ListKind::Chain, 1, 6), "6");
    EXPECT_EQ(area(data, ListKind::Chain, 2, 0), "24");
    EXPECT_EQ(area(data, ListKind::Exception, 0, 0), "3.1415926538");
    EXPECT_FALSE(data.view.calculationDone);
}

TEST(AreaCalculation, ResultsBeyondTheNumberRangeAreInputErrorsNotInfinity) {
    for (const char* side : {"1e39", "1e400", "3e38"}) {
        SurveyData data;
        setSides(data, 0, 2, side, side, side);
        const auto message = calculateAreas(data, "測点");
        ASSERT_TRUE(message.has_value()) << side;
        EXPECT_EQ(message->text, "数値入力に誤りがあります。（1段目 測点2）\r\n\r\n計算を中止します！");
        EXPECT_EQ(s(data, 0, 2).find("inf"), std::string::npos);
        EXPECT_EQ(area(data, ListKind::Chain, 0, 2), "");
    }
}

struct ExceptionCase {
    const char* type;
    const char* element1;
    const char* element2;
    const char* area;
};

TEST(AreaCalculation, ExceptionRectanglesAndCirclesByType) {
    const ExceptionCase cases[] = {
        {"12", "3", "4", "12"},          {"22", "2.5", "4", "10"},
        {"12", "3", "", ""},             {"13", "2", "", "3.1415926538"},
        {"23", "10", "99", "78.539816345"},  {"13", "", "5", ""},
        {"22", "3", "0", "0"},           {"23", "0", "", "0"},  // an element of 0: area 0
        {"12", "0.1", "0.3", "0.03"},    {"13", "0.3", "", "0.0706858347105"},
        {"10", "3", "4", ""},            {"0", "3", "4", ""},
        {"", "3", "4", ""},              {"013", "2", "", ""},
    };
    for (const auto& c : cases) {
        SurveyData data;
        data.setCell(ListKind::Exception, 0, 1, column::Type, c.type);
        data.setCell(ListKind::Exception, 0, 1, column::SideB, c.element1);
        data.setCell(ListKind::Exception, 0, 1, column::SideC, c.element2);
        ASSERT_EQ(calculateAreas(data, "No."), std::nullopt);
        EXPECT_EQ(area(data, ListKind::Exception, 0, 1), c.area) << c.type << " " << c.element1 << " " << c.element2;
    }
}

TEST(AreaCalculation, AnExceptionRowThatLosesWhatItNeedsShowsNoAreaAfterTheNextCalculation) {
    const struct {
        const char* name;
        int col;
        const char* text;
    } changes[] = {
        {"element 2 emptied", column::SideC, ""},
        {"element 1 emptied", column::SideB, ""},
        {"a type no area is calculated for", column::Type, "10"},
    };
    for (const auto& c : changes) {
        SurveyData data;
        data.setCell(ListKind::Exception, 0, 0, column::Type, "12");
        data.setCell(ListKind::Exception, 0, 0, column::SideB, "3");
        data.setCell(ListKind::Exception, 0, 0, column::SideC, "4");
        ASSERT_EQ(calculateAreas(data, "No."), std::nullopt);
        ASSERT_EQ(area(data, ListKind::Exception, 0, 0), "12");
        data.setCell(ListKind::Exception, 0, 0, c.col, c.text);
        calculateAreas(data, "No.");
        EXPECT_EQ(area(data, ListKind::Exception, 0, 0), "") << c.name;
    }
}

TEST(AreaCalculation, ExceptionAreaBeyondTheRangeIsAnInputError) {
    SurveyData data;
    data.setCell(ListKind::Exception, 0, 0, column::Type, "13");
    data.setCell(ListKind::Exception, 0, 0, column::SideB, "1e20");
    const auto message = calculateAreas(data, "No.");
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, "数値入力に誤りがあります。（例外処理 1段目 No.1）\r\n\r\n計算を中止します！");
}

}  // namespace
}  // namespace mirota
