#include "calc/Totals.h"

#include <gtest/gtest.h>

#include <iterator>

#include "model/NumberText.h"

namespace mirota {
namespace {

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

    const TierTotals design = UpdateTotals(data, 0, InputSet::Design);
    EXPECT_FLOAT_EQ(design.calculated, 12.5f);
    EXPECT_FLOAT_EQ(design.deducted, 101.25f);
    const TierTotals measured = UpdateTotals(data, 0, InputSet::Measured);
    EXPECT_FLOAT_EQ(measured.calculated, 18.0f);
    EXPECT_FLOAT_EQ(measured.deducted, 201.5f);
    EXPECT_EQ(number::formatSingle(design.calculated, "0.00"), "12.50");
}

TEST(Totals, CodeIsReadAsANumber) {
    SurveyData data;
    setFigure(data, 0, "010", "5", "5");   // reads 10: calculated
    setFigure(data, 1, "", "7", "7");      // reads 0, the base: calculated
    EXPECT_FLOAT_EQ(UpdateTotals(data, 0, InputSet::Design).calculated, 12.0f);
    EXPECT_FLOAT_EQ(UpdateTotals(data, 0, InputSet::Design).deducted, 0.0f);
}

TEST(Totals, AccumulateInSinglePrecision) {
    SurveyData data;
    data.setFigureCount(ListKind::Chain, 0, 3);
    setFigure(data, 0, "10", "16777216", "0");
    setFigure(data, 1, "10", "1", "0");
    setFigure(data, 2, "10", "1", "0");
    // Each step rounds to single: 16777216 + 1 stays 16777216 twice.
    EXPECT_EQ(UpdateTotals(data, 0, InputSet::Design).calculated, 16777216.0f);
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
        const TierTotals totals = UpdateTotals(lacking, 0, InputSet::Design);
        EXPECT_FLOAT_EQ(totals.calculated, 5.0f) << side;
        EXPECT_FLOAT_EQ(totals.deducted, 0.0f) << side;
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
    const TierTotals measured = UpdateTotals(data, ListKind::Exception, 0, InputSet::Measured);
    EXPECT_FLOAT_EQ(measured.calculated, 15.141593f);
    EXPECT_FLOAT_EQ(measured.deducted, 2.7853982f);
    EXPECT_EQ(number::formatSingle(measured.net(), "0.000"), "12.356");
    const TierTotals design = UpdateTotals(data, ListKind::Exception, 0, InputSet::Design);
    EXPECT_EQ(design.calculated, 0.0f);
    EXPECT_EQ(design.deducted, 0.0f);
}

}  // namespace
}  // namespace mirota
