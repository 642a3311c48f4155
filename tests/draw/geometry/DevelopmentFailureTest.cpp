#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "ChainBuilder.h"
#include "draw/geometry/DevelopmentGeometry.h"

namespace mirota {
namespace {

using test::FigureInput;
using test::fillTier;

const std::vector<FigureInput> kGoodTier = {{"0", "10", "10", "10"}, {"11", "10", "10", "10", "0"}};

// Texts the user sees exactly as given.
struct FixedTextCase {
    const char* name;
    std::function<void(SurveyData&)> setUp;
    std::string prefix;
    Message expected;
};

TEST(DevelopmentGeometryFailure, InputMessagesWithTheirExactTexts) {
    const std::vector<FixedTextCase> cases = {
        {"no base",
         [](SurveyData& d) {
             fillTier(d, 0, {{"10", "1", "1", "1"}, {"11", "1", "1", "1"}});
         },
         "No.",
         {"タイプ変更で基準を指定して下さい！ 【1段目に基準の図形がありません】", "入力必須項目", Message::Icon::Critical}},
        {"no base in the measured rows",
         [](SurveyData& d) {
             fillTier(d, 0, kGoodTier, InputSet::Measured);
             d.setCell(ListKind::Chain, 0, 1, column::Type, "10");
         },
         "No.",
         {"タイプ変更で基準を指定して下さい！ 【1段目に基準の図形がありません】", "入力必須項目", Message::Icon::Critical}},
        {"empty side B, measured row of figure 2",
         [](SurveyData& d) {
             fillTier(d, 0, kGoodTier, InputSet::Measured);
             d.setCell(ListKind::Chain, 0, 3, column::SideB, "");
         },
         "No.",
         {"入力データを確認して下さい！ 【1段目 No.2 実測値のＢ辺が空です】", "", Message::Icon::None}},
        {"no triangle, tier 2 figure 3",
         [](SurveyData& d) {
             fillTier(d, 0, kGoodTier);
             fillTier(d, 1, {{"0", "10", "10", "10"}, {"11", "10", "10", "10"}, {"10", "1", "2", "5"}});
         },
         "No.",
         {"数値入力に誤りがあります。（2段目 No.3）\r\n\r\n作図を中止します！", "データ入力エラー",
          Message::Icon::Critical}},
        {"no triangle, first figure, own prefix",
         [](SurveyData& d) {
             fillTier(d, 0, {{"0", "1", "1", "3"}});
         },
         "測点",
         {"数値入力に誤りがあります。（1段目 測点1）\r\n\r\n作図を中止します！", "データ入力エラー",
          Message::Icon::Critical}},
    };
    for (const auto& c : cases) {
        SurveyData data;
        c.setUp(data);
        FigureGeometry g;
        const auto failure = computeDevelopmentGeometry(data, c.prefix, g);
        ASSERT_TRUE(failure) << c.name;
        EXPECT_EQ(*failure, c.expected) << c.name << ": " << failure->text;
    }
}

// Failures while computing: "[No.n]" and a sentence naming the tier and the figure.
struct ComputingCase {
    const char* name;
    std::function<void(SurveyData&)> setUp;
    int number;
    std::string names;  // the tier and figure the sentence must name
};

TEST(DevelopmentGeometryFailure, ComputingFailuresAreNumberedAndNameTheFigure) {
    const std::vector<ComputingCase> cases = {
        {"side not a number",
         [](SurveyData& d) {
             fillTier(d, 0, {{"0", "10", "abc", "10"}});
         },
         13, "1段目 No.1"},
        {"blank side text",
         [](SurveyData& d) {
             fillTier(d, 0, {{"0", "10", " ", "10"}});
         },
         13, "1段目 No.1"},
        {"empty type before the base",
         [](SurveyData& d) {
             fillTier(d, 0, {{"", "10", "10", "10"}, {"0", "10", "10", "10"}});
         },
         13, "1段目 No.1"},
        {"design row type not a number while drawing measured",
         [](SurveyData& d) {
             fillTier(d, 0, kGoodTier, InputSet::Measured);
             d.setCell(ListKind::Chain, 0, 0, column::Type, "x");
         },
         13, "1段目 No.1"},
        {"previous figure's type not a number",
         [](SurveyData& d) {
             fillTier(d, 0, {{"0", "10", "10", "10"}, {"1x", "10", "10", "10", "0"}, {"10", "10", "10", "10", "0"}});
         },
         13, "1段目 No.2"},
        {"flat figure, S - C = 0",
         [](SurveyData& d) {
             fillTier(d, 0, {{"0", "1", "2", "3"}});
         },
         11, "1段目 No.1"},
        {"all sides zero, 0 / 0",
         [](SurveyData& d) {
             fillTier(d, 0, {{"0", "0", "0", "0"}});
         },
         6, "1段目 No.1"},
        {"side beyond the single range",
         [](SurveyData& d) {
             fillTier(d, 0, {{"0", "1e39", "1e39", "1e39"}});
         },
         6, "1段目 No.1"},
        {"half perimeter beyond the single range",
         [](SurveyData& d) {
             fillTier(d, 0, {{"0", "3e38", "3e38", "3e38"}});
         },
         6, "1段目 No.1"},
        {"coordinates beyond the single range",
         [](SurveyData& d) {
             std::vector<FigureInput> strip;
             for (int k = 0; k < 6; ++k) strip.push_back({k == 0 ? "0" : k % 2 ? "11" : "10", "1e38", "1e38", "1e38"});
             fillTier(d, 0, strip);  // vertex 1 of figure 6 would lie at x = 3.5e38
         },
         6, "1段目 No.6"},
        {"unknown join, then chained onto the figure left at zeros",
         [](SurveyData& d) {
             fillTier(d, 0, {{"0", "10", "10", "10"}, {"11", "10", "10", "10", "7"}, {"10", "10", "10", "10", "0"}});
         },
         6, "1段目 No.3"},
        {"unknown join on the last figure: its sides have no direction",
         [](SurveyData& d) {
             fillTier(d, 0, {{"0", "10", "10", "10"}, {"11", "10", "10", "10", "7"}});
         },
         6, "1段目 No.2"},
        {"previous tier's base is its first figure",
         [](SurveyData& d) {
             fillTier(d, 0, kGoodTier);
             fillTier(d, 1, kGoodTier);
         },
         9, "2段目"},
        // Far from the origin the base figure's side B collapses to one point when moved there.
        {"base side B collapses in the shift",
         [](SurveyData& d) {
             fillTier(d, 0, {{"10", "1e30", "1e30", "1e30"}, {"0", "1e30", "1e30", "1e30", "0"}});
             fillTier(d, 1, {{"10", "1", "1", "1"}, {"0", "1", "1", "1", "0"}});
         },
         6, "2段目 No.2"},
    };
    for (const auto& c : cases) {
        SurveyData data;
        c.setUp(data);
        FigureGeometry g;
        const auto failure = computeDevelopmentGeometry(data, "No.", g);
        ASSERT_TRUE(failure) << c.name;
        const std::string head = "[No." + std::to_string(c.number) + "]\r\n";
        EXPECT_EQ(failure->text.substr(0, head.size()), head) << c.name << ": " << failure->text;
        EXPECT_GT(failure->text.size(), head.size() + c.names.size()) << c.name;
        EXPECT_NE(failure->text.find(c.names), std::string::npos) << c.name << ": " << failure->text;
        EXPECT_EQ(failure->title, "DrawDataCalc0エラー") << c.name;
        EXPECT_EQ(failure->icon, Message::Icon::Critical) << c.name;
        for (int t = 0; t < g.tiers(); ++t) {
            for (int row = 0; row < g.rows(); ++row) {
                for (int v = 0; v < 3; ++v) {
                    for (int k = 0; k < 5; ++k) ASSERT_TRUE(std::isfinite(g.at(t, row, v, k))) << c.name;
                }
            }
        }
    }
}

TEST(DevelopmentGeometryFailure, TiersPlacedBeforeTheFailureKeepTheirValues) {
    SurveyData data;
    fillTier(data, 0, kGoodTier);
    fillTier(data, 1, {{"10", "3", "4", "5"}, {"11", "3", "4", "5"}});
    FigureGeometry g;
    const auto failure = computeDevelopmentGeometry(data, "No.", g);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, "タイプ変更で基準を指定して下さい！ 【2段目に基準の図形がありません】");
    EXPECT_NEAR(g.at(0, 2, 1, FigureGeometry::VertexX), 15.0, 1e-5);
    EXPECT_NEAR(g.at(0, 2, 1, FigureGeometry::LabelX), 10.0, 1e-5);  // tier 0 was labelled
    EXPECT_EQ(g.baseFigureNumber(0), 1);
    EXPECT_EQ(g.baseFigureNumber(1), -1);
}

TEST(DevelopmentGeometryFailure, WithoutAFigureBeforeThePreviousBaseTheChainIsPlacedFirst) {
    SurveyData data;
    fillTier(data, 0, kGoodTier);
    fillTier(data, 1, {{"0", "3", "4", "5"}, {"11", "3", "4", "5", "1"}});
    FigureGeometry g;
    const auto failure = computeDevelopmentGeometry(data, "No.", g);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text.substr(0, 8), "[No.9]\r\n");
    // Tier 1's chain stands in its own frame: figure 1 on the +x axis, figure 2 its mirror across B.
    EXPECT_FLOAT_EQ(g.at(1, 0, 1, FigureGeometry::VertexX), 4.0f);
    EXPECT_NEAR(g.at(1, 2, 2, FigureGeometry::VertexY), -3.0, 1e-5);
}

}  // namespace
}  // namespace mirota
