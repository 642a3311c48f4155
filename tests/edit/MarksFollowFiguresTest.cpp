// Insert and delete move a figure's deduction and base marks with its values; the up/down orientation
// stays with the position.
#include "edit/DocumentEditor.h"
#include "edit/MovedFigureTypes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/AreaCalculation.h"
#include "calc/Totals.h"

namespace mirota {
namespace {

using Codes = std::vector<std::string>;

TEST(MovedFigureTypes, ChainMarksMoveOrientationStays) {
    struct Case {
        const char* name;
        Codes before;
        std::vector<int> origin;
        Codes after;
    };
    const Case cases[] = {
        {"insert before the deduction", {"0", "21", "10", "11"}, {0, -1, 1, 2, 3}, {"0", "11", "20", "11", "10"}},
        {"insert before the base", {"0", "11", "20", "11"}, {-1, 0, 1, 2, 3}, {"10", "0", "10", "21", "10"}},
        {"delete the first", {"10", "0", "10", "21"}, {1, 2, 3}, {"0", "11", "20"}},
        {"delete a plain figure", {"0", "11", "20", "11"}, {0, 2, 3}, {"0", "21", "10"}},
        {"chain turned down first", {"11", "20", "11"}, {-1, 0, 1, 2}, {"11", "10", "21", "10"}},
        {"unknown codes travel", {"10", "x", "10"}, {0, -1, 1, 2}, {"10", "11", "x", "11"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(typeCodesAfterMove(ListKind::Chain, c.before, c.origin), c.after) << c.name;
    }
    EXPECT_EQ(typeCodesAfterMove(ListKind::Exception, {"12", "23", "13"}, {0, -1, 1, 2}), (Codes{"12", "", "23", "13"}));
    EXPECT_EQ(typeCodesAfterMove(ListKind::Exception, {"12", "23", "13"}, {1, 2}), (Codes{"23", "13"}));
}

void setFigure(SurveyData& data, int figure, const char* type, const char* a, const char* b, const char* c) {
    for (InputSet set : {InputSet::Design, InputSet::Measured}) {
        data.setRow(ListKind::Chain, 0, tableRow(figure, set), {type, a, b, c, "", "", "0"});
    }
}

float net(SurveyData& data) {
    calculateAreas(data, "No.");
    return std::stof(updateTotals(data, 0, InputSet::Design).sums.net().text());
}

// The base, a deduction and two calculated triangles, with sides that do not join: every figure its own area.
TEST(MarksFollowFigures, InsertAndDeleteKeepTheNetAreaOfTheFiguresThatMove) {
    SurveyData data;
    data.setFigureCount(ListKind::Chain, 0, 4);
    setFigure(data, 0, "0", "3", "4", "5");       // 6
    setFigure(data, 1, "21", "1", "1", "1");      // ▼ 0.4330127
    setFigure(data, 2, "10", "6", "8", "10");     // 24
    setFigure(data, 3, "11", "10", "10", "10");   // 43.30127
    DocumentEditor editor(data);
    const float before = net(data);
    EXPECT_FLOAT_EQ(before, 6.0f - 0.4330127f + 24.0f + 43.30127f);

    ASSERT_EQ(editor.insertFigure(ListKind::Chain, 0, 1), std::nullopt);
    EXPECT_EQ(data.cell(ListKind::Chain, 0, tableRow(1, InputSet::Design), column::Type), "11");  // a plain ▽
    EXPECT_EQ(data.cell(ListKind::Chain, 0, tableRow(2, InputSet::Measured), column::Type), "20");
    EXPECT_EQ(data.cell(ListKind::Chain, 0, tableRow(4, InputSet::Design), column::Type), "10");
    // The new figure joined C-A to the base (A = 5); its C is the deduction's A already.
    EXPECT_EQ(data.cell(ListKind::Chain, 0, 2, column::SideC), "1");
    editor.enterCell({ListKind::Chain, 0, 2, column::SideB}, "5");
    const float added = net(data) - before;
    EXPECT_NEAR(added, 2.487468f, 1e-4f);  // the new figure (5, 5, 1) alone

    for (int step = 0; step < 2; ++step) ASSERT_NE(editor.undo(), nullptr);
    EXPECT_EQ(data.cell(ListKind::Chain, 0, tableRow(1, InputSet::Design), column::Type), "21");
    EXPECT_FLOAT_EQ(net(data), before);

    ASSERT_EQ(editor.deleteFigure(ListKind::Chain, 0, 0), std::nullopt);  // the base goes with its figure
    EXPECT_EQ(data.cell(ListKind::Chain, 0, tableRow(0, InputSet::Design), column::Type), "20");
    EXPECT_NEAR(net(data), before - 6.0f, 1e-4f);
    ASSERT_NE(editor.undo(), nullptr);
    EXPECT_FLOAT_EQ(net(data), before);
    ASSERT_NE(editor.redo(), nullptr);
    EXPECT_NEAR(net(data), before - 6.0f, 1e-4f);
}

}  // namespace
}  // namespace mirota
