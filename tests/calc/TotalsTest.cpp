#include "calc/Totals.h"

#include <gtest/gtest.h>

#include <iterator>

#include "calc/ShownValue.h"

namespace mirota {
namespace {

ExactDecimal value(const char* text) { return *ExactDecimal::fromText(text); }

void setFigure(SurveyData& data, int figure, const char* type, const char* designArea, const char* measuredArea) {
    for (int set = 0; set < 2; ++set) {
        data.setCell(ListKind::Chain, 0, 2 * figure + set, column::Type, type);
        for (int side = column::SideA; side <= column::SideC; ++side) data.setCell(ListKind::Chain, 0, 2 * figure + set, side, "1");
    }
    data.setCell(ListKind::Chain, 0, 2 * figure, column::Area, designArea);
    data.setCell(ListKind::Chain, 0, 2 * figure + 1, column::Area, measuredArea);
}

TEST(Totals, CalculatedAndDeductedByTypeForOneInputSet) {
    SurveyData data;
    data.setFigureCount(ListKind::Chain, 0, 6);
    setFigure(data, 0, "0", "10", "11");
    setFigure(data, 1, "11", "2.5", "3");
    setFigure(data, 2, "20", "1", "1.5");
    setFigure(data, 3, "13", "", "4");
    setFigure(data, 4, "23", "0.25", "abc");
    setFigure(data, 5, "99", "100", "200");  // not a calculated code: deducted

    const ListTotals design = updateTotals(data, 0, InputSet::Design);
    EXPECT_EQ(design.sums.calculated, value("12.5"));
    EXPECT_EQ(design.sums.deducted, value("101.25"));
    const ListTotals measured = updateTotals(data, 0, InputSet::Measured);
    EXPECT_EQ(measured.sums.calculated, value("18.0"));
    EXPECT_EQ(measured.sums.deducted, value("201.5"));
    EXPECT_EQ(shownValue(design.sums.calculated, AreaRules{}), "12.50");
}

TEST(Totals, CodeIsReadAsANumber) {
    SurveyData data;
    setFigure(data, 0, "010", "5", "5");   // reads 10: calculated
    setFigure(data, 1, "", "7", "7");      // reads 0, the base: calculated
    EXPECT_EQ(updateTotals(data, 0, InputSet::Design).sums.calculated, value("12.0"));
    EXPECT_EQ(updateTotals(data, 0, InputSet::Design).sums.deducted, value("0.0"));
}

TEST(Totals, AddExactly) {
    SurveyData data;
    data.setFigureCount(ListKind::Chain, 0, 3);
    setFigure(data, 0, "10", "16777216", "0");
    setFigure(data, 1, "10", "1", "0");
    setFigure(data, 2, "10", "1", "0");
    // In single precision 16777216 + 1 would stay 16777216 twice.
    EXPECT_EQ(updateTotals(data, 0, InputSet::Design).sums.calculated, value("16777218"));
}

TEST(Totals, RowsLackingASideAreNotCounted) {
    SurveyData data;
    data.setFigureCount(ListKind::Chain, 0, 3);
    setFigure(data, 0, "10", "5", "0");
    setFigure(data, 1, "10", "7", "0");
    setFigure(data, 2, "20", "2", "0");
    for (int side = column::SideA; side <= column::SideC; ++side) {
        SurveyData lacking = data;
        lacking.setCell(ListKind::Chain, 0, 2, side, "");  // figure 2, design: a stale area left behind
        lacking.setCell(ListKind::Chain, 0, 4, side, "");  // figure 3, design
        const ListTotals totals = updateTotals(lacking, 0, InputSet::Design);
        EXPECT_EQ(totals.sums.calculated, value("5.0")) << side;
        EXPECT_EQ(totals.sums.deducted, value("0.0")) << side;
    }
}

struct ExceptionRow {
    const char* type;
    const char* element1;
    const char* element2;
    const char* area;
};

TEST(Totals, ExceptionListByItsTypesCountingOnlyAreasItCarries) {
    const ExceptionRow rows[] = {
        {"12", "3", "4", "12"},  {"13", "2", "", "3.141593"}, {"22", "1", "2", "2"},
        {"23", "1", "", "0.7853982"},
        {"12", "3", "", "9"},    // a rectangle lacking an element: no area, however stale
        {"13", "", "", "5"},     // a circle without its diameter
        {"10", "1", "1", "8"},   // a type without an exception area
    };
    SurveyData data;
    data.setFigureCount(ListKind::Exception, 0, static_cast<int>(std::size(rows)));
    for (int figure = 0; figure < static_cast<int>(std::size(rows)); ++figure) {
        const int row = tableRow(figure, InputSet::Measured);
        data.setCell(ListKind::Exception, 0, row, column::Type, rows[figure].type);
        data.setCell(ListKind::Exception, 0, row, column::SideB, rows[figure].element1);
        data.setCell(ListKind::Exception, 0, row, column::SideC, rows[figure].element2);
        data.setCell(ListKind::Exception, 0, row, column::Area, rows[figure].area);
    }
    const ListTotals measured = updateTotals(data, ListKind::Exception, 0, InputSet::Measured);
    EXPECT_EQ(measured.sums.calculated, value("15.141593"));
    EXPECT_EQ(measured.sums.deducted, value("2.7853982"));
    EXPECT_EQ(shownValue(measured.sums.net(), AreaRules{3}), "12.356");
    const ListTotals design = updateTotals(data, ListKind::Exception, 0, InputSet::Design);
    EXPECT_TRUE(design.sums.calculated.isZero());
    EXPECT_TRUE(design.sums.deducted.isZero());
}

}  // namespace
}  // namespace mirota
