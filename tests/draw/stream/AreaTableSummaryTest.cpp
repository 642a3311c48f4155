// The area table by the user's rules: rounding and sum rule on the values shown, and on request a net
// line under every tier and a closing block with the document's net and the registered area.
#include "draw/stream/AreaTable.h"

#include <gtest/gtest.h>

#include "StreamTestSupport.h"
#include "draw/engine/DrawingEngine.h"
#include "draw/engine/DrawingTemplate.h"

namespace mirota {
namespace {

using test::setRow;
using test::typed;

// Two tiers of one figure each at (10, 100), text height 0.5, release 2000; tier 1 also holds an
// exception rectangle of 100.
SurveyData twoTiers() {
    SurveyData data;
    data.changeTierCount(2);
    data.setFigureCount(ListKind::Chain, 0, 1);
    data.setFigureCount(ListKind::Chain, 1, 1);
    data.conditions.labelHeight = 0.5f;
    data.conditions.tableX = 10.0f;
    data.conditions.tableY = 100.0f;
    data.acadVersion = "2000";
    setRow(data, 0, 0, "10", {"3", "4", "5", "6", "6"});
    setRow(data, 0, 1, "10", {"3.1", "4", "5", "6.05", "6.2"});
    setRow(data, 1, 0, "21", {"1", "1", "1", "1.5", "0.4330127"});
    setRow(data, 1, 1, "21", {"1", "1", "1", "1.5", "0.4330127"});
    data.setRow(ListKind::Exception, 0, 0, {"12", "庭", "10", "10", "", "100", ""});
    return data;
}

TEST(AreaTableSummary, ANetLineUnderEveryTierAndTheClosingBlock) {
    const SurveyData data = twoTiers();
    const auto sent = areaTableCommands(data, "0.00", {.registered = RegisteredClass::Residential, .summary = true});
    // Header, the chain's row, the exception figure's row, footer, net line; then tier 2 without an
    // exception figure; the closing block.
    ASSERT_EQ(sent.size(), 10u);
    // The exception figure counts in the closing block, so it is listed: under its name, its elements
    // as A and B, no C or S; its measured row has no values but the area counted as zero.
    EXPECT_EQ(sent[2], typed({"-insert", "hyou1", "10,95.5", "0.5", "0.5", "", "庭", "10.00", "10.00", "", "",
                              "100.00", "", "", "", "", "", "(0.00)", ""}));
    EXPECT_EQ(sent[3], typed({"-insert", "hyou2", "10,92.5", "0.5", "0.5", "", "106.00", "0.00", "(6.20)", "(0.00)"}));
    EXPECT_EQ(sent[4], typed({"-insert", "hyou3", "10,86.5", "0.5", "0.5", "", "106.00", "(6.20)"}));
    EXPECT_EQ(sent[8], typed({"-insert", "hyou3", "10,73", "0.5", "0.5", "", "-0.43", "(-0.43)"}));
    // 6 + 100 − 0.4330127 and 6.2 − 0.4330127: the tiers' net lines added up; the registered area cut below 0.01.
    EXPECT_EQ(sent[9], typed({"-insert", "hyou4", "10,70", "0.5", "0.5", "", "105.57", "(5.77)", "地積", "105.56",
                              "(5.76)"}));
}

// Without the closing block no total holds the exception list, and the table lists the chain only; an
// exception row with no elements (the list's default row) is never listed; a deduction is negated and marked.
TEST(AreaTableSummary, ExceptionFiguresAreListedWhenTheyCount) {
    SurveyData data = twoTiers();
    data.setFigureCount(ListKind::Exception, 0, 3);
    data.setRow(ListKind::Exception, 0, 2, {"12", "名称2", "", "", "", "", ""});
    data.setRow(ListKind::Exception, 0, 4, {"23", "池", "2", "", "", "12.566", ""});
    data.setRow(ListKind::Exception, 0, 5, {"23", "池", "2.1", "", "", "13.854", ""});
    EXPECT_EQ(areaTableCommands(data, "0.00", {}).size(), 6u);
    const auto sent = areaTableCommands(data, "0.00", {.summary = true});
    ASSERT_EQ(sent.size(), 11u);
    EXPECT_EQ(sent[3], typed({"-insert", "hyou1", "10,92.5", "0.5", "0.5", "", "池", "2.00", "", "", "", "-12.57",
                              "控除", "(2.10)", "", "", "", "(-13.85)", "控除"}));
    EXPECT_EQ(sent[4], typed({"-insert", "hyou2", "10,89.5", "0.5", "0.5", "", "106.00", "-12.57", "(6.20)",
                              "(-13.85)"}));
}

TEST(AreaTableSummary, RowsAndTotalsFollowTheRoundingAndSumRules) {
    SurveyData data = twoTiers();
    data.setFigureCount(ListKind::Chain, 0, 2);
    setRow(data, 0, 0, "10", {"3", "4", "5", "6", "2.675"});
    setRow(data, 0, 2, "10", {"3", "4", "5", "6", "2.675"});
    const auto stored = areaTableCommands(data, "0.00", {.rounding = RoundingRule::Down});
    EXPECT_NE(stored[1].find("\r2.67\r"), std::string::npos);
    EXPECT_NE(stored[3].find("\r5.35\r"), std::string::npos);  // 5.35 exactly: nothing to cut
    const auto shown = areaTableCommands(data, "0.00", {.rounding = RoundingRule::Down, .sum = SumRule::Shown});
    EXPECT_NE(shown[3].find("\r5.34\r"), std::string::npos);   // 2.67 + 2.67
    // Off by default: the table as it always was.
    EXPECT_EQ(areaTableCommands(data, "0.00", {}), areaTableCommands(data, "0.00"));
}

TEST(AreaTableSummary, TheEngineTakesTheClosingBlocksInOnlyWhenInserted) {
    const SurveyData data = twoTiers();
    drawing::DrawingEngine plain;
    for (const std::string& text : areaTableCommands(data, "0.00")) ASSERT_FALSE(plain.execute(text));
    EXPECT_EQ(plain.drawing().blocks.size(), 3u);
    drawing::DrawingEngine closing;
    for (const std::string& text : areaTableCommands(data, "0.00", {.summary = true})) {
        ASSERT_FALSE(closing.execute(text)) << text;
    }
    EXPECT_EQ(closing.drawing().blocks.size(), 5u);
    EXPECT_TRUE(closing.drawing().reserveBlocks.empty());
    EXPECT_EQ(drawing::makeTemplateFile().blocks.size(), 5u);
    EXPECT_TRUE(drawing::DrawingEngine().execute(typed({"-insert", "hyou5", "0,0", "1", "1", ""})).has_value());
}

}  // namespace
}  // namespace mirota
