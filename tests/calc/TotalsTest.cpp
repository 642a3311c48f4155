#include "calc/Totals.h"

#include <gtest/gtest.h>

#include "model/NumberText.h"

namespace mirota {
namespace {

void setFigure(SurveyData& data, int figure, const char* type, const char* designArea, const char* measuredArea) {
    for (int set = 0; set < 2; ++set) data.setCell(ListKind::Chain, 0, 2 * figure + set, column::Type, type);
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

}  // namespace
}  // namespace mirota
