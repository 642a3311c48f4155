#include "draw/stream/AreaTable.h"

#include <gtest/gtest.h>

#include "StreamTestSupport.h"

namespace mirota {
namespace {

using test::setRow;
using test::startsWith;
using test::typed;

// One tier with one figure, table at (10, 100) with text height 0.5 (exact in binary), release 2000.
class AreaTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        data.setFigureCount(ListKind::Chain, 0, 1);
        data.conditions.labelHeight = 0.5f;
        data.conditions.tableX = 10.0f;
        data.conditions.tableY = 100.0f;
        data.acadVersion = "2000";
    }

    void setExampleFigure(const std::string& type) {
        setRow(data, 0, 0, type, {"3", "4", "5", "6", "6"});
        setRow(data, 0, 1, type, {"3.1", "4", "5", "6.05", "6.2"});
    }

    std::vector<std::string> commands() const { return areaTableCommands(data, "0.00"); }

    SurveyData data;
};

TEST_F(AreaTableTest, NormalRowSendsTheThirteenValues) {
    setExampleFigure("10");
    const auto sent = commands();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1], typed({"-insert", "hyou1", "10,98.5", "0.5", "0.5", "", "1", "3.00", "4.00", "5.00", "6.00",
                              "6.00", "", "(3.10)", "(4.00)", "(5.00)", "(6.05)", "(6.20)", ""}));
    EXPECT_EQ(sent[2], typed({"-insert", "hyou2", "10,95.5", "0.5", "0.5", "", "6.00", "0.00", "(6.20)", "(0.00)"}));
}

// Sides typed to the millimetre in a metre document: the sides by 辺の桁数, S and the area by 桁数.
TEST_F(AreaTableTest, SidesTakeTheirOwnDecimals) {
    setRow(data, 0, 0, "10", {"3.1234", "4", "5", "6.0617", "6.1974"});
    setRow(data, 0, 1, "10", {"3.1", "4", "5", "6.05", "6.2"});
    AreaTableRules rules;
    rules.sideDecimals = 3;
    EXPECT_EQ(areaTableCommands(data, "0.0", rules)[1],
              typed({"-insert", "hyou1", "10,98.5", "0.5", "0.5", "", "1", "3.123", "4.000", "5.000", "6.1", "6.2", "",
                     "(3.100)", "(4.000)", "(5.000)", "(6.1)", "(6.2)", ""}));
}

TEST_F(AreaTableTest, DeductionRowIsNegatedAndMarked) {
    setExampleFigure("20");
    const auto sent = commands();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1], typed({"-insert", "hyou1", "10,98.5", "0.5", "0.5", "", "1", "3.00", "4.00", "5.00", "6.00",
                              "-6.00", "控除", "(3.10)", "(4.00)", "(5.00)", "(6.05)", "(-6.20)", "控除"}));
    EXPECT_EQ(sent[2], typed({"-insert", "hyou2", "10,95.5", "0.5", "0.5", "", "0.00", "-6.00", "(0.00)", "(-6.20)"}));
}

TEST_F(AreaTableTest, EveryDeductionTypeAndOnlyThoseAreDeductions) {
    struct Case {
        const char* type;
        bool deduction;
    };
    const Case cases[] = {{"0", false},  {"10", false}, {"11", false}, {"12", false}, {"13", false}, {"20", true},
                          {"21", true},  {"22", true},  {"23", true},  {"020", false}, {"", false}};
    for (const Case& c : cases) {
        setExampleFigure(c.type);
        const std::string row = commands()[1];
        EXPECT_EQ(row.find("控除") != std::string::npos, c.deduction) << "type '" << c.type << "'";
        EXPECT_EQ(row.find("-6.00") != std::string::npos, c.deduction) << "type '" << c.type << "'";
    }
}

// A figure measured only (its design cells empty) is an ordinary figure: no "控除", normal totals.
TEST_F(AreaTableTest, OrdinaryFigureWithoutDesignAreaIsNoDeduction) {
    setRow(data, 0, 0, "10", {"", "", "", "", ""});
    setRow(data, 0, 1, "10", {"3", "4", "5", "6", "6"});
    const auto sent = commands();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1], typed({"-insert", "hyou1", "10,98.5", "0.5", "0.5", "", "1", "0.00", "0.00", "0.00", "0.00",
                              "0.00", "", "(3.00)", "(4.00)", "(5.00)", "(6.00)", "(6.00)", ""}));
    EXPECT_EQ(sent[2], typed({"-insert", "hyou2", "10,95.5", "0.5", "0.5", "", "0.00", "0.00", "(6.00)", "(0.00)"}));
}

TEST_F(AreaTableTest, HeaderShowsTheUnit) {
    struct Case {
        DisplayUnit unit;
        std::string u;
    };
    const Case cases[] = {{DisplayUnit::Metre, "ｍ"},
                          {DisplayUnit::Centimetre, "ｃｍ"},
                          {DisplayUnit::Millimetre, "ｍｍ"},
                          {DisplayUnit{3}, ""},
                          {DisplayUnit{-1}, ""}};
    setExampleFigure("10");
    for (const Case& c : cases) {
        data.conditions.displayUnit = c.unit;
        EXPECT_EQ(commands()[0], typed({"-insert", "hyou", "10,100", "0.5", "0.5", "", "番号", "A辺(" + c.u + ")",
                                        "B辺(" + c.u + ")", "C辺(" + c.u + ")", "S", "A(" + c.u + "2)", "適用"}))
            << "unit " << static_cast<int>(c.unit);
    }
}

