#include "model/SurveyData.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "model/FigureType.h"

namespace mirota {
namespace {

TEST(SurveyData, NewDocumentHasOneTierWithTwoChainFiguresAndOneExceptionFigure) {
    SurveyData data;
    EXPECT_EQ(data.maxTiers(), 20);
    EXPECT_EQ(data.maxFigures(), 100);
    EXPECT_EQ(data.tierCount(), 1);
    EXPECT_EQ(data.figureCount(ListKind::Chain, 0), 2);
    EXPECT_EQ(data.figureCount(ListKind::Exception, 0), 1);
    for (int tier = 1; tier < 20; ++tier) {
        EXPECT_EQ(data.figureCount(ListKind::Chain, tier), 0);
        EXPECT_EQ(data.figureCount(ListKind::Exception, tier), 0);
    }
    EXPECT_EQ(data.cell(ListKind::Exception, 19, 199, 6), "");
    EXPECT_EQ(data.currentFilePath, "");
    EXPECT_EQ(data.conditions, DrawingConditions::startupDefaults());
    EXPECT_FLOAT_EQ(data.conditions.numberHeight, 0.4f);
    EXPECT_FLOAT_EQ(data.conditions.scale, 200.0f);
    EXPECT_EQ(data.conditions.drawingLayerName, "図面");
}

TEST(SurveyData, ResetKeepsConditionsReleaseAndOptionsButClearsTheTables) {
    SurveyData data;
    data.conditions.referenceX = 5.0f;
    data.acadVersion = "98";
    data.optionFlags = {false, true};
    data.changeTierCount(4);
    data.setCell(ListKind::Chain, 2, 3, 1, "7");
    data.currentFilePath = "a.txt";
    data.reset();
    EXPECT_EQ(data.previousTierCount(), 4);
    EXPECT_EQ(data.tierCount(), 1);
    EXPECT_EQ(data.cell(ListKind::Chain, 2, 3, 1), "");
    EXPECT_EQ(data.figureCount(ListKind::Chain, 2), 0);
    EXPECT_EQ(data.currentFilePath, "");
    EXPECT_FLOAT_EQ(data.conditions.referenceX, 5.0f);
    EXPECT_EQ(data.acadVersion, "98");
    EXPECT_FALSE(data.optionFlags.saveWindowSize);
}

TEST(SurveyData, RowsBeyondTheCountAreKept) {
    SurveyData data;
    data.setFigureCount(ListKind::Chain, 0, 5);
    data.setCell(ListKind::Chain, 0, 8, 1, "4.00");
    data.setFigureCount(ListKind::Chain, 0, 2);
    data.setFigureCount(ListKind::Chain, 0, 5);
    EXPECT_EQ(data.cell(ListKind::Chain, 0, 8, 1), "4.00");
}

TEST(SurveyData, GrowingTheTierCountGivesNewTiersDefaultCountsAndShrinkingClearsTheirFigures) {
    SurveyData data;
    data.changeTierCount(3);
    EXPECT_EQ(data.previousTierCount(), 1);
    EXPECT_EQ(data.figureCount(ListKind::Chain, 2), 2);
    EXPECT_EQ(data.figureCount(ListKind::Exception, 2), 1);
    data.setFigureCount(ListKind::Chain, 2, 3);
    data.setCell(ListKind::Chain, 2, 5, 3, "9");     // measured row of the last figure
    data.setCell(ListKind::Exception, 1, 1, 1, "名称1");
    data.setCell(ListKind::Chain, 2, 6, 3, "kept");  // beyond the count: not a figure of the tier
    data.changeTierCount(1);
    EXPECT_EQ(data.cell(ListKind::Chain, 2, 5, 3), "");
    EXPECT_EQ(data.cell(ListKind::Exception, 1, 1, 1), "");
    EXPECT_EQ(data.cell(ListKind::Chain, 2, 6, 3), "kept");
    EXPECT_EQ(data.figureCount(ListKind::Chain, 2), 3);  // counts stay until the tier is used again
    data.changeTierCount(3);
    EXPECT_EQ(data.figureCount(ListKind::Chain, 2), 2);
}

TEST(SurveyData, NoOperationAddressesBeyondTheCapacities) {
    SurveyData data;
    EXPECT_THROW(static_cast<void>(data.cell(ListKind::Chain, 0, 200, 0)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(data.cell(ListKind::Chain, 20, 0, 0)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(data.cell(ListKind::Chain, -1, 0, 0)), std::out_of_range);
    EXPECT_THROW(data.setCell(ListKind::Exception, 0, 0, 7, "x"), std::out_of_range);
    EXPECT_THROW(data.setFigureCount(ListKind::Chain, 0, 101), std::out_of_range);
    EXPECT_THROW(static_cast<void>(data.figureCount(ListKind::Chain, 20)), std::out_of_range);
    EXPECT_THROW(data.changeTierCount(21), std::out_of_range);
    EXPECT_THROW(data.changeTierCount(0), std::out_of_range);
    EXPECT_THROW(data.recreate(21, 100), std::out_of_range);
    EXPECT_THROW(data.recreate(20, 0), std::out_of_range);
    EXPECT_NO_THROW(data.setCell(ListKind::Exception, 19, 199, 6, "last"));
    EXPECT_FALSE(data.isValidIndex(ListKind::Chain, 0, 0, -1));
}

// Records the cells it is told of.
struct CellLog : SurveyData::WriteObserver {
    std::vector<std::pair<int, std::string>> writes;  // column, text before
    void cellWriting(ListKind, int, int, int col, const std::string& before) override { writes.emplace_back(col, before); }
    void figureCountWriting(ListKind, int, int) override {}
    void tierCountWriting(int, int) override {}
};

TEST(SurveyData, SetRowWritesEveryColumnOfOneRowAsSetCellDoes) {
    SurveyData data;
    data.setCell(ListKind::Exception, 0, 1, column::Area, "old");
    CellLog log;
    data.setWriteObserver(&log);
    data.setRow(ListKind::Exception, 0, 1, {"1", "名称", "2.5", "", "3,4", "", "6"});
    data.setWriteObserver(nullptr);
    const std::vector<std::string> expected{"1", "名称", "2.5", "", "3,4", "", "6"};
    for (int col = 0; col < SurveyData::kColumnCount; ++col) {
        EXPECT_EQ(data.cell(ListKind::Exception, 0, 1, col), expected[static_cast<std::size_t>(col)]) << col;
        EXPECT_EQ(log.writes[static_cast<std::size_t>(col)].first, col);
    }
    ASSERT_EQ(log.writes.size(), 7u);
    EXPECT_EQ(log.writes[column::Area].second, "old");
    EXPECT_EQ(data.cell(ListKind::Exception, 0, 0, column::SideA), "");  // the row before is not touched
    EXPECT_EQ(data.cell(ListKind::Exception, 0, 2, column::Type), "");   // nor the row after
    EXPECT_THROW(data.setRow(ListKind::Chain, 0, 200, {}), std::out_of_range);
}

TEST(SurveyData, RecreateMakesEmptyTablesOfTheGivenCapacities) {
    SurveyData data;
    data.setCell(ListKind::Chain, 0, 0, 1, "3");
    data.recreate(5, 10);
    EXPECT_EQ(data.maxTiers(), 5);
    EXPECT_EQ(data.rowCapacity(), 20);
    EXPECT_EQ(data.figureCount(ListKind::Chain, 0), 0);
    EXPECT_EQ(data.cell(ListKind::Chain, 0, 0, 1), "");
    EXPECT_THROW(static_cast<void>(data.cell(ListKind::Chain, 0, 20, 0)), std::out_of_range);
    EXPECT_THROW(data.restoreTierCounts(6, 1), std::out_of_range);
}

struct TypeCase {
    const char* code;
    bool known;
    const char* symbol;
    SymbolColour colour;
    bool deduction;
};

TEST(FigureType, CodesAreComparedAsText) {
    const TypeCase cases[] = {
        {"0", true, "基準\r\n△", SymbolColour::Blue, false}, {"10", true, "△", SymbolColour::Black, false},
        {"11", true, "▽", SymbolColour::Black, false},       {"12", true, "□", SymbolColour::Black, false},
        {"13", true, "○", SymbolColour::Black, false},       {"20", true, "▲", SymbolColour::Red, true},
        {"21", true, "▼", SymbolColour::Red, true},          {"22", true, "■", SymbolColour::Red, true},
        {"23", true, "●", SymbolColour::Red, true},          {"010", false, "", SymbolColour::Black, false},
        {"", false, "", SymbolColour::Black, false},         {" 10", false, "", SymbolColour::Black, false},
        {"abc", false, "", SymbolColour::Black, false},      {"24", false, "", SymbolColour::Black, false},
    };
    for (const auto& c : cases) {
        const auto type = figureTypeFromCode(c.code);
        ASSERT_EQ(type.has_value(), c.known) << c.code;
        EXPECT_EQ(isDeductionCode(c.code), c.deduction) << c.code;
        if (!type) continue;
        EXPECT_EQ(typeCode(*type), c.code);
        EXPECT_EQ(typeSymbol(*type), c.symbol);
        EXPECT_EQ(typeColour(*type), c.colour);
    }
}

TEST(JoinSide, NamesTheSharedSidesOfBothFigures) {
    EXPECT_EQ(joinSideCaption(JoinSide::JoinCA), "C-A");
    EXPECT_EQ(joinedColumn(JoinSide::JoinCA), column::SideA);
    EXPECT_EQ(previousJoinedColumn(JoinSide::JoinCA), column::SideC);
    EXPECT_EQ(joinedColumn(JoinSide::JoinBB), column::SideB);
    EXPECT_EQ(previousJoinedColumn(JoinSide::JoinBB), column::SideB);
    EXPECT_EQ(joinedColumn(JoinSide::JoinAC), column::SideC);
    EXPECT_EQ(previousJoinedColumn(JoinSide::JoinAC), column::SideA);
    EXPECT_EQ(joinSideFromCode("2"), JoinSide::JoinAC);
    EXPECT_FALSE(joinSideFromCode("7").has_value());
    EXPECT_FALSE(joinSideFromCode("").has_value());
}

}  // namespace
}  // namespace mirota
