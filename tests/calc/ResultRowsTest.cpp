#include "calc/ResultRows.h"

#include <gtest/gtest.h>

#include "calc/AreaCalculation.h"

namespace mirota {
namespace {

// A tier whose chain is one base triangle 3, 4, 5 (the measured row of another type code) and whose
// exception list is one deducted rectangle 3 × 4 named 池.
SurveyData document() {
    SurveyData data;
    data.setFigureCount(ListKind::Chain, 0, 1);
    const char* sides[] = {"3.00", "4.00", "5.00"};
    for (int row = 0; row < 2; ++row) {
        data.setCell(ListKind::Chain, 0, row, column::Type, row == 0 ? "0" : "99");
        for (int side = 0; side < 3; ++side) data.setCell(ListKind::Chain, 0, row, column::SideA + side, sides[side]);
        data.setCell(ListKind::Exception, 0, row, column::Type, "22");
        data.setCell(ListKind::Exception, 0, row, column::SideA, "池");
        data.setCell(ListKind::Exception, 0, row, column::SideB, "3.00");
        data.setCell(ListKind::Exception, 0, row, column::SideC, "4.00");
    }
    EXPECT_EQ(calculateAreas(data, "No."), std::nullopt);
    return data;
}

TEST(ResultRows, ShowSymbolsAndEachListsFiguresWithTheirTotals) {
    const SurveyData data = document();
    const ResultSection chain = chainResults(data, 0, AreaRules{.decimals = 2});
    ASSERT_EQ(chain.rows.size(), 2u + 6u);
    EXPECT_EQ(chain.rows[0], (ResultRow{"1", "設計", "基準△", "3.00", "4.00", "5.00", "6.00", "6.00"}));
    EXPECT_EQ(chain.rows[1][2], "99");  // no type code: shown as stored
    EXPECT_EQ(chain.rows[2], (ResultRow{"", "設計", "計算面積合計", "", "", "", "", "6.00"}));

    const ResultSection exception = exceptionResults(data, 0, AreaRules{.decimals = 1});
    ASSERT_EQ(exception.rows.size(), 2u + 6u);
    EXPECT_EQ(exception.rows[0], (ResultRow{"1", "設計", "池", "■", "3.00", "4.00", "", "12.0"}));
    EXPECT_EQ(exception.rows[3], (ResultRow{"", "設計", "控除面積合計", "", "", "", "", "12.0"}));
    EXPECT_EQ(exception.rows[4], (ResultRow{"", "設計", "差引面積", "", "", "", "", "-12.0"}));

    const std::vector<ResultRow> sheet = resultSpreadsheet(data, AreaRules{.decimals = 2});
    ASSERT_EQ(sheet.size(), 1u + 8u + 8u);
    for (const ResultRow& row : sheet) EXPECT_EQ(row.size(), sheet.front().size());
    EXPECT_EQ(sheet[1], (ResultRow{"1", "展開図形", "1", "設計", "", "基準△", "3.00", "4.00", "5.00", "6.00", "", "", "",
                                   "6.00"}));
    EXPECT_EQ(sheet[3][4], "計算面積合計");
    EXPECT_EQ(sheet[9], (ResultRow{"1", "例外処理", "1", "設計", "池", "■", "", "", "", "", "3.00", "4.00", "", "12.00"}));
}

}  // namespace
}  // namespace mirota