TEST(InsertCommandWord, ByTheReleaseNumber) {
    struct Case {
        const char* release;
        const char* word;
    };
    const Case cases[] = {{"98", "_insert"}, {"2000", "-insert"}, {"98.0", "_insert"}, {"2000.00", "-insert"},
                          {"2004", ""},       {"", ""},             {"abc", ""},          {"98abc", ""},
                          {"0", ""}};
    for (const Case& c : cases) EXPECT_EQ(insertCommandWord(c.release), c.word) << "release '" << c.release << "'";
}

TEST_F(AreaTableTest, UnknownReleaseStartsEveryInsertWithAnEmptyWord) {
    setExampleFigure("10");
    data.acadVersion = "LT";
    for (const std::string& text : commands()) EXPECT_EQ(text.substr(0, 5), "\rhyou");
}

// Numbers restart at 1 in every tier, as the circled numbers do; every tier starts with its own header
// below the previous footer (12 text heights: the footer block's height), so that the tables do not overlap.
TEST_F(AreaTableTest, TwoTiersNumberFromOneAndStartBelowTheFooter) {
    data.changeTierCount(2);
    data.setFigureCount(ListKind::Chain, 0, 2);
    data.setFigureCount(ListKind::Chain, 1, 3);
    for (int tier = 0; tier < 2; ++tier) {
        for (int row = 0; row < 6; ++row) setRow(data, tier, row, "10", {"3", "4", "5", "6", "6"});
    }
    const auto sent = commands();
    ASSERT_EQ(sent.size(), 9u);
    const std::string lead = "-insert\r";
    EXPECT_TRUE(startsWith(sent[0], lead + "hyou\r10,100\r"));
    EXPECT_TRUE(startsWith(sent[1], lead + "hyou1\r10,98.5\r0.5\r0.5\r\r1\r"));
    EXPECT_TRUE(startsWith(sent[2], lead + "hyou1\r10,95.5\r0.5\r0.5\r\r2\r"));
    EXPECT_EQ(sent[3], typed({"-insert", "hyou2", "10,92.5", "0.5", "0.5", "", "12.00", "0.00", "(12.00)", "(0.00)"}));
    EXPECT_TRUE(startsWith(sent[4], lead + "hyou\r10,86.5\r"));
    EXPECT_TRUE(startsWith(sent[5], lead + "hyou1\r10,85\r0.5\r0.5\r\r1\r"));
    EXPECT_TRUE(startsWith(sent[6], lead + "hyou1\r10,82\r0.5\r0.5\r\r2\r"));
    EXPECT_TRUE(startsWith(sent[7], lead + "hyou1\r10,79\r0.5\r0.5\r\r3\r"));
    EXPECT_EQ(sent[8], typed({"-insert", "hyou2", "10,76", "0.5", "0.5", "", "18.00", "0.00", "(18.00)", "(0.00)"}));
}

// X is a single, Y a double: 0.4 as a single is 0.4000000059604645, so 3h lowers Y by 1.20000001788139.
TEST_F(AreaTableTest, RowPositionStepsInDoublePrecision) {
    setExampleFigure("10");
    data.conditions.labelHeight = 0.4f;
    data.conditions.tableX = 0.1f;
    data.conditions.tableY = 0.0f;
    const auto sent = commands();
    EXPECT_TRUE(startsWith(sent[0], "-insert\rhyou\r0.1,0\r0.4\r0.4\r"));
    EXPECT_TRUE(startsWith(sent[1], "-insert\rhyou1\r0.1,-1.20000001788139\r0.4\r0.4\r"));
}

// Totals add the rounded-as-written values as doubles; the footer formats them with the digits format.
TEST_F(AreaTableTest, FooterTotalsMixNormalAndDeductionFigures) {
    data.setFigureCount(ListKind::Chain, 0, 3);
    setRow(data, 0, 0, "10", {"3", "4", "5", "6", "6.125"});
    setRow(data, 0, 1, "10", {"3", "4", "5", "6", "6.5"});
    setRow(data, 0, 2, "22", {"1", "1", "", "", "1.25"});
    setRow(data, 0, 3, "22", {"1", "1", "", "", ""});
    setRow(data, 0, 4, "11", {"3", "4", "5", "6", "2"});
    setRow(data, 0, 5, "11", {"3", "4", "5", "6", "2.25"});
    const auto sent = areaTableCommands(data, "0.0");
    ASSERT_EQ(sent.size(), 5u);
    EXPECT_EQ(sent[2], typed({"-insert", "hyou1", "10,95.5", "0.5", "0.5", "", "2", "1.0", "1.0", "0.0", "0.0", "-1.3",
                              "控除", "(1.0)", "(1.0)", "(0.0)", "(0.0)", "(0.0)", "控除"}));
    EXPECT_EQ(sent[4], typed({"-insert", "hyou2", "10,89.5", "0.5", "0.5", "", "8.1", "-1.3", "(8.8)", "(0.0)"}));
}

}  // namespace
}  // namespace mirota
