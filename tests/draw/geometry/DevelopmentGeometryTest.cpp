#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ChainBuilder.h"
#include "draw/geometry/DevelopmentGeometry.h"

namespace mirota {
namespace {

using test::FigureInput;
using test::fillTier;

constexpr double kTolerance = 2e-5;
constexpr double kH = 8.660254037844386;  // height of the equilateral triangle of side 10
constexpr float kQuarterTurn = static_cast<float>(3.1415926538 / 2.0);

using Vertices = std::array<std::array<double, 2>, 3>;

struct ExpectedRow {
    int row;
    Vertices vertices;
};

struct PlacementCase {
    const char* name;
    std::vector<FigureInput> figures;
    std::vector<ExpectedRow> expected;
};

void expectVertices(const FigureGeometry& g, int tier, const ExpectedRow& e, const std::string& name) {
    for (int v = 0; v < 3; ++v) {
        EXPECT_NEAR(g.at(tier, e.row, v, FigureGeometry::VertexX), e.vertices[v][0], kTolerance)
            << name << " row " << e.row << " v" << v;
        EXPECT_NEAR(g.at(tier, e.row, v, FigureGeometry::VertexY), e.vertices[v][1], kTolerance)
            << name << " row " << e.row << " v" << v;
    }
}

FigureGeometry computeOk(const SurveyData& data) {
    FigureGeometry g;
    const auto failure = computeDevelopmentGeometry(data, "No.", g);
    EXPECT_FALSE(failure) << (failure ? failure->text : std::string());
    return g;
}

TEST(DevelopmentGeometry, PlacesChainsOneTier) {
    const std::vector<PlacementCase> cases = {
        {"equilateral base", {{"0", "10", "10", "10"}}, {{0, {{{0, 0}, {10, 0}, {5, kH}}}}}},
        {"down first figure, base elsewhere",
         {{"11", "10", "10", "10"}, {"0", "10", "10", "10", "0"}},
         {{0, {{{0, 0}, {10, 0}, {5, -kH}}}}, {2, {{{5, -kH}, {15, -kH}, {10, 0}}}}}},
        {"strip of three along +x",
         {{"0", "10", "10", "10"}, {"11", "10", "10", "10", "0"}, {"10", "10", "10", "10", "0"}},
         {{0, {{{0, 0}, {10, 0}, {5, kH}}}}, {2, {{{5, kH}, {15, kH}, {10, 0}}}}, {4, {{{10, 0}, {20, 0}, {15, kH}}}}}},
        {"3-4-5 mirrored across B",
         {{"0", "3", "4", "5"}, {"11", "3", "4", "5", "1"}},
         {{0, {{{0, 0}, {4, 0}, {0, 3}}}}, {2, {{{0, 0}, {4, 0}, {0, -3}}}}}},
        // Every entry of the join table, equilateral: the third vertex lies beyond the shared side.
        {"up, B-B", {{"0", "10", "10", "10"}, {"11", "10", "10", "10", "1"}}, {{2, {{{0, 0}, {10, 0}, {5, -kH}}}}}},
        {"up, A-C", {{"0", "10", "10", "10"}, {"11", "10", "10", "10", "2"}}, {{2, {{{-5, kH}, {5, kH}, {0, 0}}}}}},
        {"down, B-B", {{"11", "10", "10", "10"}, {"0", "10", "10", "10", "1"}}, {{2, {{{0, 0}, {10, 0}, {5, kH}}}}}},
        {"down, A-C", {{"11", "10", "10", "10"}, {"0", "10", "10", "10", "2"}}, {{2, {{{-5, -kH}, {5, -kH}, {0, 0}}}}}},
        // Right angle at vertex 1: side C of the first figure is vertical, the next figure is laid onto it.
        {"onto a vertical side",
         {{"10", "5", "4", "3"}, {"0", "3", "5", "4", "0"}},
         {{0, {{{0, 0}, {4, 0}, {4, 3}}}}, {2, {{{4, 3}, {8, 0}, {4, 0}}}}}},
        {"deduction and square types",
         {{"0", "10", "10", "10"}, {"12", "10", "10", "10", "0"}, {"20", "10", "10", "10", "0"}},
         {{2, {{{5, kH}, {15, kH}, {10, 0}}}}, {4, {{{10, 0}, {20, 0}, {15, kH}}}}}},
    };
    for (const auto& c : cases) {
        SurveyData data;
        fillTier(data, 0, c.figures);
        const FigureGeometry g = computeOk(data);
        EXPECT_EQ(g.tiers(), 1);
        EXPECT_EQ(g.rows(), 200);
        for (const auto& e : c.expected) expectVertices(g, 0, e, c.name);
    }
}

TEST(DevelopmentGeometry, LabelsOfTheEquilateralTriangleAndTheStrip) {
    SurveyData data;
    fillTier(data, 0, {{"0", "10", "10", "10"}, {"11", "10", "10", "10", "0"}});
    const FigureGeometry g = computeOk(data);
    struct Label {
        int row, vertex;
        double x, y, slope;
    };
    const Label labels[] = {
        {0, 0, 2.5, 4.330127, 1.0471976},  {0, 1, 5, 0, 0},   {0, 2, 7.5, 4.330127, -1.0471976},
        {2, 0, 7.5, 4.330127, -1.0471976}, {2, 1, 10, kH, 0}, {2, 2, 12.5, 4.330127, 1.0471976},
    };
    for (const auto& l : labels) {
        EXPECT_NEAR(g.at(0, l.row, l.vertex, FigureGeometry::LabelX), l.x, kTolerance) << l.row << " " << l.vertex;
        EXPECT_NEAR(g.at(0, l.row, l.vertex, FigureGeometry::LabelY), l.y, kTolerance) << l.row << " " << l.vertex;
        EXPECT_NEAR(g.at(0, l.row, l.vertex, FigureGeometry::Slope), l.slope, kTolerance) << l.row << " " << l.vertex;
    }
    EXPECT_EQ(g.baseFigureNumber(0), 1);
}

TEST(DevelopmentGeometry, VerticalSidesHaveAQuarterTurnBySignOfTheirRise) {
    // 5·cos θ0 with cos θ0 = 4/5 rounds to exactly 4 in single precision: side C is vertical.
    for (const char* type : {"10", "11"}) {
        SurveyData data;
        fillTier(data, 0, {{type, "5", "4", "3"}, {"0", "3", "5", "4", "0"}});
        const FigureGeometry g = computeOk(data);
        const float sign = std::string(type) == "10" ? 1.0f : -1.0f;
        EXPECT_EQ(g.at(0, 0, 2, FigureGeometry::VertexX), 4.0f);
        EXPECT_EQ(g.at(0, 0, 1, FigureGeometry::VertexX), 4.0f);
        EXPECT_FLOAT_EQ(g.at(0, 0, 2, FigureGeometry::Slope), sign * kQuarterTurn) << type;
        if (sign > 0) {
            EXPECT_FLOAT_EQ(g.at(0, 2, 0, FigureGeometry::Slope), kQuarterTurn);  // the next figure's side A, upwards
        }
    }
}

TEST(DevelopmentGeometry, MeasuredSetPlacesRowOneWithTheOrientationOfRowZero) {
    SurveyData data;
    fillTier(data, 0, {{"0", "10", "10", "10"}}, InputSet::Measured);
    data.setCell(ListKind::Chain, 0, 0, column::Type, "11");
    const FigureGeometry g = computeOk(data);
    expectVertices(g, 0, {1, {{{0, 0}, {10, 0}, {5, -kH}}}}, "measured");
    EXPECT_EQ(g.baseFigureNumber(0), 1);
    for (int v = 0; v < 3; ++v) {
        for (int component = 0; component < 5; ++component) EXPECT_EQ(g.at(0, 0, v, component), 0.0f);
    }
}

TEST(DevelopmentGeometry, TheBaseNumberCountsFiguresOfTheInputSet) {
    SurveyData data;
    fillTier(data, 0, {{"10", "10", "10", "10"}, {"11", "10", "10", "10"}, {"0", "10", "10", "10"}},
             InputSet::Measured);
    const FigureGeometry g = computeOk(data);
    EXPECT_EQ(g.baseFigureNumber(0), 3);
}

struct LayoutCase {
    const char* name;
    std::vector<FigureInput> tier0;
    std::vector<FigureInput> tier1;
    std::vector<ExpectedRow> expected;  // rows of tier 1
};

TEST(DevelopmentGeometry, LaysOutTheSecondTierBesideTheFirst) {
    // h = 0.4, the default figure-number height.
    const std::vector<LayoutCase> cases = {
        // R = Q = tier 0's figure 1: α = 60°, β = 0, anchor = (0.4 cos 60°, 0.4 sin 60°); γ = 0.
        {"shift only",
         {{"10", "10", "10", "10"}, {"0", "10", "10", "10", "0"}},
         {{"0", "3", "4", "5"}},
         {{0, {{{0.2, 0.34641016}, {4.2, 0.34641016}, {0.2, 3.34641016}}}}}},
        // R = tier 0's figure 2, whose side A is vertical (α = 90°) and whose side B falls with
        // slope -3/4 (β = atan 0.75): the base is turned clockwise by β about the anchor (0, 0.4).
        {"vertical α, turned by β",
         {{"10", "5", "4", "3"}, {"11", "3", "5", "4", "0"}, {"0", "3", "5", "4", "1"}},
         {{"0", "3", "4", "5"}},
         {{0, {{{0, 0.4}, {3.2, -2.0}, {1.8, 2.8}}}}}},
        // Base is tier 1's figure 2, side B with slope -3/4 (γ = -atan 0.75); Q = tier 0's figure 2,
        // anchor = (5, 8.660254) + (0.2, 0.34641016); the tier turns counter-clockwise by atan 0.75.
        {"turned by γ",
         {{"10", "10", "10", "10"}, {"0", "10", "10", "10", "0"}},
         {{"10", "5", "4", "3"}, {"0", "3", "5", "4", "0"}},
         {{0, {{{3.8, 4.20666420}, {7.0, 6.60666420}, {5.2, 9.00666420}}}},
          {2, {{{5.2, 9.00666420}, {10.2, 9.00666420}, {7.0, 6.60666420}}}}}},
    };
    for (const auto& c : cases) {
        SurveyData data;
        fillTier(data, 0, c.tier0);
        fillTier(data, 1, c.tier1);
        const FigureGeometry g = computeOk(data);
        for (const auto& e : c.expected) expectVertices(g, 1, e, c.name);
    }
}

TEST(DevelopmentGeometry, TheAnchorOffsetFollowsTheFigureNumberHeight) {
    SurveyData data;
    data.conditions.numberHeight = 2.0f;
    fillTier(data, 0, {{"10", "10", "10", "10"}, {"0", "10", "10", "10", "0"}});
    fillTier(data, 1, {{"0", "3", "4", "5"}});
    const FigureGeometry g = computeOk(data);
    expectVertices(g, 1, {0, {{{1.0, 1.7320508}, {5.0, 1.7320508}, {1.0, 4.7320508}}}}, "h = 2");
}

}  // namespace
}  // namespace mirota
