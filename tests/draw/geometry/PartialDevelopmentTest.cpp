#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChainBuilder.h"
#include "draw/geometry/DevelopmentGeometry.h"

namespace mirota {
namespace {

using test::FigureInput;
using test::fillTier;

// Base as figure 2, so that a next tier can be put beside it.
const std::vector<FigureInput> kTier = {
    {"10", "10", "10", "10"}, {"0", "10", "10", "10", "0"}, {"10", "10", "10", "10", "0"}, {"11", "12", "11", "10", "0"}};

struct PartialCase {
    const char* name;
    std::vector<std::vector<FigureInput>> tiers;
    std::vector<int> placed;
    std::vector<DevelopmentFault> faults;  // messages compared by their one-line form
    std::vector<std::string> lines;
};

std::vector<FigureInput> withFigure(std::vector<FigureInput> tier, std::size_t index, FigureInput figure) {
    tier[index] = std::move(figure);
    return tier;
}

// The placed figures lie exactly where the drawing's routine puts them when the tiers hold only those.
void expectSameAsFullRunOfThePlacedFigures(const SurveyData& data, const PartialDevelopment& partial, const char* name) {
    SurveyData cut = data;
    int keptTiers = 0;
    while (keptTiers < data.tierCount() && partial.placedFigures[static_cast<std::size_t>(keptTiers)] > 0) {
        cut.setFigureCount(ListKind::Chain, keptTiers, partial.placedFigures[static_cast<std::size_t>(keptTiers)]);
        ++keptTiers;
    }
    if (keptTiers == 0) return;
    cut.changeTierCount(keptTiers);
    FigureGeometry full;
    ASSERT_FALSE(computeDevelopmentGeometry(cut, "No.", full)) << name;
    for (int tier = 0; tier < keptTiers; ++tier) {
        for (int row = 0; row < 2 * cut.figureCount(ListKind::Chain, tier); row += 2) {
            for (int v = 0; v < FigureGeometry::kVertices; ++v) {
                for (int c = 0; c < FigureGeometry::kComponents; ++c) {
                    EXPECT_EQ(partial.geometry.at(tier, row, v, c), full.at(tier, row, v, c))
                        << name << ": tier " << tier << " row " << row << " vertex " << v << " component " << c;
                }
            }
        }
    }
}

TEST(PartialDevelopment, LeavesOutTheFailingFigureAndTheRestOfItsTierAndGoesOn) {
    const std::vector<PartialCase> cases = {
        {"complete", {kTier, kTier}, {4, 4}, {}, {}},
        {"no triangle in tier 1 figure 3: tier 2 still placed beside figures 1 and 2",
         {withFigure(kTier, 2, {"10", "1", "2", "5", "0"}), kTier},
         {2, 4},
         {{0, 3, {}}},
         {"数値入力に誤りがあります。（1段目 No.3）"}},
        {"empty side in tier 2 figure 4",
         {kTier, withFigure(kTier, 3, {"11", "12", "", "10", "0"})},
         {4, 3},
         {{1, 4, {}}},
         {"入力データを確認して下さい！ 【2段目 No.4 設計値のＢ辺が空です】"}},
        {"tier 2's base left out: the tier cannot be put in place",
         {kTier, withFigure(kTier, 0, {"10", "1", "1", "5"})},
         {4, 0},
         {{1, 1, {}}},
         {"数値入力に誤りがあります。（2段目 No.1）"}},
        {"no base in tier 1",
         {withFigure(kTier, 1, {"11", "10", "10", "10", "0"}), kTier},
         {0, 0},
         {{0, 0, {}}, {1, 0, {}}},
         {"タイプ変更で基準を指定して下さい！ 【1段目に基準の図形がありません】", ""}},
        {"unknown join in tier 1 figure 4, the last one",
         {withFigure(kTier, 3, {"11", "12", "11", "10", "7"})},
         {3},
         {{0, 4, {}}},
         {""}},
    };
    for (const PartialCase& c : cases) {
        SurveyData data;
        for (std::size_t tier = 0; tier < c.tiers.size(); ++tier) fillTier(data, static_cast<int>(tier), c.tiers[tier]);
        const PartialDevelopment partial = computePartialDevelopment(data, "No.");
        EXPECT_EQ(partial.placedFigures, c.placed) << c.name;
        ASSERT_EQ(partial.faults.size(), c.faults.size()) << c.name;
        for (std::size_t i = 0; i < c.faults.size(); ++i) {
            EXPECT_EQ(partial.faults[i].tier, c.faults[i].tier) << c.name;
            EXPECT_EQ(partial.faults[i].figure, c.faults[i].figure) << c.name;
            if (!c.lines[i].empty()) {
                EXPECT_EQ(faultMessageLine(partial.faults[i]), c.lines[i]) << c.name;
            }
            EXPECT_FALSE(partial.faults[i].message.text.empty()) << c.name;
        }
        expectSameAsFullRunOfThePlacedFigures(data, partial, c.name);
        // Rows left out read 0, as rows never written do.
        for (std::size_t tier = 0; tier < c.placed.size(); ++tier) {
            const int t = static_cast<int>(tier);
            for (int row = 2 * c.placed[tier]; row < 2 * data.figureCount(ListKind::Chain, t); row += 2) {
                EXPECT_EQ(partial.geometry.at(t, row, 2, 0), 0.0f) << c.name << " tier " << t << " row " << row;
                EXPECT_EQ(partial.geometry.at(t, row, 0, 4), 0.0f) << c.name << " tier " << t << " row " << row;
            }
        }
    }
}

TEST(PartialDevelopment, TheDrawingsRoutineStillStopsAtTheFirstFault) {
    SurveyData data;
    fillTier(data, 0, withFigure(kTier, 2, {"10", "1", "2", "5", "0"}));
    fillTier(data, 1, kTier);
    FigureGeometry g;
    const auto failure = computeDevelopmentGeometry(data, "No.", g);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->title, "データ入力エラー");
    EXPECT_EQ(g.baseFigureNumber(1), -1);  // tier 2 was never reached
}

TEST(PartialDevelopment, FaultLineNamesTheTierOnceWithoutTheErrorNumber) {
    const Message computing{"[No.6]\r\n2段目を配置できません。1段目 No.1 の図形の", "DrawDataCalc0エラー",
                            Message::Icon::Critical};
    EXPECT_EQ(faultMessageLine({1, 0, computing}), "2段目を配置できません。1段目 No.1 の図形の");
    const Message notANumber{"[No.13]\r\n1段目 No.1 の図形のＢ辺が数値ではありません。", "DrawDataCalc0エラー",
                             Message::Icon::Critical};
    EXPECT_EQ(faultMessageLine({0, 1, notANumber}), "1段目 No.1 の図形のＢ辺が数値ではありません。");
    const Message noBase{"タイプ変更で基準を指定して下さい！", "入力必須項目", Message::Icon::Critical};
    EXPECT_EQ(faultMessageLine({10, 0, noBase}), "11段目： タイプ変更で基準を指定して下さい！");
    // "1段目" inside "11段目" does not name tier 1.
    const Message elsewhere{"入力データを確認して下さい！ 【11段目4】", "", Message::Icon::None};
    EXPECT_EQ(faultMessageLine({0, 2, elsewhere}), "1段目： 入力データを確認して下さい！ 【11段目4】");
}

}  // namespace
}  // namespace mirota
